// The one way into the program. Every call returns at once; after each one that may have
// changed the state, the listener given to load() is told, to draw it and store what the
// handlers changed.
import createProgram from '../quarvel-page.js';

let program = null;
let changed = () => {};

const call = (name, type, types = [], values = []) => program.ccall(name, type, types, values);
const json = (name, types, values) => JSON.parse(call(name, 'string', types, values));
const changing = (result) => {
  changed();
  return result;
};

// Creates the program. `page` holds what it calls in the page (setBusyPointer, focusTile,
// monthName)
// and preInit, run while its WebAssembly compiles.
export async function load(page) {
  program = { ...page, noExitRuntime: true }; // the program's module, its runtime filled in as it is made
  program = await createProgram(program);
}

export function onChange(listener) {
  changed = listener;
}

// The program's memory, in bytes (for the benchmarks).
export const memoryBytes = () => program.HEAPU8.length;

// The program's file system, where storage is mounted.
export const files = () => program.FS;

export const chooseLanguage = (preferred) => call('page_choose_language', 'string', ['string'], [preferred]);
export const useLanguage = (language) => call('page_use_language', 'number', ['string'], [language]) === 1;
export const layouts = () => json('page_layouts');
export const dialogCaptions = () => json('page_dialog_captions');
export const recordCaptions = () => json('page_record_captions');

export const start = (shipped, records, stored) =>
  changing(call('page_start', 'number', ['string', 'string', 'number'], [shipped, records, stored ? 1 : 0]) === 1);

// An event of the program's (ui/events.h names them); whether the program took it.
export const send = (name, text = '', number = 0, game = 0) =>
  changing(call('page_event', 'number', ['string', 'string', 'number', 'number'],
    [name, String(text), number, game]) === 1);

// A key pressed in `focus` ('gameNumberBox', 'savedGameBox' or '') holding `text`; whether
// the program took it.
export function key(name, ctrl, focus, text) {
  const taken = call('page_key', 'number', ['string', 'number', 'string', 'string'], [name, ctrl ? 1 : 0, focus, text]);
  return taken === 1 ? changing(true) : false;
}

// What the windows show: the Hall of Fame listing only when its version is not
// `shownListingVersion`, the Reload Game list by its size alone.
export const state = (shownListingVersion) => json('page_state', ['number'], [shownListingVersion]);

// The Reload Game list's entries `first` to `first + count - 1`, and where it first holds `entry` (-1 for nowhere).
export const savedGames = (first, count) => json('page_saved_games', ['number', 'number'], [first, count]);
export const savedGameIndex = (entry) => call('page_saved_game_index', 'number', ['string'], [entry]);

// The game in progress as text ('' for none), and a kept one to go on with after start-up.
export const gameSnapshot = () => call('page_game_snapshot', 'string');
export const resumeGame = (text) => changing(call('page_resume_game', 'number', ['string'], [text]) === 1);

// The records' storage: changes waiting to be stored, made again on what storage holds
// (the first file changed, or '' when that failed and has been reported), and the news
// that they are stored.
export const unstored = () => call('page_unstored', 'number') === 1;
export const redoChanges = () => changing(call('page_redo_changes', 'string'));
export const stored = (file, error) => changing(call('page_stored', null, ['string', 'number'], [file, error]));
export const storageRefused = () => changing(call('page_storage_refused', null));

export const recordReady = (file) => changing(call('page_record_ready', 'number', ['string'], [file]) === 1);

// A file the player chose as record `index` of the records bar: its first bytes, up to one
// more than the record may hold. The program says what follows in its boxes.
export function loadRecord(index, bytes) {
  const data = program._malloc(Math.max(bytes.length, 1));
  program.HEAPU8.set(bytes, data);
  const taken = call('page_load_record', 'number', ['number', 'number', 'number'], [index, data, bytes.length]);
  program._free(data);
  return changing(taken === 1);
}
