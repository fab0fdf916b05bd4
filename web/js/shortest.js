// The shortest-solution note, found by a Web Worker (shortest_worker.js) so that the page
// never waits for a search; the length reaches the program as its "length" event. Where the
// browser asks to save data, the worker's tables are never fetched and there is no note.
import * as bridge from './bridge.js';

const SEARCH_LIMIT_MS = 30000; // a longer search, and the game goes without its note
let solver = null;
let searching = null; // the timer of the search under way

function stop() {
  clearTimeout(searching);
  searching = null;
  solver.terminate();
  solver = null;
}

// A new game's request ({tag, cells}) replaces one still searching, with its worker; one
// that comes while the worker loads its tables replaces the request waiting there.
export function ask(request) {
  if (navigator.connection && navigator.connection.saveData) return;
  if (searching) stop();
  if (!solver) {
    solver = new Worker('shortest_worker.js');
    solver.onmessage = ({ data }) => {
      clearTimeout(searching);
      searching = data.searching ? setTimeout(stop, SEARCH_LIMIT_MS) : null;
      if (!data.searching && data.length !== null) bridge.send('length', '', data.length, data.tag);
    };
  }
  solver.postMessage(request);
}
