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

// Resolves to the error, or null once the folder and storage agree.
const sync = (populate) => new Promise((resolve) => {
  bridge.files().syncfs(populate, (error) => resolve(error || null));
});
const inTurn = (operation) => {
  queue = queue.then(operation, operation);
  return queue;
};
// The tabs' lock for `operation`; without Web Locks one tab is all there is.
const locked = (operation) => (navigator.locks ? navigator.locks.request(LOCK_NAME, operation) : operation());

// The browser may close the storage's connection (its backing store failed, or a new
// version of the database was asked for); the next operation then opens a new one rather
// than failing on the closed one for as long as the page is up.
function reopenWhenClosed() {
  const { dbs } = bridge.files().filesystems.IDBFS;
  const db = dbs[FOLDER];
  if (!db) return;
  const forget = () => {
    if (dbs[FOLDER] === db) delete dbs[FOLDER];
  };
  db.onclose = forget;
  db.onversionchange = () => {
    db.close();
    forget();
  };
}

// The storage's database as the page opened it at once (index.html), handed to the
// program's file system; or, where it could not be opened there, opened now, while the
// program's WebAssembly compiles. Resolves, once it is open or has failed, to whether it
// was made just now, with no records in it to read. The records themselves are read by
// mount(), once the program's memory exists: a file read into its folder before then fails.
export async function open() {
  const { db, made } = await (self.recordsStorage || Promise.resolve({}));
  const { IDBFS } = bridge.files().filesystems;
  if (db && db.version === IDBFS.DB_VERSION && db.objectStoreNames.contains(IDBFS.DB_STORE_NAME)) {
    IDBFS.dbs[FOLDER] = db;
    return made;
  }
  if (db) db.close();
  return new Promise((resolve) => {
    try {
      IDBFS.getDB(FOLDER, () => resolve(false));
    } catch (error) {
      resolve(false);
    }
  });
}

// Reads the records into the program's folder (none where the storage was `made` just now);
// resolves to whether the browser keeps them. Opening right after another page of the site
// closed the same storage can fail for a moment: only a refusal by the browser (or failing
// again and again) counts as storage refused.
export async function mount(made) {
  const FS = bridge.files();
  FS.mkdir(FOLDER);
  for (const pause of [0, 100, 400, 1600]) {
    if (pause) await new Promise((resolve) => { setTimeout(resolve, pause); });
    let error = null;
    try {
      FS.mount(FS.filesystems.IDBFS, {}, FOLDER);
      if (!made || pause) error = await sync(true);
    } catch (thrown) {
      error = thrown;
    }
    if (!error) {
      mounted = true;
      reopenWhenClosed();
      return true;
    }
    console.warn('The records\' storage could not be opened:', error);
    delete FS.filesystems.IDBFS.dbs[FOLDER];
    try { FS.unmount(FOLDER); } catch (ignored) { /* not mounted */ }
    if (error && error.name === 'SecurityError') break; // refused: a private window, or blocked
  }
  return false;
}

async function store() {
  await locked(async () => {
    await sync(true); // what other tabs stored meanwhile
    const file = bridge.redoChanges();
    if (!file) { // a change could not be made again: the records stay as storage holds them
      await sync(true);
      return;
    }
    const error = await sync(false);
    if (error) await sync(true); // takes back what storage holds
    reopenWhenClosed();
    bridge.stored(file, error ? ENOSPC : 0);
    if (!error && others) others.postMessage('stored');
  });
}

// After every call into the program: what it changed is stored, one change after the other.
// The page is busy from the change on, also while another operation of the storage goes
// first, until nothing waits to be stored.
export function storeChanges() {
  if (storing || !bridge.unstored()) return;
  storing = true;
  document.body.dataset.handling = 'store';
  inTurn(store).finally(() => {
    storing = false;
    storeChanges();
    if (!storing) delete document.body.dataset.handling;
  });
}

if (others) others.onmessage = () => { if (mounted) inTurn(() => sync(true)); };

function download(record) {
  if (!bridge.recordReady(record.file)) return;
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bridge.files().readFile(`${FOLDER}/${record.file}`)]));
  link.download = record.file;
  link.click();
  URL.revokeObjectURL(link.href);
}

const undoButtons = [];

// The bar under the main window: each record's download and load, and the undo of its
// last load while there is one.
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
    // No more than the program reads: one byte more tells it that the file is too large.
    bridge.loadRecord(loading.index, new Uint8Array(await file.slice(0, loading.limit + 1).arrayBuffer()));
  });
  bridge.recordCaptions().forEach((record, index) => {
    const downloadButton = document.createElement('button');
    downloadButton.textContent = record.download;
    downloadButton.addEventListener('click', () => download(record));
    const loadButton = document.createElement('button');
    loadButton.textContent = record.load;
    loadButton.addEventListener('click', () => {
      loading = { index, limit: record.limit };
      chooser.click();
    });
    const undoButton = document.createElement('button');
    undoButton.textContent = record.undo;
    undoButton.hidden = true;
    undoButton.addEventListener('click', () => bridge.send('undoload', '', index));
    undoButtons.push(undoButton);
    bar.append(downloadButton, loadButton, undoButton);
  });
}

// The undo buttons as the program's state has them.
export function drawBar(undoable) {
  undoButtons.forEach((button, index) => { button.hidden = !undoable[index]; });
}
