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
let tab = null;
let kept = null;

const newName = () => (crypto.randomUUID ? crypto.randomUUID() : String(Math.random()).slice(2));

// Holds the tab's name as a lock until the page goes; false when another tab holds it (a
// duplicated tab, which came with a copy of this session).
const hold = (name) => new Promise((resolve) => {
  navigator.locks.request(name, { ifAvailable: true }, (lock) => {
    resolve(lock !== null);
    return lock ? new Promise(() => {}) : undefined;
  });
});

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
export async function restore() {
  try {
    tab = sessionStorage.getItem(`${KEY}-tab`);
    const locks = 'locks' in navigator;
    const own = sessionStorage.getItem(KEY);
    if (!tab || (locks && !(await hold(COPY + tab)))) {
      tab = newName();
      sessionStorage.setItem(`${KEY}-tab`, tab);
      // A new name has no copy to be adopted: it is held while an orphan is looked for.
      if (locks) {
        const [, orphan] = await Promise.all([hold(COPY + tab), own === null ? adoptOrphan() : null]);
        return own ?? orphan;
      }
    }
    if (own !== null) return own;
    return locks ? await adoptOrphan() : null;
  } catch (error) {
    tab = null;
    return null;
  }
}

// After every handler: the game as the program writes it ('' when none is in progress).
export function keep(game) {
  if (game === kept || tab === null) return;
  kept = game;
  try {
    if (game) {
      sessionStorage.setItem(KEY, game);
      localStorage.setItem(COPY + tab, JSON.stringify({ at: Date.now(), game }));
    } else {
      sessionStorage.removeItem(KEY);
      localStorage.removeItem(COPY + tab);
    }
  } catch (error) { /* full or refused: the game is not kept */ }
}
