// The page's script: it builds the three windows from the layouts the program exports,
// forwards every click, key and timer tick to the program's handlers (page_event), and
// draws the state they leave (page_state). It decides nothing of the game itself.
'use strict';

(() => {
  const TWIPS_PER_PIXEL = 15; // 96 dots per inch
  const RECORDS = '/records';
  const SHIPPED = '/game'; // quarvel.dat, as it ships with the page
  const LOCK_NAME = 'quarvel-orbix-records';

  let layouts = null;
  let started = false;
  let busy = false; // a handler is running (perhaps waiting on a dialog)
  let pendingFocus = null;
  let listVersion = -1;
  let dialogsShown = 0;
  let drawnCombo = null;
  const windows = {}; // window id -> {element, controls: name -> element}
  const tiles = [];
  let named = null; // findNamedControls()

  const px = (twips) => `${twips / TWIPS_PER_PIXEL}px`;
  const rgb = (c) => `rgb(${c[0]}, ${c[1]}, ${c[2]})`;
  const fontOf = (f) => {
    const families = f.family === 'Courier New' ? '"Courier New", "Liberation Mono", monospace'
      : 'Arial, "Liberation Sans", "MS Sans Serif", sans-serif';
    return `${f.italic ? 'italic ' : ''}${f.bold ? 'bold ' : ''}${f.points}pt ${families}`;
  };

  // The contrast ratio of two colours, as the accessibility guidelines define it.
  const luminance = (c) => c.map((v) => {
    const s = v / 255;
    return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
  }).reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
  const contrast = (a, b) => {
    const [la, lb] = [luminance(a), luminance(b)];
    return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
  };

  // ---- Calls into the program ----
  const ccall = (...args) => Module.ccall(...args);
  const json = (name, types = [], values = []) => JSON.parse(ccall(name, 'string', types, values));

  // Runs one event; events arriving while a handler runs are dropped, as on the desktop.
  async function send(name, argument = '') {
    if (!started || busy) return false;
    busy = true;
    document.body.dataset.handling = name; // tells a test when the handler has returned
    let received = 0;
    try {
      received = await ccall('page_event', 'number', ['string', 'string'], [name, String(argument)], { async: true });
    } finally {
      busy = false;
      delete document.body.dataset.handling;
      draw();
    }
    if (heldLength) {
      const held = heldLength;
      heldLength = null;
      deliverLength(held);
    }
    return received === 1;
  }

  // ---- The windows ----
  function makeControl(id, c) {
    let element;
    // A box of many lines that the player only reads is the Hall of Fame listing.
    switch (c.kind === 'readonly' && c.multiLine ? 'listing' : c.kind) {
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = c.caption;
        break;
      case 'textbox':
      case 'readonly':
        element = document.createElement(c.multiLine ? 'textarea' : 'input');
        if (!c.multiLine) element.type = 'text';
        element.readOnly = c.kind === 'readonly';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.value = c.caption;
        if (!c.border) element.classList.add('borderless');
        break;
      case 'combobox': {
        element = document.createElement('input');
        element.type = 'text';
        element.autocomplete = 'off';
        element.setAttribute('list', `${id}-list`);
        const list = document.createElement('datalist');
        list.id = `${id}-list`;
        windows[id].list = list;
        break;
      }
      case 'listing': // drawn by drawListing
        element = document.createElement('div');
        element.setAttribute('role', 'region');
        element.classList.add('listing');
        element.tabIndex = 0; // so that the keyboard scrolls it
        break;
      default:
        element = document.createElement('div');
        element.textContent = c.caption;
        element.classList.add(c.kind);
    }
    element.classList.add('control');
    element.dataset.name = c.name;
    const [left, top, width, height] = c.rect;
    Object.assign(element.style, {
      left: px(left), top: px(top), width: px(width), height: px(height),
      font: fontOf(c.font), textAlign: c.alignment === 'centre' || c.kind === 'button' ? 'center' : c.alignment,
      color: rgb(c.foreground), background: rgb(c.background),
    });
    if (c.kind === 'rectangle') {
      element.style.borderColor = rgb(c.foreground);
      element.setAttribute('role', 'img');
    }
    if (c.kind === 'label') element.style.lineHeight = 'normal';
    if (contrast(c.foreground, c.background) < 4.5) element.classList.add('outlined');
    if (c.accessibleName && c.kind !== 'label') element.setAttribute('aria-label', c.accessibleName);
    if (c.kind !== 'label' && c.kind !== 'rectangle' && !c.tabStop && element.tabIndex !== 0) element.tabIndex = -1;
    if (!c.visible) {
      // The empty cell's button: unseen, and unused by the handlers, but a screen reader
      // still hears where the empty cell is.
      element.classList.add('blank');
      element.tabIndex = -1;
    }
    return element;
  }

  function buildWindow(id) {
    const layout = layouts[id];
    const element = document.createElement('section');
    element.className = 'window';
    element.hidden = true;
    element.setAttribute('aria-label', layout.caption);
    Object.assign(element.style, {
      width: px(layout.width), height: px(layout.height), background: rgb(layout.background),
    });
    windows[id] = { element, controls: {}, layout };
    // In tab order, so that Tab walks the controls as on the desktop.
    const ordered = [...layout.controls].sort((a, b) => a.tabIndex - b.tabIndex);
    for (const c of ordered) {
      const control = makeControl(id, c);
      windows[id].controls[c.name] = control;
      element.appendChild(control);
    }
    if (windows[id].list) element.appendChild(windows[id].list);
    document.getElementById('stage').appendChild(element);
  }

  // The controls the page binds, by what they are.
  function findNamedControls() {
    const names = layouts.named;
    const { main, halloffame, reload } = windows;
    return {
      gameNumberBox: main.controls[names.gameNumberBox],
      clockBox: main.controls[names.clockBox],
      fameListingBox: halloffame.controls[names.fameListingBox],
      fameReturnButton: halloffame.controls[names.fameReturnButton],
      savedGameBox: reload.controls[names.savedGameBox],
      reloadReturnButton: reload.controls[names.reloadReturnButton],
    };
  }

  function bindMainWindow() {
    const { controls } = windows.main;
    for (let k = 0; k < 16; ++k) {
      tiles[k] = controls[`${layouts.named.tiles}(${k})`];
      tiles[k].addEventListener('click', () => send('tile', k));
    }
    for (const name of layouts.commands) controls[name].addEventListener('click', () => send('command', name));
    const { gameNumberBox: gameBox, clockBox } = named;
    gameBox.addEventListener('mousedown', () => send('gameNumberBox'));
    gameBox.addEventListener('input', () => send('type', gameBox.value));
    gameBox.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        send('command', layouts.named.replayButton);
      }
    });
    clockBox.addEventListener('mousedown', (event) => {
      event.preventDefault();
      send('timeBox');
    });
  }

  function bindOtherWindows() {
    named.fameReturnButton.addEventListener('click', () => send('return'));
    named.reloadReturnButton.addEventListener('click', () => send('return'));
    const combo = named.savedGameBox;
    combo.addEventListener('input', (event) => {
      // A choice from the open list starts that game; typing only edits the box.
      if (!event.inputType || event.inputType === 'insertReplacementText') send('pick', combo.value);
    });
    combo.addEventListener('keydown', (event) => {
      const entries = [...windows.reload.list.options].map((o) => o.value);
      if (event.key === 'Enter') {
        event.preventDefault();
        send('pick', combo.value);
      } else if ((event.key === 'ArrowDown' || event.key === 'ArrowUp') && !event.altKey && entries.length) {
        event.preventDefault();
        const at = entries.indexOf(combo.value);
        const next = event.key === 'ArrowDown' ? Math.min(at + 1, entries.length - 1) : Math.max(at - 1, 0);
        combo.value = entries[at < 0 ? 0 : next];
      }
    });
  }

  function onKey(event) {
    if (!started || document.querySelector('dialog[open]')) return;
    const up = visibleWindow();
    const inGameBox = event.target === named.gameNumberBox;
    if (up === 'main') {
      if (event.key.startsWith('Arrow') && !event.altKey && !event.ctrlKey) {
        if (inGameBox) return;
        event.preventDefault(); // the arrows play; they never scroll the page
        send('arrow', event.key);
      } else if (event.ctrlKey && !event.altKey && (event.key === 'n' || event.key === 'N')) {
        event.preventDefault();
        send('command', layouts.named.newGameButton);
      }
      // Ctrl+Q closes the desktop game; a page is closed by the browser.
    } else if (up === 'halloffame' && (event.key === 'Escape' || event.key === 'Enter')) {
      event.preventDefault();
      send('return');
    } else if (up === 'reload' && event.key === 'Escape') {
      event.preventDefault();
      send('return');
    }
  }

  // ---- Download and load of the records ----
  function buildRecordsBar() {
    const bar = document.getElementById('records');
    const chooser = document.createElement('input');
    chooser.type = 'file';
    chooser.hidden = true;
    bar.appendChild(chooser);
    let loading = null;
    chooser.addEventListener('change', async () => {
      const [file] = chooser.files;
      chooser.value = '';
      if (!file || !started || busy) return;
      busy = true; // no other event reaches the program while the file is read
      document.body.dataset.handling = 'load';
      let loaded = 0;
      try {
        // No more than the program reads: a larger file is refused by its size.
        const bytes = new Uint8Array(await file.slice(0, loading.limit + 1).arrayBuffer());
        const data = Module._malloc(Math.max(bytes.length, 1));
        Module.HEAPU8.set(bytes, data);
        loaded = await ccall('page_load_record', 'number', ['string', 'number', 'number'],
          [loading.file, data, file.size], { async: true });
        Module._free(data);
      } finally {
        busy = false;
        delete document.body.dataset.handling;
      }
      // The game starts again over the records as they now stand.
      if (loaded) window.location.reload();
    });
    for (const record of json('page_record_captions')) {
      const download = document.createElement('button');
      download.textContent = record.download;
      download.addEventListener('click', async () => {
        if (!started || busy) return;
        busy = true;
        const ready = await ccall('page_record_ready', 'number', ['string'], [record.file], { async: true });
        busy = false;
        if (!ready) return;
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([Module.FS.readFile(`${RECORDS}/${record.file}`)]));
        link.download = record.file;
        link.click();
        URL.revokeObjectURL(link.href);
      });
      const load = document.createElement('button');
      load.textContent = record.load;
      load.addEventListener('click', () => {
        loading = record;
        chooser.click();
      });
      bar.append(download, load);
    }
  }

  // ---- The shortest-solution note, found by a Web Worker ----
  const SEARCH_LIMIT_MS = 30000; // longer, and the game goes without its note
  let solver = null;
  let searching = null; // the timer of the search under way

  // A length reaches the program between handlers, never inside one.
  let heldLength = null;
  function deliverLength(data) {
    if (busy) {
      heldLength = data;
      return;
    }
    ccall('page_shortest_length', null, ['number', 'number'], [data.tag, data.length]);
    draw();
  }

  function askShortest(request) {
    // A new game's request replaces one still searching, together with its worker.
    if (searching) {
      clearTimeout(searching);
      solver.terminate();
      solver = null;
    }
    if (!solver) {
      solver = new Worker('shortest_worker.js');
      solver.onmessage = ({ data }) => {
        clearTimeout(searching);
        searching = null;
        if (data.length !== null) deliverLength(data);
      };
    }
    solver.postMessage(request);
    searching = setTimeout(() => {
      solver.terminate();
      solver = null;
      searching = null;
    }, SEARCH_LIMIT_MS);
  }

  // ---- Drawing the state ----
  let shownWindow = null;
  let drawnOnce = false;
  const visibleWindow = () => shownWindow;

  function setValue(element, value) {
    if (element.value !== value) element.value = value;
  }

  function draw() {
    const state = json('page_state', ['number'], [listVersion]);
    if (!state) return;
    const main = windows.main.controls;
    state.tiles.forEach((tile, k) => {
      tiles[k].style.left = px(tile.left);
      tiles[k].style.top = px(tile.top);
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
    if (state.solve) askShortest(state.solve);
    for (const [name, enabled] of Object.entries(state.enabled)) main[name].disabled = !enabled;
    drawListing(state.listing);
    // The box keeps what the player typed or picked with the arrows until the program
    // writes it, fills the list afresh or the window comes up.
    const refill = state.list || state.window !== shownWindow;
    if (state.list) {
      const { list } = windows.reload;
      list.replaceChildren(...state.list.map((entry) => new Option(entry, entry)));
      listVersion = state.listVersion;
    }
    if (refill || state.combo !== drawnCombo) setValue(named.savedGameBox, state.combo);
    drawnCombo = state.combo;
    if (state.window !== shownWindow || !drawnOnce) {
      drawnOnce = true;
      for (const [id, w] of Object.entries(windows)) {
        w.element.hidden = id !== state.window;
        w.element.style.visibility = '';
      }
      shownWindow = state.window;
      document.getElementById('records').hidden = state.window !== 'main';
      document.title = layouts[state.window].caption;
      fit();
      const first = { halloffame: named.fameReturnButton, reload: named.savedGameBox };
      if (first[state.window]) first[state.window].focus();
    }
    if (pendingFocus !== null) {
      tiles[pendingFocus].focus();
      pendingFocus = null;
    }
  }

  // The Hall of Fame listing as a table: every column starts at its heading on every row,
  // whatever the names hold (wide letters, emoji, right-to-left text); one line an entry,
  // scrolled where it is wider or taller than its box.
  let drawnListing = '';
  function drawListing(rows) {
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
    named.fameListingBox.replaceChildren(table);
  }

  // The window up, scaled as a whole to the viewport, never wider than it.
  function fit() {
    if (!shownWindow) return;
    const { element, layout } = windows[shownWindow];
    const width = layout.width / TWIPS_PER_PIXEL;
    const height = layout.height / TWIPS_PER_PIXEL;
    const scale = Math.min(document.documentElement.clientWidth / width, window.innerHeight / height, 2);
    element.style.transform = `scale(${scale})`;
    const stage = document.getElementById('stage');
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  }

  // ---- The page's dialogs ----
  function openDialog(dialog, focus) {
    return new Promise((resolve) => {
      const done = (value) => {
        dialog.removeEventListener('close', onClose);
        resolve(value);
      };
      const onClose = () => done(dialog.returnValue);
      dialog.returnValue = 'cancel';
      dialog.dataset.shown = String(++dialogsShown); // tells one showing from the next
      dialog.addEventListener('close', onClose);
      dialog.showModal();
      focus.focus();
    });
  }

  const page = {
    async showMessage(title, message) {
      draw();
      document.getElementById('message-title').textContent = title;
      document.getElementById('message-text').textContent = message;
      await openDialog(document.getElementById('message-box'), document.getElementById('message-ok'));
    },
    async askInput(title, prompt) {
      draw();
      const dialog = document.getElementById('input-box');
      const answer = document.getElementById('input-answer');
      document.getElementById('input-title').textContent = title;
      document.getElementById('input-prompt').textContent = prompt;
      answer.value = '';
      const result = await openDialog(dialog, answer);
      return result === 'ok' ? answer.value : null;
    },
    setBusyPointer(on) {
      document.body.classList.toggle('busy', on);
    },
    focusTile(tile) {
      pendingFocus = tile;
    },
    records: null, // set by start()
  };
  document.getElementById('input-cancel').addEventListener('click', () => document.getElementById('input-box').close('cancel'));

  // ---- Records in the browser's storage ----
  function recordsStorage() {
    const FS = Module.FS;
    let release = null;
    const sync = (populate) => new Promise((resolve) => FS.syncfs(populate, (error) => resolve(error ? 28 : 0))); // ENOSPC
    return {
      // The tabs' lock, held until unlock(); without Web Locks one tab is all there is.
      async lock() {
        if (!navigator.locks) return 0;
        return new Promise((resolve) => {
          navigator.locks.request(LOCK_NAME, () => new Promise((done) => {
            release = done;
            resolve(0);
          })).catch(() => resolve(6)); // ENXIO
        });
      },
      unlock() {
        if (release) release();
        release = null;
      },
      load: () => sync(true),
      save: () => sync(false),
    };
  }

  // Opens the records' storage. It starts as soon as the program's script is read, while
  // the WebAssembly is still compiling; resolves to whether the browser keeps the records.
  async function mountRecords() {
    const FS = Module.FS;
    FS.mkdir(RECORDS);
    try {
      FS.mount(FS.filesystems.IDBFS, {}, RECORDS);
      if (await new Promise((resolve) => FS.syncfs(true, (error) => resolve(!error)))) return true;
    } catch (error) { /* refused */ }
    try { FS.unmount(RECORDS); } catch (error) { /* memory only */ }
    return false;
  }
  let mounting = null;

  // ---- The player's language ----
  // The first of the browser's languages the game has a catalogue for; only that catalogue
  // is fetched now (the service worker keeps the others for later visits). English where
  // there is none, or it cannot be fetched.
  async function useLanguage() {
    const preferred = (navigator.languages || [navigator.language]).join('\n');
    const language = ccall('page_choose_language', 'string', ['string'], [preferred]);
    if (!language) return;
    const folder = `/locale/${language}/LC_MESSAGES`;
    try {
      const response = await fetch(`locale/${language}/LC_MESSAGES/quarvel-orbix.mo`);
      if (!response.ok) return;
      Module.FS.mkdirTree(folder);
      Module.FS.writeFile(`${folder}/quarvel-orbix.mo`, new Uint8Array(await response.arrayBuffer()));
    } catch (error) {
      return;
    }
    if (ccall('page_use_language', 'number', ['string'], [language])) {
      document.documentElement.lang = language.replace('_', '-');
    }
  }

  async function start() {
    // The windows are built while storage opens.
    page.records = recordsStorage();
    await useLanguage();
    layouts = json('page_layouts');
    for (const id of ['main', 'halloffame', 'reload']) buildWindow(id);
    named = findNamedControls();
    const captions = json('page_dialog_captions');
    for (const button of document.querySelectorAll('dialog button[data-text]')) {
      button.textContent = captions[button.dataset.text];
    }
    document.getElementById('records').setAttribute('aria-label', captions.records);
    document.querySelector('link[rel="manifest"]').href = captions.manifest;
    buildRecordsBar();
    bindMainWindow();
    bindOtherWindows();
    document.addEventListener('keydown', onKey);
    window.addEventListener('resize', fit);
    // The main window's first layout (its fonts found, its size taken) is made while
    // storage opens; it is shown once the program has started.
    windows.main.element.style.visibility = 'hidden';
    windows.main.element.hidden = false;
    shownWindow = 'main';
    fit();
    const stored = await mounting;
    busy = true;
    const ok = await ccall('page_start', 'number', ['string', 'string', 'number'], [SHIPPED, RECORDS, stored ? 1 : 0],
      { async: true });
    busy = false;
    if (!ok) return;
    draw();
    if (!stored) {
      busy = true;
      await ccall('page_storage_refused', null, [], [], { async: true });
      busy = false;
    }
    started = true;
    setInterval(() => { if (!busy) send('tick'); }, 1000);
    document.body.dataset.ready = 'true';
    // Offline after this visit; a new version's files replace these on the next one.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('service_worker.js').catch(() => {});
  }

  window.Module = {
    page, preInit: [() => { mounting = mountRecords(); }], onRuntimeInitialized: start, noExitRuntime: true,
  };
})();
