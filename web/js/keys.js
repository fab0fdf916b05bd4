// Keys go to the program, which takes those its key table binds in the window up; the
// page keeps those from the browser (the arrows never scroll the page). Every other key
// is the control's own.
import * as bridge from './bridge.js';
import { boxOf, focusBoard } from './windows.js';

export function listen() {
  document.addEventListener('keydown', (event) => {
    if (event.altKey || event.metaKey || event.shiftKey) return;
    const name = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const box = boxOf(event.target);
    if (!bridge.key(name, event.ctrlKey, box, box ? event.target.value : '')) return;
    event.preventDefault();
    if (event.ctrlKey && name === 'n') focusBoard(); // a new game: on to the board
  });
}
