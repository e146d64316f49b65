// The page around the program (platform/web/WebBackend.cpp): it chooses the
// emulated screen, shows the framebuffer in the canvas, queues pointer, key,
// focus and rotation events for the program, shows its message boxes and
// the page it ends on, keeps one running copy per installation and
// registers the service worker that lets the installed page start offline.
"use strict";

const StellarionPage = (() => {
  // The program's event kinds (WebBackend.cpp numbers them the same way).
  const Event = Object.freeze({
    Press: 1, Drag: 2, Release: 3, KeyDown: 4, KeyUp: 5,
    Activate: 6, Deactivate: 7, Screen: 8, ComeForward: 9, Repaint: 10, Type: 11, Wheel: 12,
  });
  const InputKinds = new Set([Event.Press, Event.Drag, Event.Release, Event.KeyDown, Event.KeyUp,
                              Event.Type, Event.Wheel]);
  // Typed keys that stand for keys of the on-screen keyboard.
  const TypedKeys = Object.freeze({ Backspace: 8, Enter: 13 });
  const Ending = Object.freeze({ Normally: 0, AlreadyOpen: 1 });
  const KeyCodes = Object.freeze({ ArrowUp: 38, ArrowDown: 40 });
  const MaxScreenSide = 4096;
  // Viewports whose sides differ by less than this ratio count as square.
  const SquareRatio = 1.15;
  // One lock and one channel per installation: the page's folder on its site.
  const InstanceName = "Stellarion " + new URL(".", location.href).pathname;

  let canvas = null, context = null;  // once the document is parsed
  const queue = [];
  let wake = null;          // resolves the program's wait for an event
  let idleWaiters = [];     // measures waiting for the program to wait again
  let pointer = null;       // the one pointer in contact, as a stylus
  let active = true;
  let firstFrame = null;    // ms after navigation of the first full present
  let releaseInstance = null;
  let channel = null;
  let waitingForUser = false;  // a message box is open, or the program ended

  // False when the event is not for the program.
  function post(kind, first = 0, second = 0) {
    // An open message box takes the taps and keys, as the device's does.
    if (waitingForUser && InputKinds.has(kind)) return false;
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

  function viewportScreen() {
    const width = window.innerWidth, height = window.innerHeight;
    if (Math.max(width, height) < SquareRatio * Math.min(width, height)) return [480, 480];
    if (width > height) return [640, 480];
    return width < 480 || height < 640 ? [240, 320] : [480, 640];
  }

  const fixedScreen = addressScreen();

  // The whole screen in view, its aspect kept, each device pixel a crisp block.
  function fit() {
    const scale = Math.min(window.innerWidth / canvas.width, window.innerHeight / canvas.height);
    canvas.style.width = `${canvas.width * scale}px`;
    canvas.style.height = `${canvas.height * scale}px`;
  }

  function devicePoint(event) {
    const box = canvas.getBoundingClientRect();
    const clamp = (value, size) => Math.min(size - 1, Math.max(0, Math.floor(value)));
    return [clamp((event.clientX - box.left) * canvas.width / box.width, canvas.width),
            clamp((event.clientY - box.top) * canvas.height / box.height, canvas.height)];
  }

  function setActive(now) {
    if (now === active) return;
    active = now;
    post(now ? Event.Activate : Event.Deactivate);
    if (now) document.title = "Stellarion";
  }

  function listen() {
    canvas.addEventListener("pointerdown", (event) => {
      if (pointer !== null || event.button !== 0) return;
      pointer = event.pointerId;
      canvas.setPointerCapture(pointer);
      post(Event.Press, ...devicePoint(event));
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
    // A browser may drop a hidden canvas's pixels; the program still has them.
    canvas.addEventListener("contextrestored", () => post(Event.Repaint));
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
    window.addEventListener("blur", () => setActive(false));
    window.addEventListener("focus", () => setActive(true));
    document.addEventListener("visibilitychange", () => setActive(!document.hidden));
    // A turned phone is a turned device: a new screen, and the window is told.
    window.addEventListener("resize", () => {
      const next = fixedScreen || viewportScreen();
      if (next[0] !== canvas.width || next[1] !== canvas.height) post(Event.Screen, ...next);
      fit();
    });
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
  const claim = claimLock();

  function showEnded(title, button) {
    canvas.hidden = true;
    document.getElementById("ended-title").textContent = title;
    document.getElementById("start-again").textContent = button;
    document.getElementById("ended").hidden = false;
  }

  return {
    chosenScreen: () => fixedScreen || viewportScreen(),

    screenResized(width, height) {
      // Setting a canvas's size clears it, even to the size it has.
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      fit();
    },

    // rgba: the painted rectangle's pixels, as the canvas stores them.
    present(rgba, left, top, width, height) {
      context.putImageData(new ImageData(rgba, width, height), left, top);
      if (firstFrame === null && width === canvas.width && height === canvas.height) {
        firstFrame = performance.now();
        performance.mark("stellarion-first-frame");
      }
    },

    waitForEvent() {
      if (queue.length) return Promise.resolve();
      const waiters = idleWaiters;
      idleWaiters = [];
      waiters.forEach((resolve) => resolve());
      return new Promise((resolve) => { wake = resolve; });
    },
    takeEvent: () => queue.shift() || null,

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

    // For tests and measures: true while the program has nothing to do but
    // wait for the user.
    isIdle: () => waitingForUser || (wake !== null && queue.length === 0),
    firstFrameTime: () => firstFrame,
    // For measures: the milliseconds that count full paints of the current
    // page take, each from the message that a screen of the same size turned
    // up (as after a rotation) until the program waits again.
    async timeFullPaints(count) {
      const start = performance.now();
      for (let i = 0; i < count; ++i) {
        const idle = new Promise((resolve) => idleWaiters.push(resolve));
        post(Event.Screen, canvas.width, canvas.height);
        await idle;
      }
      return performance.now() - start;
    },

    start() {
      canvas = document.getElementById("screen");
      context = canvas.getContext("2d", { alpha: false });
      listen();
      document.getElementById("start-again").addEventListener("click", () => location.reload());
      if ("serviceWorker" in navigator)
        window.addEventListener("load", () => navigator.serviceWorker.register("ServiceWorker.js").catch(() => {}));
    },
  };
})();

// The program is compiled while the document is still being read; it starts
// once the page is ready for it.
document.addEventListener("DOMContentLoaded", () => StellarionPage.start());
var Module = {
  preRun: [() => {
    if (document.readyState !== "loading") return;
    addRunDependency("page");
    document.addEventListener("DOMContentLoaded", () => removeRunDependency("page"));
  }],
};
