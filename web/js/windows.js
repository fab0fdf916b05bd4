// The three windows, built from the layouts the program exports and drawn from the state
// it leaves: every click is sent as the event its control names. Nothing here decides
// anything of the game.
import * as bridge from './bridge.js';
import { makeControl, px, rgb, setPlace, TWIPS_PER_PIXEL } from './controls.js';
import * as hand from './hand.js';
import { drawListing, setValue } from './fame_listing.js';
import * as savedGames from './saved_games.js';

const windows = {}; // window id -> {element, layout, controls: name -> element}
const tiles = [];
let named = null; // the controls the page binds by what they are
let layouts = null;
let shownWindow = null;
let pendingFocus = null;
let opener = null; // the control the player used last, which a box or a window up came from

function buildWindow(id) {
  const layout = layouts[id];
  const element = document.createElement('section');
  element.className = 'window';
  element.dataset.window = id;
  element.hidden = true;
  element.setAttribute('aria-label', layout.caption);
  element.style.setProperty('--window-width', px(layout.width));
  element.style.setProperty('--window-height', px(layout.height));
  element.style.background = rgb(layout.background);
  windows[id] = { element, controls: {}, layout, byEvent: {} };
  // In tab order, so that Tab walks the controls as on the desktop.
  for (const c of [...layout.controls].sort((a, b) => a.tabIndex - b.tabIndex)) {
    const control = makeControl(c);
    windows[id].controls[c.name] = control;
    if (c.event === 'tile') {
      tiles[c.index] = control;
      control.classList.add('tile');
    }
    if (c.kind === 'rectangle') windows[id].shape = { element: control, rect: c.rect };
    if (c.event) (windows[id].byEvent[c.event] ||= []).push(control);
    if (c.kind === 'readonly' && c.multiLine) windows[id].listing = control;
    element.appendChild(control);
  }
  if (id === 'main') {
    // The shortest-solution note in sight where the windows are laid out for the hand; a
    // screen reader hears it as the game number box's description.
    windows.main.note = document.createElement('p');
    windows.main.note.className = 'note';
    windows.main.note.setAttribute('aria-hidden', 'true');
    element.appendChild(windows.main.note);
  }
  document.getElementById('stage').appendChild(element);
}

// Every control sends the event its layout names; the boxes' own inputs are bound apart.
function bind() {
  const { main, halloffame, reload } = windows;
  const first = (w, event) => w.byEvent[event][0];
  named = {
    gameNumberBox: first(main, 'text1'), clockBox: first(main, 'text3'), listing: halloffame.listing,
    savedGameBox: first(reload, 'pick'), fameReturn: first(halloffame, 'return'),
    fameButton: first(main, 'fame'), reloadButton: first(main, 'reload'),
  };
  // The control the player used last: the one a box came from, and where the focus goes back.
  const used = (event) => {
    const control = event.target.closest && event.target.closest('button, input, a, [tabindex]');
    if (control && !control.closest('dialog')) opener = control;
  };
  document.addEventListener('pointerdown', used, true);
  document.addEventListener('keydown', used, true);
  hand.listenForSwipes(main.element, (element) => tiles.includes(element), (tile) => tile.click());
  tiles.forEach((tile, k) => tile.addEventListener('click', () => {
    opener = tile;
    bridge.send('tile', '', k);
  }));
  for (const w of Object.values(windows)) {
    for (const [event, controls] of Object.entries(w.byEvent)) {
      for (const c of controls) {
        if (c.tagName !== 'BUTTON' || event === 'tile') continue;
        c.addEventListener('click', () => {
          opener = c;
          bridge.send(event);
          if (c.disabled) restoreFocus(); // New Game, Save: the focus goes on to the board
        });
      }
    }
  }
  const { gameNumberBox, clockBox, savedGameBox: combo } = named;
  gameNumberBox.addEventListener('mousedown', () => bridge.send('text1'));
  gameNumberBox.addEventListener('input', () => bridge.send('type', gameNumberBox.value));
  clockBox.addEventListener('mousedown', (event) => {
    event.preventDefault();
    bridge.send('text3');
  });
  savedGames.attach(combo, reload.element, reload.element.querySelector('[data-name=Label1]'));
}

export function build(exported) {
  layouts = exported;
  for (const id of ['main', 'halloffame', 'reload']) buildWindow(id);
  bind();
  window.addEventListener('resize', fit);
  hand.onChange(fit);
  // The main window is laid out once, by the program's first draw, and shown then.
  windows.main.element.style.visibility = 'hidden';
  windows.main.element.hidden = false;
  shownWindow = 'main';
}

// The page's contact line points to the help page in the page's language.
export function setHelpPage(href) {
  for (const link of windows.main.element.querySelectorAll('a.control')) link.href = href;
}

// The box of the window up that a key was pressed in: 'gameNumberBox', 'savedGameBox' or ''.
export function boxOf(element) {
  if (element === named.gameNumberBox) return 'gameNumberBox';
  return element === named.savedGameBox ? 'savedGameBox' : '';
}

export function focusTile(tile) {
  pendingFocus = tile;
}

const usable = (element) => element && element !== document.body && element.isConnected && !element.disabled &&
  !element.closest('[hidden]');

// The board takes the focus: the tile the player used, else tile 1.
export function focusBoard() {
  (tiles.includes(opener) && opener !== tiles[0] ? opener : tiles[1]).focus();
}

// After a box, the focus goes back to the control it came from, or to the board where that
// control is gone or disabled (after a win, after Save).
export function restoreFocus() {
  if (document.querySelector('dialog[open]')) return;
  if (usable(opener) && !tiles.includes(opener)) opener.focus();
  else if (shownWindow === 'main') focusBoard();
}

export function draw(state) {
  const { rect: [boardLeft, boardTop, boardWidth] } = windows.main.shape;
  state.tiles.forEach((tile, k) => {
    setPlace(tiles[k], [tile.left, tile.top]);
    // Its cell, where the board is laid out for the hand.
    tiles[k].style.setProperty('--column', (tile.left - boardLeft) / (boardWidth / 4));
    tiles[k].style.setProperty('--row', (tile.top - boardTop) / (boardWidth / 4));
    if (tiles[k].getAttribute('aria-label') !== tile.name) tiles[k].setAttribute('aria-label', tile.name);
  });
  const { gameNumberBox } = named;
  setValue(gameNumberBox, state.game);
  setValue(named.clockBox, state.time);
  if (state.note) {
    gameNumberBox.title = state.note;
    gameNumberBox.setAttribute('aria-description', state.note);
  } else {
    gameNumberBox.removeAttribute('title');
    gameNumberBox.removeAttribute('aria-description');
  }
  if (windows.main.note.textContent !== state.note) {
    windows.main.note.textContent = state.note;
    if (hand.inHand() && state.window === shownWindow) fit(); // the board may have moved
  }
  for (const [event, enabled] of Object.entries(state.enabled)) windows.main.byEvent[event][0].disabled = !enabled;
  drawListing(named.listing, state);
  savedGames.draw(state, state.window !== shownWindow);
  if (state.window !== shownWindow || windows.main.element.style.visibility) showWindow(state.window);
  if (pendingFocus !== null) {
    tiles[pendingFocus].focus();
    pendingFocus = null;
  }
}


function showWindow(id) {
  const previous = shownWindow;
  for (const [wid, w] of Object.entries(windows)) {
    w.element.hidden = wid !== id;
    w.element.style.visibility = '';
  }
  shownWindow = id;
  document.getElementById('records').hidden = id !== 'main';
  document.title = layouts[id].caption;
  fit();
  const first = { halloffame: named.fameReturn, reload: named.savedGameBox };
  if (first[id]) first[id].focus();
  // Back on the main window: the focus on the button that opened the window left, or on
  // the board when that button is disabled (a saved game was picked).
  const openedBy = { halloffame: named.fameButton, reload: named.reloadButton }[previous];
  if (id === 'main' && openedBy) {
    opener = openedBy;
    if (usable(openedBy)) openedBy.focus();
    else focusBoard();
  }
}

// The window up laid out for the hand, or else scaled as a whole to the viewport, never
// wider than it.
function fit() {
  if (!shownWindow) return;
  const { element, layout } = windows[shownWindow];
  const stage = document.getElementById('stage');
  if (hand.inHand()) {
    element.style.transform = '';
    stage.style.width = '';
    stage.style.height = '';
    hand.layOut(true, windows.main.element, windows.main.shape.element);
    return;
  }
  hand.layOut(false);
  const width = layout.width / TWIPS_PER_PIXEL;
  const height = layout.height / TWIPS_PER_PIXEL;
  const scale = Math.min(document.documentElement.clientWidth / width, window.innerHeight / height, 2);
  element.style.transform = `scale(${scale})`;
  stage.style.width = `${width * scale}px`;
  stage.style.height = `${height * scale}px`;
}
