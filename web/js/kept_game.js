// The game in progress, kept after every handler so that the page goes on with it when it
// starts again: after a reload, a tab the browser discarded, or an installed app opened
// again. Each tab keeps its own game in its session storage, which the browser keeps for
// the tab across reloads and discards and gives no other tab, and a copy in local storage
// under the tab's own name, held as a Web Lock while the tab lives. A page that starts
// with an empty session (an app or a tab opened anew) goes on with the newest copy whose tab
// has gone. A game that ended or was given up is kept nowhere. The records are not here:
// they are the tabs' shared IndexedDB (records.js).
const KEY = 'quarvel-orbix-game';
const COPY = `${KEY}:`; // + the tab's name
let tab = null; // the tab's name, once it holds it
let latest = null; // the game last kept ('' for none), written once the tab holds its name
let written = null;

const newName = () => (crypto.randomUUID ? crypto.randomUUID() : String(Math.random()).slice(2));

// Holds the tab's name as a lock until the page goes; false when another tab holds it (a
// duplicated tab, which came with a copy of this session).
const hold = (name) => new Promise((resolve) => {
  navigator.locks.request(name, { ifAvailable: true }, (lock) => {
    resolve(lock !== null);
    return lock ? new Promise(() => {}) : undefined;
  });
});

function write() {
  if (tab === null || latest === null || latest === written) return;
  written = latest;
  try {
    if (latest) {
      sessionStorage.setItem(KEY, latest);
      localStorage.setItem(COPY + tab, JSON.stringify({ at: Date.now(), game: latest }));
    } else {
      sessionStorage.removeItem(KEY);
      localStorage.removeItem(COPY + tab);
    }
  } catch (error) { /* full or refused: the game is not kept */ }
}

// The tab's name from its session, or a new one where there is none or another tab holds it;
// the game is written under it once it is held. Nothing waits for this: the locks' first
// answer can take a fifth of a second.
async function takeName(locks) {
  let name = sessionStorage.getItem(`${KEY}-tab`);
  if (!name || (locks && !(await hold(COPY + name)))) {
    name = newName();
    sessionStorage.setItem(`${KEY}-tab`, name);
    if (locks) await hold(COPY + name);
  }
  tab = name;
  write();
}

// Whether local storage holds any tab's copy: only then can there be an orphan to adopt.
function anyCopy() {
  for (let i = 0; i < localStorage.length; ++i) if (localStorage.key(i).startsWith(COPY)) return true;
  return false;
}

// The newest copy in local storage whose tab no longer holds its lock, taken away from there.
async function adoptOrphan() {
  return navigator.locks.request(`${KEY}-adopt`, async () => {
    const { held } = await navigator.locks.query();
    const alive = new Set(held.map((lock) => lock.name));
    let newest = null;
    for (let i = 0; i < localStorage.length; ++i) {
      const name = localStorage.key(i);
      if (!name.startsWith(COPY) || alive.has(name)) continue;
      try {
        const copy = JSON.parse(localStorage.getItem(name));
        if (!newest || copy.at > newest.copy.at) newest = { name, copy };
      } catch (error) { localStorage.removeItem(name); }
    }
    if (!newest) return null;
    localStorage.removeItem(newest.name);
    return typeof newest.copy.game === 'string' ? newest.copy.game : null;
  });
}

// The game this tab kept, or null. Storage that is refused keeps nothing, and says so by null.
// The locks are asked only where another tab's copy may be an orphan to adopt.
export async function restore() {
  try {
    const locks = 'locks' in navigator;
    const own = sessionStorage.getItem(KEY);
    takeName(locks).catch(() => { tab = null; });
    if (own !== null) return own;
    return locks && anyCopy() ? await adoptOrphan() : null;
  } catch (error) {
    return null;
  }
}

// After every handler: the game as the program writes it ('' when none is in progress).
export function keep(game) {
  latest = game;
  write();
}
