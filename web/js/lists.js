// The Hall of Fame listing and the Reload Game window's list of saved games, drawn from
// the program's state.
let listVersion = -1;
let drawnCombo = null;
let drawnListing = '';

export const setValue = (element, value) => {
  if (element.value !== value) element.value = value;
};

// Up and Down move through the entries without starting one, as on the desktop.
export function bindSavedGameBox(combo, list) {
  combo.addEventListener('keydown', (event) => {
    const entries = [...list.options].map((o) => o.value);
    if ((event.key !== 'ArrowDown' && event.key !== 'ArrowUp') || event.altKey || !entries.length) return;
    event.preventDefault();
    const at = entries.indexOf(combo.value);
    const next = event.key === 'ArrowDown' ? Math.min(at + 1, entries.length - 1) : Math.max(at - 1, 0);
    combo.value = entries[at < 0 ? 0 : next];
  });
}

// The box keeps what the player typed or picked with the arrows until the program writes
// it, fills the list afresh or the window comes up.
export function drawSavedGames(state, combo, list, comingUp) {
  const refill = state.list || comingUp;
  if (state.list) {
    list.replaceChildren(...state.list.map((entry) => new Option(entry, entry)));
    listVersion = state.listVersion;
  }
  if (refill || state.combo !== drawnCombo) setValue(combo, state.combo);
  drawnCombo = state.combo;
}

// The version of the list shown, so that the program sends the list only when it changed.
export const shownListVersion = () => listVersion;

// The Hall of Fame listing as a table: every column starts at its heading on every row,
// whatever the names hold (wide letters, emoji, right-to-left text); one line an entry,
// scrolled where it is wider or taller than its box.
export function drawListing(box, rows) {
  const text = JSON.stringify(rows);
  if (text === drawnListing) return;
  drawnListing = text;
  const table = document.createElement('table');
  rows.forEach((row, r) => {
    const line = table.insertRow();
    row.forEach((cell, column) => {
      const element = document.createElement(r === 0 ? 'th' : 'td');
      if (r === 0) element.scope = 'col';
      if (column === 0) element.dir = 'auto'; // a name in its own direction
      element.textContent = cell;
      line.appendChild(element);
    });
  });
  box.replaceChildren(table);
}
