// The page around trellis-web: chooses what to show from the address (?page=gallery, controls,
// lists or demo), sizes the canvas in device pixels (HiDPI screens, resizing, zoom), and
// forwards the pointer, the wheel, the keys, typed text and the clipboard to the interface
// through the functions web/WebEvents.cpp exports.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const keys = document.getElementById('keys');
  const status = document.getElementById('status');
  const page = new URLSearchParams(location.search).get('page') || 'gallery';
  let running = false;
  let pendingCopy = null;  // what the interface copied at the key being handled

  for (const link of document.querySelectorAll('nav a'))
    if (new URL(link.href).searchParams.get('page') === page)
      link.setAttribute('aria-current', 'page');

  function showStatus(text, failed) {
    status.textContent = text;
    status.classList.toggle('failed', !!failed);
  }

  function call(name, ...args) {
    if (running)
      Module['_' + name](...args);
  }

  // The canvas holds one pixel for each device pixel it covers.
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const box = canvas.getBoundingClientRect();
    const width = Math.max(1, Math.round(box.width * ratio));
    const height = Math.max(1, Math.round(box.height * ratio));
    if (canvas.width === width && canvas.height === height)
      return;
    canvas.width = width;
    canvas.height = height;
    call('trellisResize');
  }
  fitCanvas();
  new ResizeObserver(fitCanvas).observe(canvas);
  window.addEventListener('resize', fitCanvas);  // zoom changes the pixel ratio too

  // ---- Pointer and wheel: CSS pixels from the canvas's top-left corner ----

  const buttonNumber = [0, 2, 1];  // the browser's left, middle, right as the interface counts
  const buttonBit = [1, 4, 2];     // and their bits in event.buttons

  function pointAt(event) {
    const box = canvas.getBoundingClientRect();
    call('trellisPointer', event.clientX - box.left, event.clientY - box.top);
  }

  // pointerdown comes for the first button only, pointermove for the others' changes.
  function onPointer(event) {
    pointAt(event);
    if (event.button < 0 || event.button > 2)
      return;
    const down = (event.buttons & buttonBit[event.button]) !== 0;
    if (down) {
      canvas.setPointerCapture(event.pointerId);  // a drag goes on outside the canvas
      keys.focus({preventScroll: true});
    }
    call('trellisButton', buttonNumber[event.button], down ? 1 : 0);
    event.preventDefault();
  }
  for (const type of ['pointerdown', 'pointermove', 'pointerup'])
    canvas.addEventListener(type, onPointer);
  canvas.addEventListener('pointerenter', () => call('trellisPointerInside', 1));
  canvas.addEventListener('pointerleave', () => call('trellisPointerInside', 0));
  // The press stays the interface's: the keys keep their focus, right clicks show no menu.
  canvas.addEventListener('mousedown', (event) => event.preventDefault());
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  const wheelStep = [100, 3, 1];  // one notch in pixels, lines and pages
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    const step = wheelStep[event.deltaMode] || 100;
    pointAt(event);
    call('trellisWheel', event.deltaX / step, -event.deltaY / step);
  }, {passive: false});

  // ---- Keys and typed text, through the hidden text area that has the focus ----

  const namedKeys = {
    Space: 32, Quote: 39, Comma: 44, Minus: 45, Period: 46, Slash: 47, Semicolon: 59,
    Equal: 61, BracketLeft: 91, Backslash: 92, BracketRight: 93, Backquote: 96,
    Escape: 256, Enter: 257, NumpadEnter: 257, Tab: 258, Backspace: 259, Insert: 260,
    Delete: 261, ArrowRight: 262, ArrowLeft: 263, ArrowDown: 264, ArrowUp: 265, PageUp: 266,
    PageDown: 267, Home: 268, End: 269, ShiftLeft: 340, ControlLeft: 341, AltLeft: 342,
    MetaLeft: 343, ShiftRight: 344, ControlRight: 345, AltRight: 346, MetaRight: 347,
  };
  // Keys whose browser action (leaving the page's focus, editing the text area) is not wanted.
  const keptFromBrowser =
      new Set([256, 257, 258, 259, 261, 262, 263, 264, 265, 266, 267, 268, 269]);
  const held = new Set();  // keys pressed and not yet released, as the interface was told

  // A key by where it sits on a US keyboard, numbered as the interface numbers keys.
  function keyNumber(code) {
    if (/^Key[A-Z]$/.test(code))
      return code.charCodeAt(3);
    if (/^Digit[0-9]$/.test(code))
      return code.charCodeAt(5);
    return namedKeys[code];
  }

  keys.addEventListener('keydown', (event) => {
    pendingCopy = null;
    const key = keyNumber(event.code);
    if (key === undefined || event.isComposing)
      return;
    // Ctrl+V waits for the paste event, which carries the browser's text.
    if (key === 86 && (event.ctrlKey || event.metaKey))
      return;
    held.add(key);
    call('trellisKey', key, event.repeat ? 2 : 1);
    if (keptFromBrowser.has(key))
      event.preventDefault();
  });
  keys.addEventListener('keyup', (event) => {
    const key = keyNumber(event.code);
    if (held.delete(key))
      call('trellisKey', key, 0);
  });
  // Leaving the page releases what was held: its releases would never come.
  keys.addEventListener('blur', () => {
    for (const key of held)
      call('trellisKey', key, 0);
    held.clear();
  });

  // Typed text, from the keyboard or an input method, one character at a time.
  function sendTyped() {
    const text = keys.value;
    keys.value = '';
    for (const character of text)
      call('trellisChar', character.codePointAt(0));
  }
  keys.addEventListener('input', (event) => {
    if (!event.isComposing)
      sendTyped();
  });
  keys.addEventListener('compositionend', sendTyped);

  // ---- The clipboard: the browser's copy, cut and paste events ----

  function putCopy(event) {
    if (pendingCopy === null)
      return;
    event.clipboardData.setData('text/plain', pendingCopy);
    event.preventDefault();
    pendingCopy = null;
  }
  keys.addEventListener('copy', putCopy);
  keys.addEventListener('cut', putCopy);
  keys.addEventListener('paste', (event) => {
    event.preventDefault();
    if (!running)
      return;
    const text = event.clipboardData.getData('text/plain');
    const size = Module.lengthBytesUTF8(text) + 1;
    const bytes = Module._malloc(size);
    Module.stringToUTF8(text, bytes, size);
    Module._trellisPaste(bytes);
    Module._free(bytes);
  });

  // ---- The module ----

  window.Module = {
    canvas,
    arguments: [page],
    print: (text) => console.log(text),
    printErr: (text) => {
      console.error(text);
      showStatus(text, true);
    },
    setStatus: (text) => {
      if (text)
        showStatus(text);
    },
    onAbort: (what) => {
      document.body.dataset.trellis = 'stopped';
      showStatus('Stopped: ' + what, true);
    },
    trellisCopied: (text) => {
      pendingCopy = text;
    },
    // Scripts on the page (the tests) wait for data-trellis="running" on the body.
    postRun: [() => {
      running = true;
      document.body.dataset.trellis = 'running';
      fitCanvas();
      call('trellisResize');
      keys.focus({preventScroll: true});
      if (!status.classList.contains('failed'))
        showStatus('Tab moves the focus; drag windows by their titles');
    }],
  };
})();
