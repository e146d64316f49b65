// Drives WebKitGTK's MiniBrowser for the browser tests, through
// WebKitWebDriver on a display of its own (Xvfb), with the part of
// puppeteer's Page that tools/web/Browser.mjs and the tests use, spoken in
// the WebDriver protocol: goto, reload, setViewport (at the pixel ratio the
// browser was started with), evaluate, waitForFunction, $eval, the mouse and
// the keys.
import { spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { createServer } from "node:net";

export const WebKitDriver = "/usr/bin/WebKitWebDriver";

// Debian installs the browser under the machine's library folder.
export function miniBrowser() {
  for (const folder of readdirSync("/usr/lib")) {
    const path = `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`;
    if (existsSync(path)) return path;
  }
  return null;
}

export const webKitInstalled = () => existsSync(WebKitDriver) && existsSync("/usr/bin/Xvfb") && miniBrowser() !== null;

// The WebDriver codes of the keys the tests press.
const Keys = {
  Backspace: "\uE003", Tab: "\uE004", Enter: "\uE007", Shift: "\uE008", Escape: "\uE00C",
  ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014", ArrowDown: "\uE015",
};

const freePort = () => new Promise((resolve, reject) => {
  const probe = createServer().on("error", reject).listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// Starts a child process, ended with the returned stop().
function start(command, args, options) {
  const child = spawn(command, args, options);
  return { child, stop: () => child.kill() };
}

// A display of its own: { display, stop }, once Xvfb has written the number
// of the free display it took.
function startDisplay() {
  const xvfb = start("Xvfb", ["-displayfd", "1", "-screen", "0", "2560x2560x24", "-nolisten", "tcp"],
                     { stdio: ["ignore", "pipe", "ignore"] });
  return new Promise((resolve, reject) => {
    xvfb.child.on("error", reject);
    xvfb.child.on("exit", (code) => reject(new Error(`Xvfb exited ${code}`)));
    let text = "";
    xvfb.child.stdout.on("data", (chunk) => {
      text += chunk;
      if (text.includes("\n")) resolve({ display: `:${text.trim()}`, stop: xvfb.stop });
    });
  });
}

// A WebDriver session's commands: resolves to the reply's value, rejects
// with the driver's message.
function commands(base) {
  return async (method, path, body) => {
    const reply = await fetch(`${base}${path}`, {
      method, headers: { "Content-Type": "application/json" }, body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await reply.json();
    if (!reply.ok) throw new Error(`WebDriver ${method} ${path}: ${value?.error}: ${value?.message}`);
    return value;
  };
}

// Runs a function's source in the page with its arguments, awaited; the
// result comes back as JSON.
const AsyncScript = `const done = arguments[arguments.length - 1];
const [source, args] = arguments;
Promise.resolve().then(() => (0, eval)("(" + source + ")")(...args))
  .then((value) => done({ value: value === undefined ? null : value }),
        (error) => done({ error: String(error && error.stack || error) }));`;

function webKitPage(send, session, scale) {
  const at = (path) => `/session/${session}${path}`;
  const pointer = { x: 0, y: 0 };
  const act = (actions) => send("POST", at("/actions"), { actions: [actions] });
  const mouseActions = (...steps) => act({ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" }, actions: steps });
  // A key held down stays down across action lists until its up.
  const keys = (...steps) => act({ type: "key", id: "keys", actions: steps });
  const moveTo = () => ({ type: "pointerMove", duration: 0, origin: "viewport", x: Math.floor(pointer.x), y: Math.floor(pointer.y) });

  const page = {
    async goto(url) {
      await send("POST", at("/url"), { url });
    },
    async reload() {
      await send("POST", at("/refresh"), {});
    },
    // The window made as much larger as its frame and toolbar take.
    async setViewport({ width, height, deviceScaleFactor = 1 }) {
      if (deviceScaleFactor !== scale) throw new Error(`this browser was started at ${scale} pixels per CSS pixel`);
      const frame = await page.evaluate(() => [outerWidth - innerWidth, outerHeight - innerHeight]);
      await send("POST", at("/window/rect"), { width: width + frame[0], height: height + frame[1] });
      await page.waitForFunction((w, h) => innerWidth === w && innerHeight === h, {}, width, height);
    },
    async evaluate(fn, ...args) {
      const result = await send("POST", at("/execute/async"), { script: AsyncScript, args: [String(fn), args] });
      if (result?.error) throw new Error(`in the page: ${result.error}`);
      return result?.value ?? null;
    },
    // Asks again until the function's answer is true, or fails after the
    // timeout; a page that is being replaced is asked again.
    async waitForFunction(fn, options = {}, ...args) {
      const { timeout = 30000, polling = 50 } = options;
      const deadline = Date.now() + timeout;
      for (;;) {
        const answer = await page.evaluate(fn, ...args).catch((error) => {
          if (Date.now() > deadline) throw error;
          return null;
        });
        if (answer) return answer;
        if (Date.now() > deadline) throw new Error(`waiting for ${String(fn).slice(0, 80)} timed out`);
        await new Promise((resolve) => setTimeout(resolve, polling));
      }
    },
    $eval(selector, fn, ...args) {
      return page.evaluate((s, source, rest) => (0, eval)(`(${source})`)(document.querySelector(s), ...rest),
                           selector, String(fn), args);
    },
    mouse: {
      async move(x, y) {
        Object.assign(pointer, { x, y });
        await mouseActions(moveTo());
      },
      down: () => mouseActions(moveTo(), { type: "pointerDown", button: 0 }),
      up: () => mouseActions(moveTo(), { type: "pointerUp", button: 0 }),
    },
    keyboard: {
      press: (key) => keys({ type: "keyDown", value: Keys[key] ?? key }, { type: "keyUp", value: Keys[key] ?? key }),
      down: (key) => keys({ type: "keyDown", value: Keys[key] ?? key }),
      up: (key) => keys({ type: "keyUp", value: Keys[key] ?? key }),
    },
  };
  return page;
}

// A MiniBrowser with a fresh profile on a display of its own, at `scale`
// physical pixels per CSS pixel (a whole number: the toolkit's scale);
// resolves to { page, close }.
export async function launchWebKit({ scale = 1 } = {}) {
  const display = await startDisplay();
  const port = await freePort();
  const driver = start(WebKitDriver, [`--port=${port}`],
                       { env: { ...process.env, DISPLAY: display.display, GDK_SCALE: String(scale) }, stdio: "ignore" });
  const stop = () => {
    driver.stop();
    display.stop();
  };
  try {
    const send = commands(`http://127.0.0.1:${port}`);
    // The driver answers once it listens.
    let exited = false;
    driver.child.on("exit", () => { exited = true; });
    for (let ready = false; !ready;) {
      if (exited) throw new Error("WebKitWebDriver exited");
      ready = await send("GET", "/status").then((status) => status.ready, () => false);
      if (!ready) await new Promise((resolve) => setTimeout(resolve, 50));
    }
    const { sessionId } = await send("POST", "/session", {
      capabilities: { alwaysMatch: { "webkitgtk:browserOptions": { binary: miniBrowser(), args: ["--automation"] } } },
    });
    return {
      page: webKitPage(send, sessionId, scale),
      async close() {
        await send("DELETE", `/session/${sessionId}`).catch(() => {});
        stop();
      },
    };
  } catch (error) {
    stop();
    throw error;
  }
}
