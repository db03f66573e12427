// The page's windows around the game: the splash, the menu bar, the client
// area with its canvas, labels and move buttons, the options panel and the
// dialogs. It turns the page's events into the game's calls (web_main.cpp)
// and carries out what the game asks (web/page_library.js). No framework:
// the page is small, and every control is a plain element of index.html.

var TWIPS_PER_PX = 15;  // at a zoom of 100 %, the desktop's geometry at 96 DPI
var SHUFFLE_WAIT_MS = 250;
var SPLASH_MS = 1500;
var MES = ['lblMes0', 'lblMes1', 'lblMes2', 'lblMes3'];

function byId(id) { return document.getElementById(id); }
// Twips to CSS pixels, a half upwards, as the desktop places its controls.
function px(twips) { return Math.floor(twips / TWIPS_PER_PX + 0.5); }

function withText(text, call) {
  var size = lengthBytesUTF8(text) + 1;
  var pointer = _malloc(size);
  stringToUTF8(text, pointer, size);
  try { return call(pointer); } finally { _free(pointer); }
}

var Page = {
  ready: false,
  started: false,
  splashOver: false,
  clock: 0,
  wait: 0,
  stepHeld: false,
  image: null,
  imageAt: 0,
  dpr: 1,
  audio: null,
  clickBuffer: null,
  clickBytes: null,
  clickWanted: false,
  messages: [],
  afterMessages: [],
  gameNumber: '',
  addressRead: false,
  inputDone: null,

  // ---------------------------------------------------------------- start-up

  start: function () {
    Page.client = byId('client');
    Page.canvas = byId('net-canvas');
    Page.context = Page.canvas.getContext('2d', {alpha: false});
    Page.net = byId('net');
    Page.pixels = byId('pixels');
    Page.bindMenus();
    Page.bindClient();
    Page.bindOptions();
    Page.bindDialogs();
    Page.loadClick();
    new ResizeObserver(function () { Page.resized(); }).observe(Page.client);
    Page.watchRatio();
  },

  // The splash stays 1.5 s, then the main window shows, empty.
  showSplash: function () {
    byId('main').hidden = true;
    byId('splash').hidden = false;
    Page.splashOver = false;
    setTimeout(function () {
      Page.splashOver = true;
      Page.showMain();
    }, SPLASH_MS);
  },
  // Once the splash's time is up and the game's module runs.
  showMain: function () {
    if (!Page.splashOver || !Page.ready || !byId('main').hidden) return;
    byId('splash').hidden = true;
    byId('main').hidden = false;
    if (!Page.started) {
      Page.started = true;
      Page.start();
    }
    Page.resized();
    Page.net.focus({preventScroll: true});
    // A link with a game number starts that game, once the page is shown.
    if (!Page.addressRead) {
      Page.addressRead = true;
      Page.startFromAddress();
    }
  },

  watchRatio: function () {
    var query = matchMedia('(resolution: ' + devicePixelRatio + 'dppx)');
    query.addEventListener('change', function () {
      Page.resized();
      Page.watchRatio();
    }, {once: true});
  },

  resized: function () {
    if (!Page.started || byId('main').hidden) return;
    var dpr = devicePixelRatio || 1;
    // The image's pixels on whole device pixels of the screen, whatever
    // the menu bar's height at this ratio.
    var rect = Page.client.getBoundingClientRect();
    var dx = (Math.ceil(rect.left * dpr - 1e-6) - rect.left * dpr) / dpr;
    var dy = (Math.ceil(rect.top * dpr - 1e-6) - rect.top * dpr) / dpr;
    Page.pixels.style.transform = 'translate(' + dx + 'px,' + dy + 'px)';
    Page.dpr = dpr;
    _tessaro_resize(Page.client.clientWidth, Page.client.clientHeight, dpr);
  },

  // ---------------------------------------------------------------- drawing

  paint: function (pointer, width, height, left, top, right, bottom) {
    var canvas = Page.canvas;
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      Page.image = null;
    }
    canvas.style.width = (width / Page.dpr) + 'px';
    canvas.style.height = (height / Page.dpr) + 'px';
    var image = Page.image;
    if (!image || image.data.buffer !== HEAPU8.buffer || Page.imageAt !== pointer) {
      image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pointer, width * height * 4), width, height);
      Page.image = image;
      Page.imageAt = pointer;
    }
    Page.context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
  },

  // The move buttons as real buttons over the drawn ones: screen readers
  // name and press them, the keys move between them.
  setButtons: function (list, side) {
    var net = Page.net;
    while (net.firstChild) net.removeChild(net.firstChild);
    var size = px(side) + 'px';
    list.split('\n').forEach(function (line) {
      if (!line) return;
      var fields = line.split(' ');
      var button = document.createElement('button');
      button.type = 'button';
      button.className = 'move';
      button.tabIndex = -1;
      button.dataset.kind = fields[0];
      button.dataset.line = fields[1];
      button.style.left = px(+fields[2]) + 'px';
      button.style.top = px(+fields[3]) + 'px';
      button.style.width = size;
      button.style.height = size;
      button.textContent = fields.slice(4).join(' ');
      net.appendChild(button);
    });
  },

  setNetDescription: function (text) { byId('net-description').textContent = text; },

  // The keyboard's mark: white against the button, black outside it, an
  // eighth of the button wide each, in whole device pixels.
  focusMark: function (left, top, right, bottom, kind, line) {
    var mark = byId('mark');
    if (right <= left) {
      mark.hidden = true;
      return;
    }
    var dpr = Page.dpr;
    var t = Math.max(1, Math.floor((right - left + 4) / 8));
    var outer = mark.style, inner = mark.firstElementChild.style;
    outer.left = (left - 2 * t) / dpr + 'px';
    outer.top = (top - 2 * t) / dpr + 'px';
    outer.borderWidth = inner.borderWidth = t / dpr + 'px';
    inner.width = (right - left) / dpr + 'px';
    inner.height = (bottom - top) / dpr + 'px';
    mark.hidden = false;
    var button = Page.net.querySelector('button[data-kind="' + kind + '"][data-line="' + line + '"]');
    if (button && Page.netHasKeys()) button.focus({preventScroll: true});
  },

  // ---------------------------------------------------------------- labels

  label: function (index) { return byId(MES[index]); },
  placeLabel: function (index, left, top) {
    var l = Page.label(index);
    l.style.left = px(left) + 'px';
    l.style.top = px(top) + 'px';
    l.textContent = '';
    l.classList.remove('shown');
  },
  setLabelText: function (index, text) { Page.label(index).textContent = text; },
  labelWidth: function (index) { return Page.label(index).offsetWidth * TWIPS_PER_PX; },
  setLabelVisible: function (index, visible) { Page.label(index).classList.toggle('shown', visible); },
  showNotice: function (left, top, text) {
    var l = Page.label(3);
    l.style.left = px(left) + 'px';
    l.style.top = px(top) + 'px';
    l.textContent = text;
    l.classList.add('shown');
  },

  // ---------------------------------------------------------------- the game's requests

  setPointer: function (shape) {
    document.body.classList.toggle('busy', shape === 1);
    document.body.classList.toggle('invisible-pointer', shape === 2);
  },
  optionChecked: function (index) { return byId('chkOption' + index).checked; },

  // The waits of a shown shuffle and of the demonstration. A wait that
  // comes due while a dialog is open is held until the last one closes.
  startWait: function (kind) {
    Page.stopWait();
    var now = Date.now();
    var ms = kind === 0 ? SHUFFLE_WAIT_MS : (Math.floor(now / 1000) + 2) * 1000 - now;
    Page.wait = setTimeout(Page.waitOver, ms);
  },
  stopWait: function () {
    clearTimeout(Page.wait);
    Page.wait = 0;
    Page.stepHeld = false;
  },
  waitOver: function () {
    Page.wait = 0;
    if (Page.modalOpen()) Page.stepHeld = true;
    else _tessaro_step();
  },

  setClock: function (enabled) {
    clearInterval(Page.clock);
    Page.clock = enabled ? setInterval(function () { _tessaro_tick(); }, 1000) : 0;
  },

  setGameMenus: function (enabled) {
    ['mnuGame', 'mnuOption'].forEach(function (id) { byId(id).disabled = !enabled; });
    if (!enabled) Page.closeMenus();
    Page.updateCopyNumber();
  },

  // ---------------------------------------------------------------- game numbers

  // The game on the net has this number, or none (''): Copy game number is
  // on while it has one and the Game menu is, and the page's address ends
  // in it, so that the address is a link to that game.
  // (An address the page opened with is left alone until a game starts.)
  setGameNumber: function (text) {
    var changed = text !== Page.gameNumber;
    Page.gameNumber = text;
    Page.updateCopyNumber();
    if (changed) Page.putNumberInAddress();
  },
  putNumberInAddress: function () {
    var fragment = Page.gameNumber ? '#' + Page.gameNumber : '';
    if (location.hash !== fragment) {
      history.replaceState(history.state, '', fragment || location.pathname + location.search);
    }
  },
  updateCopyNumber: function () {
    byId('mnuCopyNumber').disabled = !Page.gameNumber || byId('mnuGame').disabled;
  },
  // What follows the address's "#", as the player wrote it.
  addressNumber: function () {
    var text = location.hash.slice(1);
    try {
      return decodeURIComponent(text);
    } catch (e) {
      return text;
    }
  },
  // The game of the address: at the page's opening, and when the player
  // follows a link or changes the address while the page is open.
  startFromAddress: function () {
    var text = Page.addressNumber();
    if (!text || text === Page.gameNumber) return;
    // As the menu entry: not while the demonstration has the Game menu.
    if (byId('mnuGame').disabled) {
      Page.putNumberInAddress();
      return;
    }
    Page.startFromNumber(text);
  },
  // A text that is no game number is told, and the address stays as it is.
  startFromNumber: function (text) {
    Page.net.focus({preventScroll: true});
    if (withText(text, function (t) { return _tessaro_start_from_number(t); })) Page.putNumberInAddress();
  },
  askNumber: function () {
    Page.openInput(Page.text(24), Page.text(25), Page.startFromNumber);
  },
  copyNumber: function () {
    var text = Page.gameNumber;
    if (!text || byId('mnuCopyNumber').disabled) return;
    var copied = function () { _tessaro_number_copied(); };
    // Where the clipboard cannot be written (an address without HTTPS, a
    // refusal), the selection is copied; failing that, the number is shown
    // to be copied by hand.
    var bySelection = function () {
      if (Page.copyBySelection(text)) copied();
      else Page.message(text);
    };
    if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(text).then(copied, bySelection);
    } else {
      bySelection();
    }
  },
  copyBySelection: function (text) {
    var box = document.createElement('textarea');
    box.value = text;
    box.readOnly = true;
    box.className = 'unseen';
    var back = document.activeElement;
    document.body.appendChild(box);
    box.select();
    var done = false;
    try {
      done = document.execCommand('copy');
    } catch (e) {
      done = false;
    }
    document.body.removeChild(box);
    if (back && back.focus) back.focus({preventScroll: true});
    return done;
  },

  showDemoPointer: function (size) {
    var pointer = byId('demo-pointer');
    pointer.style.width = pointer.style.height = px(size) + 'px';
    pointer.hidden = false;
  },
  moveDemoPointer: function (left, top) {
    var pointer = byId('demo-pointer');
    pointer.style.left = px(left) + 'px';
    pointer.style.top = px(top) + 'px';
  },
  hideDemoPointer: function () { byId('demo-pointer').hidden = true; },

  // Told once, without moving the focus; the same text twice is told twice.
  announce: function (text) {
    var region = byId('announcer');
    region.textContent = '';
    requestAnimationFrame(function () { region.textContent = text; });
  },

  // ---------------------------------------------------------------- sound

  loadClick: function () {
    fetch('Click.wav').then(function (response) { return response.arrayBuffer(); })
        .then(function (bytes) { Page.clickBytes = bytes; Page.unlockAudio(Page.unlocked); })
        .catch(function () {});
  },
  // Browsers let a page sound only after a press: the first one unlocks it.
  unlockAudio: function (pressed) {
    Page.unlocked = Page.unlocked || pressed;
    if (Page.audio || !Page.clickBytes || !Page.unlocked) return;
    try {
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      Page.audio = new Context();
      Page.audio.decodeAudioData(Page.clickBytes.slice(0)).then(function (buffer) {
        Page.clickBuffer = buffer;
        if (Page.clickWanted) Page.playClick();
      }).catch(function () {});
    } catch (e) {
      Page.audio = null;
    }
  },
  playClick: function () {
    Page.clickWanted = false;
    try {
      if (!Page.clickBuffer) {
        Page.clickWanted = !!Page.audio;
        return;
      }
      if (Page.audio.state === 'suspended') Page.audio.resume();
      var source = Page.audio.createBufferSource();
      source.buffer = Page.clickBuffer;
      source.connect(Page.audio.destination);
      source.start();
    } catch (e) {
      // No sound where the browser gives none; the move is made anyway.
    }
  },

  // ---------------------------------------------------------------- storage

  storageGet: function (name) {
    try {
      return {ok: true, text: window.localStorage.getItem(name)};
    } catch (e) {
      return {ok: false, text: null};
    }
  },
  storageSet: function (name, text) {
    try {
      window.localStorage.setItem(name, text);
      return true;
    } catch (e) {
      return false;
    }
  },

  // ---------------------------------------------------------------- client area

  bindClient: function () {
    var client = Page.client;
    client.addEventListener('pointerdown', function (event) {
      Page.unlockAudio(true);
      if (!Page.onNet(event.target)) return;
      event.preventDefault();
      Page.closeMenus();
      // While the options panel is open the keys stay with it; the press
      // still moves.
      if (byId('options').hidden) Page.net.focus({preventScroll: true});
      var rect = client.getBoundingClientRect();
      // Any button of the mouse, a pen or a finger: a press.
      _tessaro_press((event.clientX - rect.left) * TWIPS_PER_PX, (event.clientY - rect.top) * TWIPS_PER_PX);
    });
    client.addEventListener('contextmenu', function (event) {
      if (Page.onNet(event.target)) event.preventDefault();
    });
    // A screen reader's press on a button, or a click without a pointer.
    Page.net.addEventListener('click', function (event) {
      var button = event.target.closest('button.move');
      if (!button || event.detail !== 0) return;
      _tessaro_press_button(+button.dataset.kind, +button.dataset.line);
    });
    document.addEventListener('keydown', Page.keyDown);
    document.addEventListener('keyup', function (event) {
      if (event.key === ' ' && Page.netHasKeys()) event.preventDefault();
    });
  },

  // The surface itself: not a label, the options panel or the smiley.
  onNet: function (target) {
    return target === Page.client || target === Page.canvas || Page.pixels.contains(target) ||
        Page.net.contains(target);
  },

  netHasKeys: function () {
    var active = document.activeElement;
    return !Page.modalOpen() && (active === Page.net || Page.net.contains(active) || active === document.body);
  },

  keyDown: function (event) {
    Page.unlockAudio(true);
    if (event.key === 'F1') event.preventDefault();  // the game's help, never the browser's
    if (Page.modalOpen()) return;  // the open dialog has the keys
    if (Page.menuKey(event)) return;
    if (!Page.started || byId('main').hidden) return;
    // F1 wherever the keys are (the menu bar among them) but in the options
    // panel, which keeps them.
    if (event.key === 'F1') {
      if (!byId('options').contains(document.activeElement)) Page.openHelp();
      return;
    }
    if (!Page.netHasKeys()) return;
    var active = document.activeElement;
    var plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    var arrows = {ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3};
    // The letter the key types, as the desktop reads it, so that Z and Y are
    // where the keyboard's layout has them (a German one swaps them).
    var letter = event.key.length === 1 ? event.key.toLowerCase() : '';
    if (letter === 's' && event.shiftKey && plain) {
      event.preventDefault();
      Page.practiceCommand();
    } else if (letter === 'z') {
      event.preventDefault();
      _tessaro_undo();
    } else if (letter === 'y') {
      // Y with any modifier keys, as Z: Ctrl+Y among them.
      event.preventDefault();
      _tessaro_redo();
    } else if (event.key === 'Escape') {
      _tessaro_finish_demo();
    } else if (event.key in arrows) {
      event.preventDefault();
      if (active !== Page.net && !Page.net.contains(active)) Page.net.focus({preventScroll: true});
      _tessaro_arrow(arrows[event.key]);
    } else if (event.key === ' ' || event.key === 'Enter') {
      event.preventDefault();
      _tessaro_press_marked();
    }
  },

  // ---------------------------------------------------------------- menus

  bindMenus: function () {
    byId('mnuGame').addEventListener('click', function () { Page.toggleGameMenu(); });
    byId('mnuStart').addEventListener('click', function () { Page.closeMenus(); Page.newGame(); });
    byId('mnuStartFromNumber').addEventListener('click', function () { Page.closeMenus(); Page.askNumber(); });
    byId('mnuCopyNumber').addEventListener('click', function () { Page.closeMenus(); Page.copyNumber(); });
    byId('mnuRecords').addEventListener('click', function () { Page.closeMenus(); Page.openRecords(); });
    byId('mnuHelp').addEventListener('click', function () { Page.closeMenus(); Page.openHelp(); });
    byId('mnuQuit').addEventListener('click', function () { Page.closeMenus(); Page.quit(); });
    byId('mnuOption').addEventListener('click', function () { Page.closeMenus(); Page.openOptions(); });
    byId('mnuAbout').addEventListener('click', function () { Page.closeMenus(); Page.openAbout(); });
    document.addEventListener('pointerdown', function (event) {
      if (!byId('menubar').contains(event.target)) Page.closeMenus();
    });
  },
  toggleGameMenu: function (focusFirst) {
    var popup = byId('mnuGame-popup');
    if (!popup.hidden) {
      Page.closeMenus();
      return;
    }
    popup.hidden = false;
    byId('mnuGame').setAttribute('aria-expanded', 'true');
    if (focusFirst) byId('mnuStart').focus();
  },
  closeMenus: function () {
    var popup = byId('mnuGame-popup');
    if (popup.hidden) return;
    var inside = popup.contains(document.activeElement);
    popup.hidden = true;
    byId('mnuGame').setAttribute('aria-expanded', 'false');
    if (inside) Page.net.focus({preventScroll: true});
  },
  // Alt and the access key opens a menu; in the open Game menu the access
  // keys choose, the arrows walk, Esc closes it.
  menuKey: function (event) {
    var key = event.key;
    var code = event.code;
    if (event.altKey && !event.ctrlKey && !event.metaKey) {
      var chosen = {KeyG: 'mnuGame', KeyO: 'mnuOption', KeyA: 'mnuAbout'}[code];
      if (!chosen) return false;
      event.preventDefault();
      if (byId(chosen).disabled) return true;
      if (chosen === 'mnuGame') Page.toggleGameMenu(true);
      else byId(chosen).click();
      return true;
    }
    var popup = byId('mnuGame-popup');
    if (!popup.hidden && popup.contains(document.activeElement)) {
      // The arrows pass over the entries that are off, as a menu does.
      var items = Array.prototype.filter.call(popup.querySelectorAll('[role=menuitem]'),
                                              function (item) { return !item.disabled; });
      var at = items.indexOf(document.activeElement);
      var pick = {KeyS: 'mnuStart', KeyN: 'mnuStartFromNumber', KeyC: 'mnuCopyNumber', KeyR: 'mnuRecords',
                  KeyH: 'mnuHelp', KeyQ: 'mnuQuit'}[code];
      event.preventDefault();
      if (pick) byId(pick).click();
      else if (key === 'ArrowDown') items[(at + 1) % items.length].focus();
      else if (key === 'ArrowUp') items[(at + items.length - 1) % items.length].focus();
      else if (key === 'Escape' || key === 'ArrowLeft' || key === 'ArrowRight' || key === 'Tab') Page.closeMenus();
      else if (key === 'Enter' || key === ' ') document.activeElement.click();
      return true;
    }
    var bar = byId('menubar');
    if (bar.contains(document.activeElement) && (key === 'ArrowLeft' || key === 'ArrowRight')) {
      var top = [byId('mnuGame'), byId('mnuOption'), byId('mnuAbout')];
      var here = top.indexOf(document.activeElement);
      top[(here + (key === 'ArrowRight' ? 1 : top.length - 1)) % top.length].focus();
      event.preventDefault();
      return true;
    }
    if (document.activeElement === byId('mnuGame') && key === 'ArrowDown') {
      event.preventDefault();
      Page.toggleGameMenu(true);
      return true;
    }
    return false;
  },

  newGame: function () {
    var seed = new Uint32Array(2);
    crypto.getRandomValues(seed);
    Page.net.focus({preventScroll: true});
    _tessaro_new_game(seed[0], seed[1]);
    Page.putNumberInAddress();
  },

  // A page cannot close its tab: Quit ends the game and the page starts
  // over as it opened, with the splash.
  quit: function () {
    Page.stopWait();
    Page.setClock(false);
    byId('options').hidden = true;
    MES.forEach(function (id) {
      byId(id).classList.remove('shown');
      byId(id).textContent = '';
    });
    Page.setGameNumber('');
    Page.putNumberInAddress();
    Page.hideDemoPointer();
    Page.setPointer(0);
    Page.setGameMenus(true);
    _tessaro_quit();
    Page.showSplash();
  },

  // ---------------------------------------------------------------- options panel

  bindOptions: function () {
    var panel = byId('options');
    panel.addEventListener('submit', function (event) {
      event.preventDefault();
      Page.optionsOk();
    });
    byId('cmdCancel').addEventListener('click', function () { Page.closeOptions(); });
    panel.addEventListener('keydown', function (event) {
      if (event.ctrlKey || event.altKey || event.metaKey || event.key !== 'Escape') return;
      event.preventDefault();
      event.stopPropagation();
      Page.closeOptions();
    });
    [byId('cmbOption0'), byId('cmbOption1')].forEach(function (box) {
      // The arrow keys step on from the value shown; one the list lacks
      // steps down to the list's first entry, and up stays.
      box.addEventListener('keydown', function (event) {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        var entries = Array.prototype.map.call(box.list.options, function (o) { return o.value; });
        var at = entries.indexOf(box.value);
        var next = event.key === 'ArrowDown' ? (at < 0 ? 0 : Math.min(at + 1, entries.length - 1)) :
                                               (at < 0 ? -1 : Math.max(at - 1, 0));
        event.preventDefault();
        if (next >= 0) box.value = entries[next];
        box.select();
      });
    });
  },
  openOptions: function () {
    byId('options').hidden = false;
    _tessaro_options_open();
    var box = byId('cmbOption0');
    box.focus();
    box.select();
  },
  fillOptions: function (blockCount, word, showShuffle) {
    byId('cmbOption0').value = blockCount;
    if (word !== null) byId('cmbOption1').value = word;
    byId('chkOption0').checked = showShuffle;
  },
  optionsOk: function () {
    var blocks = byId('cmbOption0').value, difficulty = byId('cmbOption1').value;
    var shuffle = byId('chkOption0').checked ? 1 : 0;
    var closes = withText(blocks, function (b) {
      return withText(difficulty, function (d) { return _tessaro_options_ok(b, d, shuffle); });
    });
    if (closes) {
      Page.closeOptions();
    } else {
      byId('cmbOption0').focus();
      byId('cmbOption0').select();
    }
  },
  closeOptions: function () {
    byId('options').hidden = true;
    Page.net.focus({preventScroll: true});
  },

  // ---------------------------------------------------------------- dialogs

  bindDialogs: function () {
    ['about', 'records', 'help', 'congratulations', 'input-box', 'message-box'].forEach(function (id) {
      var dialog = byId(id);
      dialog.addEventListener('close', function () { Page.dialogClosed(dialog); });
    });
    // Only its button ends the game: Esc does not close it.
    byId('congratulations').addEventListener('cancel', function (event) { event.preventDefault(); });
    byId('cmdCongratulationsOK').addEventListener('click', function () {
      byId('congratulations').close();
      _tessaro_congratulations_closed();
    });
    byId('cmdAboutOK').addEventListener('click', function () { byId('about').close(); });
    byId('cmdSysInfo').addEventListener('click', function () {
      Page.message(byId('sysinfo-unavailable').textContent);
    });
    byId('about').addEventListener('keydown', function (event) {
      if (event.altKey && event.code === 'KeyS') {
        event.preventDefault();
        byId('cmdSysInfo').click();
      }
    });
    byId('cmdRecordsClose').addEventListener('click', function () { byId('records').close(); });
    byId('cmdMessageOK').addEventListener('click', function () { byId('message-box').close(); });
    byId('cmdHelpClose').addEventListener('click', function () { byId('help').close(); });
    byId('input-form').addEventListener('submit', function (event) {
      event.preventDefault();
      var text = byId('input-text').value;
      var done = Page.inputDone;
      byId('input-box').close();
      if (done) done(text);
    });
    byId('cmdInputCancel').addEventListener('click', function () { byId('input-box').close(); });
  },

  // Modal: the page behind takes no input until it closes, and the focus
  // comes back to where it was.
  openDialog: function (dialog, focus) {
    // A message comes first, as the desktop's modal box would; the window
    // opens once it has been read.
    if (dialog.id !== 'message-box' && byId('message-box').open) {
      Page.afterMessages.push(function () { Page.openDialog(dialog, focus); });
      return;
    }
    Page.closeMenus();
    if (!dialog.open) {
      dialog.returnFocus = document.activeElement;
      dialog.showModal();
    }
    Page.fit(dialog);
    if (focus) focus.focus();
  },
  // Whether a window is open; it closes at once, though its close event
  // comes later.
  modalOpen: function () { return document.querySelector('dialog[open]') !== null; },
  dialogClosed: function (dialog) {
    // The close event comes a moment after the window closed: a key pressed
    // meanwhile (Alt+G opening the menu) may have put the focus somewhere
    // already, and there it stays.
    var active = document.activeElement;
    var unplaced = !active || active === document.body || dialog.contains(active);
    var back = dialog.returnFocus;
    var backThere = back && back !== document.body && document.contains(back) && back.focus;
    if (unplaced) (backThere ? back : Page.net).focus({preventScroll: true});
    if (dialog.id === 'message-box') Page.nextMessage();
    if (!Page.modalOpen() && Page.stepHeld) {
      Page.stepHeld = false;
      Page.wait = setTimeout(Page.waitOver, 0);
    }
  },
  // A window made for a screen wider than the page's is kept inside it.
  fit: function (element) {
    element.style.transform = '';
    var room = Math.min(window.innerWidth, document.documentElement.clientWidth);
    var width = element.offsetWidth;
    var scale = Math.min(1, (room - 8) / width);
    var placed = element.classList.contains('placed');
    if (scale < 1) {
      element.style.transformOrigin = placed ? 'top left' : 'top center';
      element.style.transform = 'scale(' + scale + ')';
    }
    if (placed && element.offsetLeft + width * scale > room - 4) {
      element.style.left = Math.max(4, room - 4 - width * scale) + 'px';
    }
  },

  message: function (text) {
    Page.messages.push(text);
    if (!byId('message-box').open) Page.nextMessage();
  },
  nextMessage: function () {
    if (Page.messages.length === 0) {
      var waiting = Page.afterMessages;
      Page.afterMessages = [];
      waiting.forEach(function (open) { open(); });
      return;
    }
    byId('message-text').textContent = Page.messages.shift();
    Page.openDialog(byId('message-box'), byId('cmdMessageOK'));
  },

  showCongratulations: function (left, top) {
    var dialog = byId('congratulations');
    dialog.style.left = px(left) + 'px';
    dialog.style.top = px(top) + 'px';
    Page.openDialog(dialog, byId('cmdCongratulationsOK'));
  },

  openAbout: function () {
    var about = byId('about');
    about.style.left = '';
    Page.openDialog(about, byId('cmdAboutOK'));
  },

  openRecords: function () { _tessaro_records_open(); },
  showRecords: function (rows, status) {
    var body = byId('records-rows');
    while (body.firstChild) body.removeChild(body.firstChild);
    var marked = false;
    rows.split('\n').forEach(function (row) {
      if (!row) return;
      var cells = row.split('\t');
      var tr = document.createElement('tr');
      if (cells[0]) {
        tr.className = 'marked';
        marked = true;
      }
      cells.forEach(function (cell, i) {
        var td = document.createElement('td');
        td.textContent = cell;
        td.className = ['mark', 'blocks', 'moves', 'time', 'number', 'clicks', 'number'][i];
        tr.appendChild(td);
      });
      body.appendChild(tr);
    });
    var any = body.childElementCount > 0;
    byId('records-table').hidden = !any;
    byId('records-empty').hidden = any;
    byId('records-mark').hidden = !marked;
    byId('records-status').textContent = status;
    Page.openDialog(byId('records'), byId('cmdRecordsClose'));
  },

  practiceCommand: function () {
    Page.openInput(Page.text(0), Page.text(1), function (text) {
      withText(text, function (t) { _tessaro_practice(t); });
    });
  },
  // The input box, with its title and prompt; OK hands `done` the text.
  openInput: function (title, prompt, done) {
    byId('input-title').textContent = title;
    byId('input-prompt').textContent = prompt;
    byId('input-text').value = '';
    Page.inputDone = done;
    Page.openDialog(byId('input-box'), byId('input-text'));
  },

  // How to play: the clock runs on while it is open; a shown shuffle or the
  // demonstration waits for it, as for every window.
  openHelp: function () {
    var text = byId('txtHelp');
    Page.openDialog(byId('help'), text);
    text.scrollTop = 0;
  },
};

// A text the game's rooms keep, by number, in the page's language.
Page.text = function (n) { return UTF8ToString(_tessaro_text(n)).split('\r\n').join('\n'); };

// A marked text of the page itself in the page's language, with its pieces
// in place of "%1" to "%9", in one pass.
Page.translate = function (context, source, pieces) {
  var text = withText(context, function (c) {
    return withText(source, function (s) { return UTF8ToString(_tessaro_translate(c, s)); });
  });
  return text.replace(/%([1-9])/g, function (mark, n) { return n <= pieces.length ? pieces[n - 1] : mark; });
};

// A caption whose "&" marks its access key, shown underlined ("&&" is an "&").
Page.setCaption = function (element, text) {
  element.textContent = '';
  for (var i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length && text[i + 1] !== '&') {
      var key = document.createElement('u');
      key.textContent = text[++i];
      element.appendChild(key);
    } else {
      element.appendChild(document.createTextNode(text[i]));
      if (text[i] === '&') ++i;
    }
  }
};

// The language from the browser's preferred ones, by the desktop's rule;
// then every text of the page itself in it.
Page.chooseLanguage = function () {
  var preferred = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ''];
  var english = withText(preferred.join('\n'), function (l) { return _tessaro_use_languages(l); }) === 1;
  document.documentElement.lang = english ? 'en' : 'ja';
  document.querySelectorAll('[data-tr]').forEach(function (e) {
    var pieces = e.dataset.pieces ? e.dataset.pieces.split('|') : [];
    var text = Page.translate(e.dataset.tr, e.dataset.source, pieces);
    if (e.dataset.trAttribute) e.setAttribute(e.dataset.trAttribute, text);
    else if ('mnemonic' in e.dataset) Page.setCaption(e, text);
    else e.textContent = text;
  });
  document.documentElement.classList.remove('choosing-language');
};

// The texts of the page's windows, filled in once the module runs: first
// the language, then each element's text that the game's rooms keep, named
// by number.
function tessaroRuntimeReady() {
  Page.chooseLanguage();
  var text = Page.text;
  document.querySelectorAll('[data-text]').forEach(function (e) { e.textContent = text(+e.dataset.text); });
  // The help's text is the simple markup of the game's own help window.
  document.querySelectorAll('[data-html]').forEach(function (e) { e.innerHTML = text(+e.dataset.html); });
  document.querySelectorAll('[data-label]').forEach(function (e) { e.setAttribute('aria-label', text(+e.dataset.label)); });
  document.querySelectorAll('[data-value]').forEach(function (e) { e.value = text(+e.dataset.value); });
  document.querySelectorAll('[data-entries]').forEach(function (list) {
    text(+list.dataset.entries).split('\n').forEach(function (entry) {
      var option = document.createElement('option');
      option.value = entry;
      list.appendChild(option);
    });
  });
  Page.ready = true;
  Page.showMain();
}

Page.showSplash();
window.addEventListener('hashchange', function () {
  if (Page.started && !byId('main').hidden) Page.startFromAddress();
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(function () {});
}
