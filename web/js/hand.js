// The layout for the hand: on a narrow or short screen, or under a coarse pointer, the
// windows are laid out for a thumb (page.css places the controls, the board across the
// screen), and a swipe on the board slides a tile as the arrow key of its way does. Only
// place and size change: the controls, their names and their order are the windows' own.
import * as bridge from './bridge.js';

const HAND = matchMedia('(max-width: 599px), (max-height: 479px), (pointer: coarse)');
const MARGIN = 8;
const SWIPE_PX = 24; // shorter, a finger's move is a tap
const root = document.documentElement;

export const inHand = () => HAND.matches;
export const onChange = (listener) => HAND.addEventListener('change', listener);

// The board's side: at least 85 % of the screen's narrow side, as much as the commands
// beside it (landscape) or below it (portrait) leave.
function boardSide(width, height) {
  const narrow = Math.min(width, height);
  if (width > height) return Math.floor(Math.min(height - 2 * MARGIN, width / 2));
  const below = 430; // the title, the boxes, the note, the commands and the notices
  return Math.floor(Math.min(width - 2 * MARGIN, 640, Math.max(0.86 * narrow, height - below)));
}

// Lays the page out for the hand or not; for the hand, the board's side and where its
// cells are (`shape`, the board's outline, drawn by page.css) for the tiles to stand on.
export function layOut(hand, main, shape) {
  root.classList.toggle('hand', hand);
  if (!hand) return;
  const width = root.clientWidth;
  const height = window.innerHeight;
  root.classList.toggle('landscape', width > height);
  root.style.setProperty('--board', `${boardSide(width, height)}px`);
  if (main.hidden) return;
  main.style.setProperty('--board-x', `${shape.offsetLeft}px`);
  main.style.setProperty('--board-y', `${shape.offsetTop}px`);
  main.style.setProperty('--cell', `${shape.offsetWidth / 4}px`);
}

// A swipe that starts on a tile sends the arrow of its way: up, and the tile below the
// empty cell moves up. A touch that does not move is the tile's tap, sent as its lifting
// ends (`tap`): the browser may make no click of a tap that comes right after a swipe. The
// click that may follow either is not sent again.
export function listenForSwipes(board, isTile, tap) {
  let start = null;
  let handled = null; // the tile whose click is the gesture's, when it comes
  board.addEventListener('pointerdown', (event) => {
    handled = null;
    start = isTile(event.target) && event.isPrimary ? { x: event.clientX, y: event.clientY, tile: event.target } : null;
  });
  board.addEventListener('pointerup', (event) => {
    if (!start || !event.isPrimary) return;
    const { x, y, tile } = start;
    const dx = event.clientX - x;
    const dy = event.clientY - y;
    start = null;
    if (Math.max(Math.abs(dx), Math.abs(dy)) < SWIPE_PX) {
      if (event.pointerType === 'mouse') return; // a click
      tap(tile);
      handled = tile;
    } else {
      handled = tile;
      if (Math.abs(dx) > Math.abs(dy)) bridge.send(dx > 0 ? 'right' : 'left');
      else bridge.send(dy > 0 ? 'down' : 'up');
    }
    setTimeout(() => { handled = null; }, 1000);
  });
  board.addEventListener('pointercancel', () => { start = null; });
  board.addEventListener('click', (event) => {
    if (handled === null || event.target !== handled) return;
    handled = null;
    event.stopPropagation();
  }, true);
}
