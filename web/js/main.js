// The page's start-up: the program created while its storage is opened, the records read, the
// player's language chosen, the windows built; then every change the program makes is
// drawn, and the clock ticks once a second.
import * as bridge from './bridge.js';
import * as dialogs from './dialogs.js';
import * as fameListing from './fame_listing.js';
import * as keptGame from './kept_game.js';
import * as keys from './keys.js';
import * as records from './records.js';
import * as shortest from './shortest.js';
import * as windows from './windows.js';

const SHIPPED = '/game'; // quarvel.dat, as it ships with the page

function draw() {
  const state = bridge.state(fameListing.shownVersion());
  if (!state) return;
  windows.draw(state);
  if (state.solve) shortest.ask(state.solve);
  dialogs.draw(state.box);
  records.drawBar(state.undo);
  records.storeChanges();
  keptGame.keep(bridge.gameSnapshot());
}

// The first of the browser's languages the game has a catalogue for; only that catalogue
// is fetched now (the service worker keeps the others for later visits). English where
// there is none, or it cannot be fetched.
async function useLanguage() {
  const preferred = (navigator.languages || [navigator.language]).join('\n');
  const language = bridge.chooseLanguage(preferred);
  if (!language) return;
  const folder = `/locale/${language}/LC_MESSAGES`;
  try {
    const response = await fetch(`locale/${language}/LC_MESSAGES/quarvel-orbix.mo`);
    if (!response.ok) return;
    bridge.files().mkdirTree(folder);
    bridge.files().writeFile(`${folder}/quarvel-orbix.mo`, new Uint8Array(await response.arrayBuffer()));
  } catch (error) {
    return;
  }
  if (bridge.useLanguage(language)) document.documentElement.lang = language.replace('_', '-');
}

// Month 1..12's abbreviation in the page's language, for the Hall of Fame's dates.
const monthName = (month) => new Intl.DateTimeFormat(document.documentElement.lang, { month: 'short' })
  .format(new Date(2000, month - 1, 15));

async function start() {
  let opening = null;
  const keeping = keptGame.restore();
  await bridge.load({
    preInit: [() => { opening = records.open(); }],
    setBusyPointer: (busy) => document.body.classList.toggle('busy', busy),
    focusTile: (tile) => windows.focusTile(tile),
    monthName,
  });
  const mounting = opening.then(records.mount);
  await useLanguage();
  windows.build(bridge.layouts());
  const captions = bridge.dialogCaptions();
  dialogs.init(captions);
  records.buildBar(captions.records);
  document.querySelector('link[rel="manifest"]').href = captions.manifest;
  windows.setHelpPage(captions.help);
  const [stored, kept] = await Promise.all([mounting, keeping]);
  bridge.onChange(draw);
  if (!bridge.start(SHIPPED, records.FOLDER, stored)) return; // the box up says why
  if (kept) bridge.resumeGame(kept); // ignored when damaged or of another version
  if (!stored) bridge.storageRefused();
  keys.listen();
  setInterval(() => bridge.send('tick'), 1000);
  document.body.dataset.ready = 'true';
  // Offline after this visit; a new version's files replace these on the next one.
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('service_worker.js').catch(() => {});
}

// What the browser tests and the benchmarks read of the program: its windows' layouts and
// its memory.
window.quarvelProgram = { layouts: bridge.layouts, memoryBytes: bridge.memoryBytes };

start();
