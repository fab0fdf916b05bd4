// A window's control made from its layout: its kind, caption, place in twips, font,
// colours and accessible name. The windows are drawn at 96 dots per inch.
export const TWIPS_PER_PIXEL = 15;

export const px = (twips) => `${twips / TWIPS_PER_PIXEL}px`;
export const rgb = (c) => `rgb(${c[0]}, ${c[1]}, ${c[2]})`;
// The font as variables: page.css sets it whole where the windows are drawn from their
// layouts, and only its family and style where they are laid out for the hand.
const setFont = (element, f) => {
  const families = f.family === 'Courier New' ? '"Courier New", "Liberation Mono", monospace'
    : 'Arial, "Liberation Sans", "MS Sans Serif", sans-serif';
  const vars = { '--family': families, '--weight': f.bold ? 'bold' : 'normal', '--style': f.italic ? 'italic' : 'normal',
    '--size': `${f.points}pt` };
  for (const [name, value] of Object.entries(vars)) element.style.setProperty(name, value);
};

// A place in twips, as the variables page.css draws the desktop's layout from.
export function setPlace(element, [left, top, width, height]) {
  const place = { '--left': left, '--top': top, '--width': width, '--height': height };
  for (const [name, twips] of Object.entries(place)) if (twips !== undefined) element.style.setProperty(name, px(twips));
}

// The contrast ratio of two colours, as the accessibility guidelines define it.
const luminance = (c) => c.map((v) => {
  const s = v / 255;
  return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
}).reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
const contrast = (a, b) => {
  const [la, lb] = [luminance(a), luminance(b)];
  return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
};

function makeElement(c) {
  // A box of many lines that the player only reads is the Hall of Fame listing.
  switch (c.kind === 'readonly' && c.multiLine ? 'listing' : c.link ? 'link' : c.kind) {
    case 'link': { // the page's contact line, which points to its help page
      const link = document.createElement('a');
      link.textContent = c.caption;
      return link;
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = c.caption;
      return button;
    }
    case 'textbox':
    case 'readonly': {
      const box = document.createElement('input');
      box.type = 'text';
      box.readOnly = c.kind === 'readonly';
      box.spellcheck = false;
      box.autocomplete = 'off';
      box.value = c.caption;
      if (!c.border) box.classList.add('borderless');
      return box;
    }
    case 'combobox': { // its list is saved_games.js's
      const box = document.createElement('input');
      box.type = 'text';
      box.autocomplete = 'off';
      box.spellcheck = false;
      return box;
    }
    case 'listing': { // drawn by drawListing
      const listing = document.createElement('div');
      listing.setAttribute('role', 'region');
      listing.classList.add('listing');
      listing.tabIndex = 0; // so that the keyboard scrolls it
      return listing;
    }
    default: {
      const element = document.createElement('div');
      element.textContent = c.caption;
      element.classList.add(c.kind);
      return element;
    }
  }
}

// The control as its layout describes it.
export function makeControl(c) {
  const element = makeElement(c);
  element.classList.add('control');
  element.dataset.name = c.name;
  setPlace(element, c.rect);
  setFont(element, c.font);
  Object.assign(element.style, {
    textAlign: c.alignment === 'centre' || c.kind === 'button' ? 'center' : c.alignment,
    color: rgb(c.foreground), background: rgb(c.background),
  });
  if (c.kind === 'rectangle') {
    element.style.borderColor = rgb(c.foreground);
    element.setAttribute('role', 'img');
  }
  if (c.kind === 'label') element.style.lineHeight = 'normal';
  if (contrast(c.foreground, c.background) < 4.5) element.classList.add('outlined');
  // A link is called by its words.
  if (c.accessibleName && c.kind !== 'label' && !c.link) element.setAttribute('aria-label', c.accessibleName);
  if (c.kind !== 'label' && c.kind !== 'rectangle' && !c.tabStop && !c.link && element.tabIndex !== 0) element.tabIndex = -1;
  if (!c.visible) {
    // The empty cell's button: unseen, and unused by the handlers, but a screen reader
    // still hears where the empty cell is.
    element.classList.add('blank');
    element.tabIndex = -1;
  }
  return element;
}
