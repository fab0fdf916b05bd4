// The box the program leaves up, shown as the page's own modal dialog; closing it sends
// the player's answer as the program's next event.
import * as bridge from './bridge.js';
import { restoreFocus } from './windows.js';

const messageBox = document.getElementById('message-box');
const inputBox = document.getElementById('input-box');
const answerField = document.getElementById('input-answer');
let shown = 0; // the number of the box on the screen

// A dialog closed by the player answers the box it shows; closed by the page, nothing.
function answerOnClose(dialog, answer) {
  dialog.addEventListener('close', () => {
    if (dialog.dataset.shown !== String(shown)) return;
    shown = 0;
    if (dialog.returnValue === 'ok') bridge.send('answer', answer());
    else bridge.send('cancel');
    restoreFocus(); // unless another box has come up
  });
}

export function init(captions) {
  for (const button of document.querySelectorAll('dialog button[data-text]')) {
    button.textContent = captions[button.dataset.text];
  }
  document.getElementById('input-cancel').addEventListener('click', () => inputBox.close('cancel'));
  answerOnClose(messageBox, () => '');
  answerOnClose(inputBox, () => answerField.value);
}

function open(dialog, title, text, focus) {
  dialog.querySelector('h2').textContent = title;
  dialog.querySelector('p, label').textContent = text;
  dialog.returnValue = 'cancel';
  dialog.dataset.shown = String(shown); // tells one showing from the next
  dialog.showModal();
  focus.focus();
}

// Shows `box` (the state's) unless it is up already.
export function draw(box) {
  if (!box || box.number === shown) return;
  shown = box.number;
  if (box.kind === 'prompt') {
    answerField.value = '';
    open(inputBox, box.title, box.text, answerField);
  } else {
    // A question's default is Cancel.
    const question = box.kind === 'question';
    const cancel = document.getElementById('message-cancel');
    cancel.hidden = !question;
    open(messageBox, box.title, box.text, question ? cancel : document.getElementById('message-ok'));
  }
}
