// The Hall of Fame listing, drawn from the program's state.
let listingVersion = -1;

export const setValue = (element, value) => {
  if (element.value !== value) element.value = value;
};

// The Hall of Fame listing as a table: every column starts at its heading on every row,
// whatever the names hold (wide letters, emoji, right-to-left text); one line an entry,
// scrolled where it is taller than its box. A name too long for its column comes cut by the
// program; the row, and the name's cell when hovered, carry it whole.
export function drawListing(box, state) {
  const rows = state.listing;
  listingVersion = state.listingVersion;
  if (!rows) return;
  const table = document.createElement('table');
  rows.forEach((row, r) => {
    const line = table.insertRow();
    if (r > 0) line.setAttribute('aria-label', row.name);
    row.cells.forEach((cell, column) => {
      const element = document.createElement(r === 0 ? 'th' : 'td');
      if (r === 0) element.scope = 'col';
      if (column === 0) element.dir = 'auto'; // a name in its own direction
      if (column === 0 && r > 0 && cell !== row.name) element.title = row.name;
      element.textContent = cell;
      line.appendChild(element);
    });
  });
  box.replaceChildren(table);
}

// The version of the listing shown, so that the program sends the listing only when it changed.
export const shownVersion = () => listingVersion;
