// The Web Worker that finds shortest solutions for the page's note. It takes the page's
// tables (gzip, named by their checksum) from IndexedDB, or downloads them there once, in
// parts as they arrive, so that a download cut off goes on where it stopped (a range
// request) in the next worker, tab or visit; a new version's file replaces the old one's
// parts; its program inflates them. It answers each {tag, cells} with {tag, searching:
// true} as its search starts and {tag, length} at the end; length is null when it has none
// to give. Only the latest request that came while the tables were loading is answered.
'use strict';
const TABLES = '@SMALL_TABLES@';
const DATABASE = 'quarvel-orbix-tables';
const PART_BYTES = 1 << 18; // kept as they arrive: a cut loses at most this much

const settled = (request) => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});
const store = (db, mode = 'readonly') => db.transaction('parts', mode).objectStore('parts');
const PARTS_FROM = (offset) => IDBKeyRange.bound(offset, Infinity); // the parts, keyed by their offset

function openDatabase() {
  const opening = indexedDB.open(DATABASE, 1);
  opening.onupgradeneeded = () => opening.result.createObjectStore('parts');
  return settled(opening);
}

// The parts kept of this version's file, from its start and without a gap; another
// version's are dropped. 'about' holds the file's name and, once known, its size.
async function keptParts(db) {
  const about = await settled(store(db).get('about'));
  if (!about || about.name !== TABLES) {
    const parts = store(db, 'readwrite');
    await settled(parts.clear());
    await settled(parts.put({ name: TABLES, bytes: null }, 'about'));
    return { parts: [], have: 0, bytes: null };
  }
  const parts = [];
  let have = 0;
  for (const part of await settled(store(db).getAll(PARTS_FROM(0)))) {
    if (part.offset !== have) break;
    parts.push(part.blob);
    have += part.blob.size;
  }
  await settled(store(db, 'readwrite').delete(PARTS_FROM(have))); // any after a gap
  return { parts, have, bytes: about.bytes };
}

// Fetches the rest of the file from `kept.have` on, keeping each part as it comes; a cut
// keeps what came and throws.
async function fetchRest(db, kept) {
  const response = await fetch(TABLES, kept.have ? { headers: { Range: `bytes=${kept.have}-` } } : {});
  const range = /^bytes (\d+)-\d+\/(\d+)$/.exec(response.headers.get('Content-Range') || '');
  if (response.status === 206 && range && Number(range[1]) === kept.have) {
    kept.bytes = Number(range[2]);
  } else if (response.status === 200) { // the whole file again: what was kept goes
    await settled(store(db, 'readwrite').delete(PARTS_FROM(0)));
    Object.assign(kept, { parts: [], have: 0, bytes: Number(response.headers.get('Content-Length')) || null });
  } else {
    throw new Error(`no tables (${response.status})`);
  }
  await settled(store(db, 'readwrite').put({ name: TABLES, bytes: kept.bytes }, 'about'));
  const reader = response.body.getReader();
  let pending = [];
  let pendingBytes = 0;
  const keep = async () => {
    if (!pendingBytes) return;
    const blob = new Blob(pending);
    await settled(store(db, 'readwrite').put({ offset: kept.have, blob }, kept.have));
    kept.parts.push(blob);
    kept.have += pendingBytes;
    pending = [];
    pendingBytes = 0;
  };
  try {
    for (let read = await reader.read(); !read.done; read = await reader.read()) {
      pending.push(read.value);
      pendingBytes += read.value.byteLength;
      if (pendingBytes >= PART_BYTES) await keep();
    }
  } finally {
    await keep();
  }
  if (kept.bytes !== null && kept.have !== kept.bytes) throw new Error('the tables came short');
}

// The file, kept or downloaded, under a lock that every tab shares, so one downloads it.
function tablesFile() {
  return navigator.locks.request(DATABASE, async () => {
    const db = await openDatabase();
    try {
      const kept = await keptParts(db);
      if (kept.bytes === null || kept.have < kept.bytes) await fetchRest(db, kept);
      return new Blob(kept.parts);
    } finally {
      db.close();
    }
  });
}

async function dropKept() {
  const db = await openDatabase();
  await settled(store(db, 'readwrite').clear());
  db.close();
}

// Hands the file to the program, which inflates it in its own memory, where it stays, and
// checks it; a file it refuses (damaged) is dropped, to be fetched again.
async function loadTables() {
  const file = new Uint8Array(await (await tablesFile()).arrayBuffer());
  const given = Module._malloc(file.length);
  Module.HEAPU8.set(file, given);
  const good = Module.ccall('worker_take_tables', 'number', ['number', 'number'], [given, file.length]) === 1;
  if (!good) await dropKept();
  return good;
}

const program = new Promise((resolve) => {
  self.Module = { onRuntimeInitialized: () => resolve() };
});
importScripts('quarvel-worker.js');

let loading = null; // whether the tables are in; tried again after a failure
let latest = null;
function tablesReady() {
  loading ??= program.then(loadTables).catch(() => false).then((good) => {
    if (!good) loading = null;
    return good;
  });
  return loading;
}

self.onmessage = async ({ data }) => {
  latest = data;
  const good = await tablesReady();
  if (latest !== data) return;
  latest = null;
  let length = null;
  if (good) {
    self.postMessage({ tag: data.tag, searching: true });
    const cells = Module._malloc(16);
    Module.HEAPU8.set(data.cells, cells);
    const found = Module.ccall('worker_shortest_length', 'number', ['number'], [cells]);
    Module._free(cells);
    if (found >= 0) length = found;
  }
  self.postMessage({ tag: data.tag, length });
};
