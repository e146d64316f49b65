// The page around the program (platform/web/WebBackend.cpp): it chooses the
// emulated screen, shows the main menu pre-rendered for it at once, loads
// the program, shows its framebuffer in the canvas, queues pointer, key,
// focus and rotation events for the program, shows its message boxes and
// the page it ends on, keeps one running copy per installation and
// registers the service worker that lets the installed page start offline.
"use strict";

const StellarionPage = (() => {
  // The program's event kinds (WebBackend.cpp numbers them the same way).
  const Event = Object.freeze({
    Press: 1, Drag: 2, Release: 3, KeyDown: 4, KeyUp: 5,
    Activate: 6, Deactivate: 7, Screen: 8, ComeForward: 9, Repaint: 10, Type: 11, Wheel: 12,
    Touch: 13, Copy: 14, SaveScreen: 15,
  });
  const InputKinds = new Set([Event.Press, Event.Drag, Event.Release, Event.KeyDown, Event.KeyUp,
                              Event.Type, Event.Wheel, Event.Touch, Event.Copy, Event.SaveScreen]);
  // Typed keys that stand for keys of the on-screen keyboard.
  const TypedKeys = Object.freeze({ Backspace: 8, Enter: 13 });
  const Ending = Object.freeze({ Normally: 0, AlreadyOpen: 1 });
  const KeyCodes = Object.freeze({ ArrowUp: 38, ArrowDown: 40 });
  const MaxScreenSide = 4096;
  // The screens the page chooses from (chooseScreen); the build pre-renders
  // the main menu of each as first-WxH.webp.
  const DoubleScreens = [[480, 640], [640, 480], [480, 480], [480, 800], [800, 480]];
  const SingleScreens = [[240, 320], [320, 240], [240, 240], [240, 400], [400, 240]];
  // Screens that show another screen's first frame and have none of their
  // own: a 2x screen whose main menu is, pixel for pixel, the centre of a
  // longer one's (the build checks each), and every 1x screen, which shows
  // the 2x frame of its shape scaled to half until the program paints.
  const CroppedFrames = Object.freeze({
    "480x640": [480, 800], "640x480": [800, 480],
    "240x320": [480, 800], "320x240": [800, 480], "240x240": [480, 480], "240x400": [480, 800], "400x240": [800, 480],
  });
  const WholeFactorShare = 0.9;
  // How far a finger may land beside a target and still reach it, in CSS
  // pixels (the program finds the target: ForgiveTouch).
  const TouchReach = 12;
  // One lock and one channel per installation: the page's folder on its site.
  const InstanceName = "Stellarion " + new URL(".", location.href).pathname;

  let canvas = null, context = null;  // the canvas shown, once the document is parsed
  // The device's own pixels, one for one: the program's frames land here
  // and are scaled from here into the canvas, which holds exactly the
  // physical pixels shown. Sharp scaling passes through `enlarged`, a
  // band's device pixels repeated to the next whole factor.
  const frame = document.createElement("canvas");
  const enlarged = document.createElement("canvas");
  // A frame shown a band at a time is built here, the canvas's size, and
  // copied into the canvas once whole: the browser copies the canvas for
  // the screen whenever it changed, which, after each band, would take
  // longer than the bands themselves.
  const staging = document.createElement("canvas");
  // Their drawing contexts, had at the start (makeContexts).
  let frameContext = null, enlargedContext = null, stagingContext = null;
  let view = null;          // fitView's placement of the screen, in physical pixels
  let live = false;         // the program has shown a frame of its own
  let drawn = false;        // the device's pixels hold a picture to show
  let unshown = null;       // presented device pixels the canvas does not show yet: [left, top, right, bottom]
  const queue = [];
  let wake = null;          // resolves the program's wait for an event
  let idleWaiters = [];     // measures waiting for the program to wait again
  let pointer = null;       // the one pointer in contact, as a stylus
  let active = true;
  let firstFrame = null;    // ms after navigation of the first full frame shown
  let firstPicture = null;  // ms after navigation of the screen's first showing
  let releaseInstance = null;
  let channel = null;
  let waitingForUser = false;  // a message box is open, or the program ended
  let copied = null;        // the text the program last copied
  let touched = false;         // the user's taps or keys reached the program

  // False when the event is not for the program.
  function post(kind, first = 0, second = 0) {
    // An open message box takes the taps and keys, as the device's does.
    if (waitingForUser && InputKinds.has(kind)) return false;
    if (InputKinds.has(kind)) touched = true;
    queue.push([kind, first, second]);
    if (wake) {
      const resume = wake;
      wake = null;
      resume();
    }
    return true;
  }

  // ?screen=WxH chooses any size, supported or not, so that every path can
  // be seen; without it the viewport's shape decides.
  function addressScreen() {
    const match = /^(\d{1,4})x(\d{1,4})$/.exec(new URLSearchParams(location.search).get("screen") || "");
    if (!match) return null;
    const width = Number(match[1]), height = Number(match[2]);
    return width > 0 && height > 0 && width <= MaxScreenSide && height <= MaxScreenSide
      ? [width, height] : null;
  }

  // The device screen for a viewport of width x height physical pixels: of
  // the double-resolution screens those the pixels hold, or where they hold
  // none of them, of the 1x ones, the shape closest to the viewport's.
  function chooseScreen(width, height) {
    const held = (screens) => screens.filter(([w, h]) => w <= width && h <= height);
    const candidates = [DoubleScreens, SingleScreens].map(held).find((screens) => screens.length) || SingleScreens;
    const distance = ([w, h]) => Math.abs(Math.log(w / h) - Math.log(width / height));
    return candidates.reduce((best, next) => (distance(next) < distance(best) ? next : best));
  }

  const clamp = (value, low, high) => Math.max(low, Math.min(value, high));

  // The fitting rule of the desktop window (platform/sdl/ViewTransform.h,
  // FitView, where it is explained), in physical pixels; both are checked
  // against tests/view-fit-cases.txt.
  function fitView(deviceWidth, deviceHeight, width, height) {
    const v = { left: 0, top: 0, width: 0, height: 0, factor: 0, upscale: 1 };
    if (deviceWidth < 1 || deviceHeight < 1 || width < 1 || height < 1) return v;
    const fit = Math.min(width / deviceWidth, height / deviceHeight);
    const whole = Math.floor(fit);
    if (whole >= 1 && whole >= WholeFactorShare * fit) {
      Object.assign(v, { factor: whole, upscale: whole, width: deviceWidth * whole, height: deviceHeight * whole });
    } else if (width * deviceHeight <= height * deviceWidth) {
      v.width = width;
      v.height = clamp(Math.round(deviceHeight * width / deviceWidth), 1, height);
    } else {
      v.height = height;
      v.width = clamp(Math.round(deviceWidth * height / deviceHeight), 1, width);
    }
    if (v.factor === 0) v.upscale = Math.max(1, Math.ceil(fit));
    v.left = Math.floor((width - v.width) / 2);
    v.top = Math.floor((height - v.height) / 2);
    return v;
  }

  // The viewport clear of notches and rounded corners (#safe-area stands
  // inside the insets), in whole physical pixels: [left, top, width, height].
  function viewArea() {
    const ratio = window.devicePixelRatio || 1;
    const box = document.getElementById("safe-area").getBoundingClientRect();
    const left = Math.ceil(box.left * ratio - 0.01), top = Math.ceil(box.top * ratio - 0.01);
    return [left, top, Math.floor(box.right * ratio + 0.01) - left, Math.floor(box.bottom * ratio + 0.01) - top];
  }

  const fixedScreen = addressScreen();
  const wantedScreen = () => fixedScreen || chooseScreen(...viewArea().slice(2));

  // Shows a rectangle of the device's pixels: at a whole factor each
  // becomes a block of canvas pixels; otherwise they are repeated into
  // `enlarged` and smoothed down into the canvas. A rectangle of more than
  // a band's rows (a whole page) is shown a band at a time, each in a task
  // of its own, so that no task scales a whole frame: on a slow phone that
  // alone would keep the page from answering for longer than a tap may
  // wait. `then` runs once all of it is shown.
  const Bands = 16;
  const bandRows = () => Math.ceil(frame.height / Bands);
  let bandsShowing = 0;
  let backed = false;  // `staging` has its memory for its size
  function showFrame(left, top, width, height, then = () => {}) {
    const rows = bandRows();
    if (height <= rows) {
      showRows(context, left, top, width, height);
      then();
      return;
    }
    // A canvas takes its memory, all of it, at its first drawing: in a task
    // of its own, not in the first band's.
    if (!backed) {
      backed = true;
      ++bandsShowing;
      inTask(() => {
        --bandsShowing;
        stagingContext.fillRect(0, 0, 1, 1);
      });
    }
    for (let band = top; band < top + height; band += rows) {
      ++bandsShowing;
      inTask(() => {
        --bandsShowing;
        showRows(stagingContext, left, band, width, Math.min(rows, top + height - band));
        if (band + rows < top + height) return;
        const [first, last] = canvasRows(top, height);
        context.drawImage(staging, 0, first, canvas.width, last - first, 0, first, canvas.width, last - first);
        then();
      });
    }
  }

  // Scaled into the canvas or `staging` (into) as a band's smoothing needs
  // them: the device rows with one more above and below, which its edge
  // rows blend with, whole rows, repeated into `enlarged` from its top.
  function showRows(into, left, top, width, height) {
    if (view.factor) {
      repeat(into, left, top, width, height);
      return;
    }
    const from = Math.max(0, top - 1), to = Math.min(frame.height, top + height + 1);
    repeat(enlargedContext, 0, from, frame.width, to - from, from);
    smooth(into, top, height, from, to);
  }

  // The first step of showFrame: the device's pixels repeated, into the
  // canvas's size at a whole factor, or else into `enlarged`, whose top
  // row shows device row `origin`.
  function repeat(into, left, top, width, height, origin = 0) {
    const k = view.upscale;
    into.imageSmoothingEnabled = false;
    into.drawImage(frame, left, top, width, height, left * k, (top - origin) * k, width * k, height * k);
  }

  // The canvas rows [first, last) that show the device rows [top, top + height).
  const canvasRows = (top, height) => [Math.floor(top * canvas.height / frame.height),
                                       Math.ceil((top + height) * canvas.height / frame.height)];

  // The second step of showFrame at other factors: `enlarged`, holding the
  // device rows [from, to), smoothed down into the canvas rows that show
  // the device rows [top, top + height) within them. All of it is drawn
  // where the whole screen would be, clipped to those rows: a part drawn
  // alone would blend against its own edges.
  function smooth(into, top, height, from, to) {
    const [first, last] = canvasRows(top, height);
    const perRow = canvas.height / frame.height;
    into.save();
    into.beginPath();
    into.rect(0, first, canvas.width, last - first);
    into.clip();
    into.imageSmoothingEnabled = true;
    // Bilinear, as the desktop window. A browser without the setting
    // (Firefox) smooths so anyway, as its pixels in the tests show.
    into.imageSmoothingQuality = "low";
    into.drawImage(enlarged, 0, 0, enlarged.width, (to - from) * view.upscale,
                   0, from * perRow, canvas.width, (to - from) * perRow);
    into.restore();
  }

  // Runs a function in a task of its own, as soon as the browser has run
  // those before it: a message the page sends itself, which, unlike a
  // timer's, is never held back. One message is on its way at a time: a
  // browser may hand several waiting messages to the page in one task, so
  // that functions queued together would run together.
  const tasks = new MessageChannel();
  const queued = [];
  tasks.port1.onmessage = () => {
    const run = queued.shift();
    if (queued.length) tasks.port2.postMessage(null);
    run();
  };
  function inTask(run) {
    queued.push(run);
    if (queued.length === 1) tasks.port2.postMessage(null);
  }

  // The canvas shows what the program presented in a task of its own: the
  // pixels' copy into the device's, the scaling into the canvas, and the
  // browser's copy of it for the screen would otherwise lengthen the task of
  // the program's paint. Rectangles presented meanwhile are shown together.
  const presented = [];  // [ImageData, left, top] not yet in the device's pixels
  function showLater(pixels, left, top, width, height) {
    if (!unshown) inTask(showPresented);
    presented.push([pixels, left, top]);
    const [l, t, r, b] = unshown || [left, top, left + width, top + height];
    unshown = [Math.min(l, left), Math.min(t, top), Math.max(r, left + width), Math.max(b, top + height)];
  }

  function showPresented() {
    const [left, top, right, bottom] = unshown;
    unshown = null;
    for (const [pixels, x, y] of presented.splice(0)) frameContext.putImageData(pixels, x, y);
    drawn = true;
    const whole = right - left === frame.width && bottom - top === frame.height;
    showMargins();
    showFrame(left, top, right - left, bottom - top, () => {
      if (firstFrame !== null || !whole) return;
      firstFrame = performance.now();
      performance.mark("stellarion-first-frame");
    });
  }

  // ---- Margins that continue the screen's edges ----------------------------
  // The viewport round the screen takes the colours the program computes
  // beside each edge pixel (platform/canvas/Margin.h): four strips of one
  // pixel's depth, stretched out from the screen's sides to the viewport's
  // at the screen's own scale, and four corners of the strips' ends.
  const Sides = ["top", "bottom", "left", "right"];
  const Corners = [["top", 0], ["top", -1], ["bottom", 0], ["bottom", -1]];
  const margins = { strips: {}, corners: [], pending: null };

  function makeMargins() {
    const holder = document.getElementById("margins");
    for (const side of Sides) {
      const strip = document.createElement("canvas");
      strip.className = "margin";
      margins.strips[side] = strip;
      holder.append(strip);
    }
    for (let i = 0; i < Corners.length; ++i) {
      const corner = document.createElement("div");
      corner.className = "margin";
      margins.corners.push(corner);
      holder.append(corner);
    }
  }

  // The strips and corners placed round the screen's box (CSS lengths).
  function placeMargins(left, top, width, height) {
    const right = `calc(${left} + ${width})`, bottom = `calc(${top} + ${height})`;
    const at = (element, box) => Object.assign(element.style, box);
    const { top: above, bottom: below, left: before, right: after } = margins.strips;
    at(above, { left, width, top: "0px", height: top });
    // A canvas keeps its own size unless given one: the far sides' strips
    // are sized to the viewport's edge.
    at(below, { left, width, top: bottom, height: `calc(100% - ${bottom})` });
    at(before, { left: "0px", width: left, top, height });
    at(after, { left: right, width: `calc(100% - ${right})`, top, height });
    const [topLeft, topRight, bottomLeft, bottomRight] = margins.corners;
    at(topLeft, { left: "0px", top: "0px", width: left, height: top });
    at(topRight, { left: right, right: "0px", top: "0px", height: top });
    at(bottomLeft, { left: "0px", top: bottom, bottom: "0px", width: left });
    at(bottomRight, { left: right, right: "0px", top: bottom, bottom: "0px" });
  }

  // Shows the colours the program last handed over (rgba: top, bottom,
  // left and right, each along its side).
  function showMargins() {
    if (!margins.pending) return;
    const [rgba, width, height] = margins.pending;
    margins.pending = null;
    let offset = 0;
    const pixels = {};
    for (const side of Sides) {
      const across = side === "top" || side === "bottom";
      const [w, h] = across ? [width, 1] : [1, height];
      const strip = margins.strips[side];
      if (strip.width !== w || strip.height !== h) [strip.width, strip.height] = [w, h];
      pixels[side] = rgba.subarray(offset, offset + w * h * 4);
      strip.getContext("2d").putImageData(new ImageData(pixels[side], w, h), 0, 0);
      offset += w * h * 4;
    }
    margins.corners.forEach((corner, i) => {
      const [side, end] = Corners[i];
      const at = end < 0 ? pixels[side].length - 4 : 0;
      corner.style.backgroundColor = `rgb(${pixels[side].slice(at, at + 3).join(",")})`;
    });
  }

  // Places the screen on whole physical pixels of the viewport, scaled as
  // the desktop window scales it.
  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const [areaLeft, areaTop, areaWidth, areaHeight] = viewArea();
    view = fitView(frame.width, frame.height, areaWidth, areaHeight);
    // Layout keeps CSS lengths in 1/64 pixels, rounded down, and then snaps
    // to physical pixels: rounded up, each length lands on the one meant.
    const css = (physical) => `${Math.ceil(physical / ratio * 64) / 64}px`;
    const box = { left: css(areaLeft + view.left), top: css(areaTop + view.top), width: css(view.width), height: css(view.height) };
    for (const element of [canvas, document.getElementById("first-frame")]) Object.assign(element.style, box);
    placeMargins(box.left, box.top, box.width, box.height);
    const sizes = [view.width, view.height,
                   ...(view.factor ? [0, 0] : [frame.width, bandRows() + 2].map((side) => side * view.upscale))];
    if (sizes.join() === [canvas.width, canvas.height, enlarged.width, enlarged.height].join()) return;
    // Setting a canvas's size clears it: drawn again from the device's pixels.
    [canvas.width, canvas.height, enlarged.width, enlarged.height] = sizes;
    [staging.width, staging.height] = [canvas.width, canvas.height];
    backed = false;
    if (drawn) showFrame(0, 0, frame.width, frame.height);
  }

  function devicePoint(event) {
    const box = canvas.getBoundingClientRect();
    const at = (value, size) => clamp(Math.floor(value), 0, size - 1);
    return [at((event.clientX - box.left) * frame.width / box.width, frame.width),
            at((event.clientY - box.top) * frame.height / box.height, frame.height)];
  }

  function setActive(now) {
    if (now === active) return;
    active = now;
    post(now ? Event.Activate : Event.Deactivate);
    // The described document names the place once it is loaded.
    if (now && typeof StellarionAccessible !== "undefined") document.title = StellarionAccessible.title();
  }

  // A finger's press carries its reach in device pixels, with the point
  // packed as the wheel's; a mouse's or a pen's is exact.
  function postPress(event) {
    const [x, y] = devicePoint(event);
    if (event.pointerType !== "touch") return post(Event.Press, x, y);
    const reach = Math.floor(TouchReach * frame.width / canvas.getBoundingClientRect().width);
    return post(Event.Touch, (y << 16) | x, reach);
  }

  function listen() {
    canvas.addEventListener("pointerdown", (event) => {
      if (pointer !== null || event.button !== 0) return;
      pointer = event.pointerId;
      canvas.setPointerCapture(pointer);
      postPress(event);
      event.preventDefault();
    });
    canvas.addEventListener("pointermove", (event) => {
      if (event.pointerId === pointer) post(Event.Drag, ...devicePoint(event));
    });
    const lift = (event) => {
      if (event.pointerId !== pointer) return;
      pointer = null;
      post(Event.Release, ...devicePoint(event));
    };
    canvas.addEventListener("pointerup", lift);
    canvas.addEventListener("pointercancel", lift);
    canvas.addEventListener("contextmenu", (event) => event.preventDefault());
    // A browser may drop a hidden canvas's pixels; the program still has
    // them. Where the browser does not say when it gives the canvas back,
    // the program paints it again whenever the page is shown again.
    canvas.addEventListener("contextrestored", () => post(Event.Repaint));
    if (!("oncontextrestored" in canvas))
      document.addEventListener("visibilitychange", () => { if (!document.hidden) post(Event.Repaint); });
    for (const [type, kind] of [["keydown", Event.KeyDown], ["keyup", Event.KeyUp]]) {
      document.addEventListener(type, (event) => {
        const code = KeyCodes[event.key];
        if (code !== undefined && post(kind, code)) event.preventDefault();
      });
    }
    // A typed key taps the on-screen keyboard's key, where one is open.
    document.addEventListener("keydown", (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      const code = event.key.length === 1 ? event.key.codePointAt(0) : TypedKeys[event.key];
      if (code !== undefined && post(Event.Type, code)) event.preventDefault();
    });
    // A wheel step over a text taps its scroll arrow.
    canvas.addEventListener("wheel", (event) => {
      if (event.deltaY === 0) return;
      const [x, y] = devicePoint(event);
      if (post(Event.Wheel, (y << 16) | x, event.deltaY < 0 ? -1 : 1)) event.preventDefault();
    }, { passive: false });
    listenForCopyAndSave();
    window.addEventListener("blur", () => setActive(false));
    window.addEventListener("focus", () => setActive(true));
    document.addEventListener("visibilitychange", () => setActive(!document.hidden));
    // A turned phone is a turned device: a new screen, and the window is told.
    window.addEventListener("resize", () => {
      if (!view) return;  // not placed yet: the start's placing sees the new size
      const next = wantedScreen();
      if (next[0] !== frame.width || next[1] !== frame.height) post(Event.Screen, ...next);
      layout();
    });
  }

  // ---- Copy and save, as on the desktop ----------------------------------
  // Ctrl+C (Cmd+C) and the browser's copy command put the reading on screen
  // on the clipboard, unless the user selected text of the page; Ctrl+S
  // (Cmd+S) downloads the screen instead of the browser saving the page.
  // The program answers through setClipboard and saveScreen.
  const selectionMade = () => (window.getSelection()?.toString() || "") !== "";
  function listenForCopyAndSave() {
    document.addEventListener("keydown", (event) => {
      if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey) return;
      const key = event.key.toLowerCase();
      if (key === "s") {
        event.preventDefault();
        if (!event.repeat) post(Event.SaveScreen);
      } else if (key === "c" && !selectionMade() && !event.repeat && post(Event.Copy)) {
        event.preventDefault();
      }
    });
    document.addEventListener("copy", (event) => {
      if (!selectionMade() && post(Event.Copy)) event.preventDefault();
    });
  }

  // Stellarion-YYYY-MM-DD-HHMMSS.png in local time, as the desktop names it.
  function savedName(now = new Date()) {
    const two = (n) => String(n).padStart(2, "0");
    return `Stellarion-${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}-` +
           `${two(now.getHours())}${two(now.getMinutes())}${two(now.getSeconds())}.png`;
  }

  let savedUrl = null;  // the last download's, released at the next
  function download(bytes) {
    if (savedUrl) URL.revokeObjectURL(savedUrl);
    savedUrl = URL.createObjectURL(new Blob([bytes], { type: "image/png" }));
    const link = document.createElement("a");
    link.href = savedUrl;
    link.download = savedName();
    link.click();
  }

  // Another tab of this installation asked this one to come forward. A page
  // cannot raise its own tab, so it says so in its title and, where the user
  // allowed it, in a notification.
  function comeForward() {
    post(Event.ComeForward);
    if (document.hidden || !document.hasFocus()) document.title = "\u2605 Stellarion is open here";
    if ("Notification" in window && Notification.permission === "granted")
      new Notification("Stellarion", { body: "Stellarion is already open in this tab.", icon: "icon-192.png" });
  }

  // Resolves to 1 when this tab now holds the installation's lock, which it
  // keeps until the program ends or the tab closes; 0 when another tab has it.
  function claimLock() {
    if (!navigator.locks) return Promise.resolve(1);
    return new Promise((resolve) => {
      navigator.locks.request(InstanceName, { ifAvailable: true }, (lock) => {
        if (!lock) {
          resolve(0);
          return undefined;
        }
        channel = new BroadcastChannel(InstanceName);
        channel.onmessage = (message) => { if (message.data === "come forward") comeForward(); };
        resolve(1);
        return new Promise((release) => { releaseInstance = release; });
      }).catch(() => resolve(1));
    });
  }
  let claim = null;  // claimLock's answer, asked for at the start

  function showEnded(title, button) {
    canvas.hidden = true;
    document.getElementById("first-frame").hidden = true;
    const heading = document.getElementById("ended-title");
    heading.textContent = title;
    document.getElementById("start-again").textContent = button;
    document.getElementById("ended").hidden = false;
    // A screen reader says where the user is now.
    heading.focus();
  }

  const page = {
    chosenScreen: () => [frame.width, frame.height],
    // For tests: the rules, to be checked against the desktop's cases.
    chooseScreen,
    fitView,
    view: () => ({ ...view }),

    screenResized(width, height) {
      // Setting a canvas's size clears it, even to the size it has.
      if (frame.width !== width || frame.height !== height) {
        frame.width = width;
        frame.height = height;
      }
      layout();
    },

    // rgba: the margins' colours beside the screen's edges (showMargins),
    // shown with the next frame; a copy, as the program's memory is reused.
    margins(rgba, width, height) {
      margins.pending = [rgba.slice(), width, height];
    },

    // rgba: the painted rectangle's pixels, as the canvas stores them; a
    // copy is kept, as the program's memory is reused.
    present(rgba, left, top, width, height) {
      showLater(new ImageData(rgba.slice(), width, height), left, top, width, height);
      if (!live) {
        live = true;
        // The canvas now shows the program's own pixels; the picture under
        // it would show through when the canvas is hidden at the end.
        canvas.style.visibility = "visible";
        document.getElementById("first-frame").hidden = true;
      }
    },

    waitForEvent() {
      registerWorker();
      if (queue.length) return Promise.resolve();
      const waiters = idleWaiters;
      idleWaiters = [];
      waiters.forEach((resolve) => resolve());
      return new Promise((resolve) => { wake = resolve; });
    },
    takeEvent: () => queue.shift() || null,
    // Resolves in a task of its own, after those the browser has queued.
    nextTask: () => new Promise(inTask),

    messageBox(text, caption) {
      const dialog = document.getElementById("message");
      document.getElementById("message-caption").textContent = caption;
      document.getElementById("message-text").textContent = text;
      waitingForUser = true;
      return new Promise((resolve) => {
        dialog.addEventListener("close", () => {
          waitingForUser = false;
          resolve();
        }, { once: true });
        dialog.showModal();
      });
    },

    // 1 when this tab is the running copy (asked for as the page starts, so
    // that the answer is there when the program asks).
    claimInstance: () => claim,

    requestForward() {
      const ask = new BroadcastChannel(InstanceName);
      ask.postMessage("come forward");
      ask.close();
    },

    ended(ending) {
      waitingForUser = true;
      if (channel) channel.close();
      if (releaseInstance) releaseInstance();
      if (ending === Ending.AlreadyOpen)
        showEnded("Stellarion is already open in another tab", "Try again");
      else
        showEnded("Stellarion has ended", "Start again");
    },

    // The program's copy of the reading, and its picture of the screen.
    setClipboard(text) {
      copied = text;
      navigator.clipboard?.writeText(text).catch(() => {});
    },
    saveScreen: download,
    // For tests: what the program last put on the clipboard.
    copiedText: () => copied,

    // A tap at a device pixel, and a key's press and release: what the
    // described controls (Accessible.js) do when activated.
    tap(x, y) {
      post(Event.Press, x, y);
      post(Event.Release, x, y);
    },
    key(code) {
      post(Event.KeyDown, code);
      post(Event.KeyUp, code);
    },
    // A character typed on the on-screen keyboard (8 backspace, 13 return).
    type(code) {
      post(Event.Type, code);
    },

    // For tests and measures: true while the program has nothing to do but
    // wait for the user, the canvas shows all it presented and the described
    // document is up to date.
    isIdle: () => (waitingForUser || (wake !== null && queue.length === 0)) && unshown === null && bandsShowing === 0 &&
      StellarionAccessible.isCurrent(),
    firstFrameTime: () => firstFrame,
    // For measures: when the screen was first shown (the pre-rendered frame).
    firstPictureTime: () => firstPicture,
    // For measures: the milliseconds that count full paints of the current
    // page take, each from the message that a screen of the same size turned
    // up (as after a rotation) until the program waits again and the canvas
    // shows the paint.
    async timeFullPaints(count) {
      const start = performance.now();
      for (let i = 0; i < count; ++i) {
        const idle = new Promise((resolve) => idleWaiters.push(resolve));
        post(Event.Screen, frame.width, frame.height);
        await idle;
        while (unshown || bandsShowing) await new Promise(inTask);
      }
      return performance.now() - start;
    },

    // The page's listeners, which take the user's first keys and taps for
    // the program, are set up at once; the rest in steps of a task each (the
    // first layout of the page, the first drawing contexts and the program's
    // loading each take a slow phone's page long enough on their own): the
    // screen placed and its first frame shown, then, once the picture is on
    // screen, the canvases' contexts, the program and the described document.
    start() {
      canvas = document.getElementById("screen");
      listen();
      document.getElementById("start-again").addEventListener("click", () => location.reload());
      inTask(() => {
        makeMargins();
        [frame.width, frame.height] = wantedScreen();
        layout();
      });
      inTask(() => showPrerendered(() => {
        makeContexts();
        claim = claimLock();
        loadProgram();
      }));
    },
  };

  function makeContexts() {
    const opaque = (shown) => shown.getContext("2d", { alpha: false });
    [context, frameContext, enlargedContext, stagingContext] = [canvas, frame, enlarged, staging].map(opaque);
  }

  // Shows the main menu pre-rendered for the screen (the program's first
  // frame, pixel for pixel) until the program shows its own: drawn into the
  // canvas as the program's frames are, with the picture itself under it,
  // where browsers see the page's largest paint. `then` runs once the
  // picture is on screen, or once it is known that there is none.
  function showPrerendered(then) {
    const image = document.getElementById("first-frame");
    const pictureShown = () => {
      if (live) return;
      image.style.visibility = "visible";
      firstPicture ??= performance.now();
    };
    const shown = () => {
      pictureShown();
      canvas.style.visibility = "visible";
    };
    const file = firstFrameFile();
    if (!file) {
      shown();
      then();
      return;
    }
    image.src = file;
    // The picture is shown as soon as it is decoded, scaled by the browser.
    // The canvas, sharply scaled, covers it once whole: the file is decoded
    // for it again away from the page's thread (a picture element's pixels
    // would be decoded on it, in one task), and drawn a band at a time, as
    // the program's frames are.
    const fits = image.decode().then(() => {
      // Offline, a frame the service worker lacks comes as a stand-in of
      // another size: it is not shown.
      const [width, height] = firstFrameSize();
      if (image.naturalWidth !== width || image.naturalHeight !== height) return false;
      pictureShown();
      return true;
    }).catch(() => false);
    // The rest waits for the picture's paint: before it, it would delay it.
    const painted = fits.then((fitting) => afterPaint().then(() => fitting));
    painted.then(() => then());
    painted.then((fitting) => (fitting && !live ? fetch(file).then((response) => response.blob()).then(createImageBitmap) : null))
      .then((bitmap) => {
        if (live || !bitmap) return undefined;
        // Covering the screen, as the image does: the centre of a longer
        // frame, a 2x frame at half its size.
        const scale = Math.max(frame.width / bitmap.width, frame.height / bitmap.height);
        const [width, height] = [bitmap.width * scale, bitmap.height * scale];
        frameContext.drawImage(bitmap, (frame.width - width) / 2, (frame.height - height) / 2, width, height);
        drawn = true;
        return new Promise((resolve) => showFrame(0, 0, frame.width, frame.height, resolve));
      }).catch(() => {}).then(shown);
  }

  // Resolves once the browser reports the page's first contentful paint on
  // screen (the picture: the page has no other content), or where it does
  // not report it, in a task after its next frame; after a moment at most,
  // as in a hidden tab, which paints nothing. A frame drawn is not yet on
  // screen: work begun between the two would delay it.
  const PaintWaitMost = 250;
  const afterPaint = () => new Promise((resolve) => {
    if (PerformanceObserver.supportedEntryTypes?.includes("paint")) {
      const observer = new PerformanceObserver((list) => {
        if (!list.getEntriesByName("first-contentful-paint").length) return;
        observer.disconnect();
        inTask(resolve);
      });
      observer.observe({ type: "paint", buffered: true });
    } else {
      requestAnimationFrame(() => inTask(resolve));
    }
    setTimeout(resolve, PaintWaitMost);
  });

  // The pre-rendered first frame of the screen, or null where the build
  // made none.
  function firstFrameFile() {
    const prerendered = [...DoubleScreens, ...SingleScreens].some(([w, h]) => w === frame.width && h === frame.height);
    const [width, height] = firstFrameSize();
    return prerendered ? `first-${width}x${height}.webp` : null;
  }

  // The size of the first frame the screen shows: its own, or the one it
  // shows in its place (the image element scales and crops it, covering).
  function firstFrameSize() {
    return CroppedFrames[`${frame.width}x${frame.height}`] ?? [frame.width, frame.height];
  }

  // The service worker is registered once the program has started and waits
  // for the user, in a task of its own: installing, it fetches every file
  // again for its cache, which beside the program's own download and
  // start-up would slow both.
  let workerRegistered = false;
  function registerWorker() {
    if (workerRegistered || !("serviceWorker" in navigator)) return;
    workerRegistered = true;
    inTask(() => navigator.serviceWorker.register("ServiceWorker.js").then(followReleases).catch(() => {}));
  }

  // A new release's worker, once it has its files, is told to take over
  // rather than wait for the pages of the old one (a reload during its
  // install can leave it waiting); a page of the old release that shows
  // nothing the user did yet is then reloaded into the new one. The worker
  // also keeps this screen's first frame, for a start offline.
  const startController = "serviceWorker" in navigator ? navigator.serviceWorker.controller : null;
  function followReleases(registration) {
    keepFirstFrame(registration);
    const takeOver = (worker) => { if (worker?.state === "installed") worker.postMessage("activate"); };
    const watch = (worker) => {
      worker?.addEventListener("statechange", () => takeOver(worker));
      takeOver(worker);
    };
    registration.addEventListener("updatefound", () => watch(registration.installing));
    watch(registration.installing);
    takeOver(registration.waiting);
    const reloadIfUntouched = () => { if (startController && !touched) location.reload(); };
    navigator.serviceWorker.addEventListener("controllerchange", reloadIfUntouched);
    // It may have taken over before the page listened.
    if (startController && navigator.serviceWorker.controller !== startController) reloadIfUntouched();
  }

  // Told to the newest worker, and before it is told to take over: the old
  // one hands over only once it has been idle since, and a message would
  // keep it busy.
  function keepFirstFrame(registration) {
    const file = firstFrameFile();
    if (!file) return;
    const newest = registration.waiting || registration.active;
    if (newest) newest.postMessage({ keep: file });
    else navigator.serviceWorker.ready.then((ready) => ready.active.postMessage({ keep: file }));
  }

  // The code as it arrives, handed to the compiler a piece per task: the
  // browser takes in what the compiler is given on the page's thread, which
  // a whole download at once (as from a fast connection or a cache) would
  // keep busy for too long.
  const CodePiece = 1 << 18;
  function inPieces(response) {
    const reader = response.body.getReader();
    let rest = new Uint8Array(0);
    return new Response(new ReadableStream({
      async pull(controller) {
        if (!rest.length) {
          const { done, value } = await reader.read();
          if (done) {
            controller.close();
            return;
          }
          rest = value;
        }
        controller.enqueue(rest.subarray(0, CodePiece));
        rest = rest.subarray(CodePiece);
        await new Promise(inTask);
      },
    }), { headers: { "Content-Type": "application/wasm" } });
  }

  // The program's download starts once the first picture is on screen, so
  // that the two do not share the connection; its code is fetched at once
  // beside the script that runs it, and compiled while it arrives, away from
  // the page's thread. The described document and the reading view come
  // first and run in that order, each in a task of its own.
  function loadProgram() {
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.append(manifest);
    inTask(fetchProgram);
    for (const name of ["Accessible.js", "ReadingView.js", "stellarion.js"]) {
      inTask(() => {
        const script = document.createElement("script");
        script.src = name;
        script.async = false;
        document.body.append(script);
      });
    }
    // The browser loads the page's storage at its first use, in the task
    // that uses it: that is one of these, while the code arrives, rather
    // than the program's reading of its record.
    inTask(() => {
      try {
        return window.localStorage?.length;
      } catch {
        return undefined;  // storage refused: the program runs without its record
      }
    });
  }

  function fetchProgram() {
    const code = fetch("stellarion.wasm", { credentials: "same-origin" });
    window.Module = {
      instantiateWasm(imports, receive) {
        // A host that sends the code under another type cannot have it
        // compiled while it arrives.
        WebAssembly.compileStreaming(code.then(inPieces))
          .catch(() => fetch("stellarion.wasm").then((response) => response.arrayBuffer()).then(WebAssembly.compile))
          .then((module) => new Promise((resolve) => inTask(() => resolve(module))))
          .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)));
        return {};
      },
    };
  }

  return page;
})();

// The page's script stands at the end of the document: all of it is
// parsed when the script runs.
StellarionPage.start();
