// The Reload Game window's box and the list of saved games under it: a combo box over a
// list that draws only the rows in sight, however many games are saved. The rows come from
// the program a few at a time; a row clicked, or Enter in the box, is the program's to take.
import * as bridge from './bridge.js';

const EXTENT_LIMIT = 8e6; // the tallest the list scrolls, in pixels; a longer list scrolls in proportion
const PLACE = ['--left', '--top', '--width', '--height', '--family', '--weight', '--style', '--size'];

let box = null; // the combo box's edit field
let list = null; // the list under it
let version = -1; // the program's list that is drawn
let count = 0;
let active = -1; // the entry the arrows went to, and its text
let activeText = null;
let offset = 0; // how far down the whole list the view starts, in pixels
let drawnCombo = null;
let beforeOpen = null; // the box's text and entry when the list opened, for a close that picks nothing

const optionId = (k) => `saved-game-${k}`;

// The row's height and the view's, and how the scroll bar maps onto the whole list.
function geometry() {
  const row = parseFloat(getComputedStyle(list).getPropertyValue('--row')) || 16;
  const view = list.clientHeight, whole = count * row;
  const extent = Math.min(whole, EXTENT_LIMIT);
  return { row, view, whole, extent, ratio: whole > extent && extent > view ? (whole - view) / (extent - view) : 1 };
}

// A row of the list, for entry k. The list is emptied whenever its entries change.
function option(k, entry) {
  const row = document.createElement('div');
  row.setAttribute('role', 'option');
  row.id = optionId(k);
  row.dataset.index = k;
  row.setAttribute('aria-posinset', k + 1);
  row.setAttribute('aria-setsize', count);
  row.textContent = entry;
  return row;
}

// The rows in sight, the active one marked. A row that stays in sight is kept rather than
// drawn again, so that the row under the pointer or a screen reader's cursor is still there
// when the list scrolls.
function render() {
  if (list.hidden) return;
  const g = geometry();
  list.style.setProperty('--extent', `${g.extent}px`);
  offset = Math.max(0, Math.min(offset, g.whole - g.view));
  const first = Math.floor(offset / g.row);
  const end = Math.min(count, Math.ceil((offset + g.view) / g.row));
  for (const row of [...list.children]) {
    const k = Number(row.dataset.index);
    if (k < first || k >= end) row.remove();
  }
  const kept = list.children.length ? Number(list.firstElementChild.dataset.index) : end;
  const keptEnd = kept + list.children.length;
  const rows = (from, to) => (to > from ? bridge.savedGames(from, to - from) : []).map((e, k) => option(from + k, e));
  list.prepend(...rows(first, kept));
  list.append(...rows(Math.max(first, keptEnd), end));
  const top = list.scrollTop - offset;
  for (const row of list.children) {
    const k = Number(row.dataset.index);
    row.setAttribute('aria-selected', String(k === active));
    row.style.top = `${top + k * g.row}px`;
  }
  if (active >= first && active < end) box.setAttribute('aria-activedescendant', optionId(active));
  else box.removeAttribute('aria-activedescendant');
}

// Scrolls the list so that entry k is in sight.
function reveal(k) {
  const g = geometry();
  if (k * g.row < offset) offset = k * g.row;
  else if ((k + 1) * g.row > offset + g.view) offset = (k + 1) * g.row - g.view;
  list.style.setProperty('--extent', `${g.extent}px`);
  list.scrollTop = offset / g.ratio;
  render();
}

function open() {
  if (!list.hidden) return;
  beforeOpen = { value: box.value, active, activeText };
  list.hidden = false;
  box.setAttribute('aria-expanded', 'true');
  reveal(Math.max(indexOfBox(), 0));
}

// Closes the list; unless an entry was picked, the box goes back to what it showed before,
// as the desktop's list closes by Escape, Alt+Up, F4 or a click elsewhere.
function close(picked = false) {
  if (list.hidden) return;
  if (!picked) ({ value: box.value, active, activeText } = beforeOpen);
  list.hidden = true;
  box.setAttribute('aria-expanded', 'false');
  box.removeAttribute('aria-activedescendant');
  list.replaceChildren();
}

// Where the box's text stands in the list: the entry the arrows went to while the box
// still shows it, else the first entry equal to it (-1 for none).
const indexOfBox = () => (active >= 0 && activeText === box.value ? active : bridge.savedGameIndex(box.value));

// Up and Down move through the entries without starting one, as on the desktop; from a
// text that is no entry, to the first.
function move(by) {
  if (!count) return;
  const at = indexOfBox();
  active = at < 0 ? 0 : Math.max(0, Math.min(count - 1, at + by));
  [activeText] = bridge.savedGames(active, 1);
  box.value = activeText;
  if (!list.hidden) reveal(active);
}

// The rows a page key moves by: one fewer than the list shows.
function pageRows() {
  const { view, row } = geometry();
  return Math.max(1, Math.floor(view / row) - 1);
}

function onKey(event) {
  const { key, altKey } = event, shown = !list.hidden;
  if (key === 'F4' || (altKey && (key === 'ArrowDown' || key === 'ArrowUp'))) (shown ? close : open)();
  else if (altKey) return;
  else if (key === 'ArrowDown' || key === 'ArrowUp') move(key === 'ArrowDown' ? 1 : -1);
  else if (key === 'PageDown' || key === 'PageUp') move((key === 'PageDown' ? 1 : -1) * (shown ? pageRows() : 1));
  else if (shown && key === 'Escape') close(); // the list closes; the window stays
  else return;
  event.preventDefault();
  event.stopPropagation();
}

// The list under `combo` in `window` (the Reload Game window), named by the window's label
// over the box.
export function attach(combo, window, label) {
  box = combo;
  list = document.createElement('div');
  list.className = 'saved-list';
  list.id = 'saved-games';
  list.hidden = true;
  list.tabIndex = -1;
  list.setAttribute('role', 'listbox');
  label.id ||= 'saved-games-label';
  list.setAttribute('aria-labelledby', label.id);
  for (const name of PLACE) list.style.setProperty(name, box.style.getPropertyValue(name));
  const drop = document.createElement('div'); // the drop-down arrow, for the mouse
  drop.className = 'saved-drop';
  drop.setAttribute('aria-hidden', 'true');
  for (const name of PLACE.slice(0, 4)) drop.style.setProperty(name, box.style.getPropertyValue(name));
  window.append(drop, list);
  box.setAttribute('role', 'combobox');
  box.setAttribute('aria-autocomplete', 'none');
  box.setAttribute('aria-expanded', 'false');
  box.setAttribute('aria-controls', list.id);
  box.addEventListener('keydown', onKey);
  box.addEventListener('click', open);
  box.addEventListener('blur', () => close());
  box.addEventListener('input', () => close(true)); // typing keeps what is typed
  // The focus stays in the box while the mouse works the list.
  for (const element of [list, drop]) element.addEventListener('mousedown', (event) => event.preventDefault());
  drop.addEventListener('click', () => {
    box.focus();
    (list.hidden ? open : close)();
  });
  list.addEventListener('click', (event) => {
    const option = event.target.closest('[role=option]');
    if (!option) return;
    const [entry] = bridge.savedGames(Number(option.dataset.index), 1);
    close(true);
    box.value = entry;
    bridge.send('pick', entry);
  });
  list.addEventListener('scroll', () => {
    const { ratio } = geometry();
    // The player's own scrolling; the page's own (reveal) keeps its offset to the pixel.
    if (Math.abs(list.scrollTop * ratio - offset) >= ratio) offset = list.scrollTop * ratio;
    render();
  });
}

// The box keeps what the player typed or picked with the arrows until the program writes
// it, fills the list afresh or the window comes up.
export function draw(state, comingUp) {
  const refill = state.listVersion !== version || comingUp;
  if (refill) {
    version = state.listVersion;
    count = state.listCount;
    active = -1;
    offset = 0;
    close(true);
  }
  if ((refill || state.combo !== drawnCombo) && box.value !== state.combo) box.value = state.combo;
  drawnCombo = state.combo;
  if (state.window !== 'reload') close(true);
}
