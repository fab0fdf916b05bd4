// The records in the browser's storage, and their download and load. The program changes
// its folder as a handler runs; afterwards, under a lock all the page's tabs share, the
// storage is read afresh, the program makes its changes again on what it holds, and the
// folder is stored; then the program hears whether that worked, and the other tabs read
// the records again.
import * as bridge from './bridge.js';

export const FOLDER = '/records';
const LOCK_NAME = 'quarvel-orbix-records';
const ENOSPC = 28;
const others = 'BroadcastChannel' in self ? new BroadcastChannel(LOCK_NAME) : null;
let queue = Promise.resolve(); // the storage's operations, one at a time
let storing = false;
let mounted = false;

const sync = (populate) => new Promise((resolve) => {
  bridge.files().syncfs(populate, (error) => resolve(error ? ENOSPC : 0));
});
const inTurn = (operation) => {
  queue = queue.then(operation, operation);
  return queue;
};
// The tabs' lock for `operation`; without Web Locks one tab is all there is.
const locked = (operation) => (navigator.locks ? navigator.locks.request(LOCK_NAME, operation) : operation());

// Opens the storage while the program's WebAssembly compiles; resolves to whether the
// browser keeps the records.
export async function mount() {
  const FS = bridge.files();
  FS.mkdir(FOLDER);
  try {
    FS.mount(FS.filesystems.IDBFS, {}, FOLDER);
    if (await sync(true) === 0) {
      mounted = true;
      return true;
    }
  } catch (error) { /* refused */ }
  try { FS.unmount(FOLDER); } catch (error) { /* memory only */ }
  return false;
}

async function store() {
  document.body.dataset.handling = 'store';
  await locked(async () => {
    await sync(true); // what other tabs stored meanwhile
    const file = bridge.redoChanges();
    if (!file) { // a change could not be made again: the records stay as storage holds them
      await sync(true);
      return;
    }
    const error = await sync(false);
    if (error) await sync(true); // takes back what storage holds
    bridge.stored(file, error);
    if (!error && others) others.postMessage('stored');
  });
  delete document.body.dataset.handling;
}

// After every call into the program: what it changed is stored, one change after the other.
export function storeChanges() {
  if (storing || !bridge.unstored()) return;
  storing = true;
  inTurn(store).finally(() => {
    storing = false;
    storeChanges();
  });
}

// Resolves once nothing waits to be stored.
export const whenStored = () => queue.then(() => (storing || bridge.unstored() ? whenStored() : undefined));

if (others) others.onmessage = () => { if (mounted) inTurn(() => sync(true)); };

function download(record) {
  if (!bridge.recordReady(record.file)) return;
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bridge.files().readFile(`${FOLDER}/${record.file}`)]));
  link.download = record.file;
  link.click();
  URL.revokeObjectURL(link.href);
}

// The bar under the main window: each record's download and load.
export function buildBar(accessibleName) {
  const bar = document.getElementById('records');
  if (accessibleName) bar.setAttribute('aria-label', accessibleName);
  const chooser = document.createElement('input');
  chooser.type = 'file';
  chooser.hidden = true;
  bar.appendChild(chooser);
  let loading = null;
  chooser.addEventListener('change', async () => {
    const [file] = chooser.files;
    chooser.value = '';
    if (!file) return;
    document.body.dataset.handling = 'load';
    // No more than the program reads: a larger file is refused by its size.
    const bytes = new Uint8Array(await file.slice(0, loading.limit + 1).arrayBuffer());
    const loaded = bridge.loadRecord(loading.file, bytes, file.size);
    await whenStored();
    delete document.body.dataset.handling;
    // The game starts again over the records as they now stand.
    if (loaded && !document.querySelector('dialog[open]')) window.location.reload();
  });
  for (const record of bridge.recordCaptions()) {
    const downloadButton = document.createElement('button');
    downloadButton.textContent = record.download;
    downloadButton.addEventListener('click', () => download(record));
    const loadButton = document.createElement('button');
    loadButton.textContent = record.load;
    loadButton.addEventListener('click', () => {
      loading = record;
      chooser.click();
    });
    bar.append(downloadButton, loadButton);
  }
}
