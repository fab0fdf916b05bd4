// The Web Worker that finds shortest solutions for the page's note. It takes the tables'
// file from its own cache, or downloads it once into that cache, then answers each
// {tag, cells} with {tag, length}; length is null when it has none to give.
'use strict';
const TABLES = 'quarvel-shortest.tables';
const TABLES_CACHE = 'quarvel-orbix-tables';

async function tablesBytes() {
  const cache = await caches.open(TABLES_CACHE);
  let response = await cache.match(TABLES);
  if (!response) {
    response = await fetch(TABLES);
    if (!response.ok) throw new Error(`no tables (${response.status})`);
    await cache.put(TABLES, response.clone());
  }
  return new Uint8Array(await response.arrayBuffer());
}

const ready = new Promise((resolve) => {
  self.Module = {
    preRun: [() => { Module.ENV.QUARVEL_SHORTEST_TABLES = `/tables/${TABLES}`; }],
    onRuntimeInitialized: () => resolve(),
  };
}).then(async () => {
  try {
    Module.FS.mkdir('/tables');
    Module.FS.writeFile(`/tables/${TABLES}`, await tablesBytes());
    const good = Module.ccall('worker_tables_ready', 'number', [], []) === 1;
    Module.FS.unlink(`/tables/${TABLES}`); // mapped (copied) by the program if good
    return good;
  } catch (error) {
    return false;
  }
});
importScripts('quarvel-worker.js');

self.onmessage = async ({ data }) => {
  let length = null;
  if (await ready) {
    const cells = Module._malloc(16);
    Module.HEAPU8.set(data.cells, cells);
    const found = Module.ccall('worker_shortest_length', 'number', ['number'], [cells]);
    Module._free(cells);
    if (found >= 0) length = found;
  }
  self.postMessage({ tag: data.tag, length });
};
