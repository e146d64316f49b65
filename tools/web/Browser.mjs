// Drives the browser build in the system's headless chromium (and, for the
// tests every engine runs, Firefox ESR and WebKitGTK), for the browser tests
// and the measures: a local server for the built page, a fresh browser
// profile, taps played from simulator scripts, and the canvas compared with
// the simulator's shots.
import { spawn } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { createInterface } from "node:readline";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { launchWebKit, webKitInstalled } from "./WebKit.mjs";

const Here = dirname(fileURLToPath(import.meta.url));
export const Chromium = "/usr/bin/chromium";
export const Firefox = "/usr/bin/firefox-esr";

// Starts tools/web/Serve.mjs on a free port with its options ("isolated",
// "max-age=SECONDS"); resolves to { url, stop, requests, answered } where
// requests lists every response as { status, bytes, path }, and
// answered(match) resolves to the next response for which match is true.
export function serve(site, ...options) {
  return new Promise((resolve, reject) => {
    const server = spawn(process.execPath, [join(Here, "Serve.mjs"), site, "0", ...options],
                         { stdio: ["ignore", "pipe", "inherit"] });
    server.on("error", reject);
    const lines = createInterface({ input: server.stdout });
    const requests = [];
    let waiting = [];
    const answered = (match) => new Promise((found) => waiting.push({ match, found }));
    lines.on("line", (line) => {
      const served = /^serving (\S+)/.exec(line);
      if (served) {
        resolve({ url: served[1], stop: () => server.kill(), requests, answered });
        return;
      }
      const [status, bytes, path] = line.split(" ");
      const request = { status: Number(status), bytes: Number(bytes), path };
      requests.push(request);
      const met = waiting.filter(({ match }) => match(request));
      waiting = waiting.filter((waiter) => !met.includes(waiter));
      met.forEach(({ found }) => found(request));
    });
  });
}

// A headless chromium with a profile of its own, removed on close.
export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), "stellarion-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: Chromium,
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           `--user-data-dir=${profile}`],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The engines installed here, of chromium, firefox and webkit.
export const installedEngines = () => [["chromium", existsSync(Chromium)], ["firefox", existsSync(Firefox)],
                                       ["webkit", webKitInstalled()]].filter(([, found]) => found).map(([name]) => name);

// One page in a fresh profile of the engine (chromium, firefox or webkit;
// WebKit's at `scale` physical pixels per CSS pixel, which only its start
// sets); resolves to { page, errors, close }: errors gathers what the page's
// console reports as an error, its uncaught exceptions and its failed
// requests, or is null where the engine's driver does not tell (WebKit's
// WebDriver).
export async function launchEngine(engine, { scale = 1 } = {}) {
  if (engine === "webkit") return { ...await launchWebKit({ scale }), errors: null };
  let browser, close;
  if (engine === "chromium") {
    ({ browser, close } = await launch());
  } else {
    const profile = mkdtempSync(join(tmpdir(), "stellarion-firefox-"));
    browser = await puppeteer.launch({ browser: "firefox", executablePath: Firefox, headless: true, userDataDir: profile });
    close = async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    };
  }
  const page = await browser.newPage();
  const errors = [];
  page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  page.on("pageerror", (error) => errors.push(String(error)));
  page.on("requestfailed", (request) => errors.push(`${request.url()}: ${request.failure()?.errorText}`));
  return { page, errors, close };
}

export const waitIdle = (page) => page.waitForFunction(() => StellarionPage.isIdle(), { timeout: 20000 });

// Opens the page at url on a viewport (CSS pixels, and physical pixels per
// CSS pixel) and waits for the program to settle.
// A page in a browser context of its own (no service worker of another),
// its processor slowed as Lighthouse's mobile preset does (4x), that
// collects the durations of its long tasks (ms) in window.longTasks.
export async function slowPage(browser) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const client = await page.createCDPSession();
  await client.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  await page.evaluateOnNewDocument(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.longTasks.push(Math.round(entry.duration));
    }).observe({ type: "longtask", buffered: true });
  });
  return { context, page };
}

export async function open(page, url, width, height, ratio = 1) {
  await page.setViewport({ width, height, deviceScaleFactor: ratio });
  await page.goto(url, { waitUntil: "load" });
  await waitIdle(page);
}

async function pointAt(page, x, y) {
  const box = await page.$eval("#screen", (canvas) => {
    const r = canvas.getBoundingClientRect();
    const [width, height] = StellarionPage.chosenScreen();
    return { left: r.left, top: r.top, scaleX: r.width / width, scaleY: r.height / height };
  });
  return [box.left + (x + 0.5) * box.scaleX, box.top + (y + 0.5) * box.scaleY];
}

// Plays a simulator script (tap, press, release, drag, key, deactivate,
// activate, shot) on the page; shot lines call onShot(name) with the shot's
// file name.
export async function play(page, script, onShot) {
  for (const line of script.split("\n")) {
    const [verb, a, b] = line.trim().split(/\s+/);
    if (!verb || verb.startsWith("#")) continue;
    if (["tap", "press", "release", "drag"].includes(verb)) {
      const [x, y] = await pointAt(page, Number(a), Number(b));
      await page.mouse.move(x, y);
      if (verb === "tap" || verb === "press") await page.mouse.down();
      if (verb === "tap") await waitIdle(page);
      if (verb === "tap" || verb === "release") await page.mouse.up();
    } else if (verb === "key") {
      await page.keyboard.press(a === "up" ? "ArrowUp" : "ArrowDown");
    } else if (verb === "deactivate" || verb === "activate") {
      // As when the window loses the focus to another one, and gets it back.
      await page.evaluate((type) => window.dispatchEvent(new Event(type)), verb === "activate" ? "focus" : "blur");
    } else if (verb === "shot") {
      await onShot(a);
      continue;
    } else {
      throw new Error(`cannot play "${line}" in a browser`);
    }
    await waitIdle(page);
  }
}

// Differences between what is shown and a PNG of the device screen: the
// pixels of `shown` (a PNG as base64, such as a screenshot, or null for the
// canvas) in the rectangle `place` ({ left, top, width, height }; null for
// all of them) show the device screen scaled to that size. Where a shown
// pixel lies wholly inside one device pixel's square (every pixel at a whole
// factor; away from the blended seams when scaled sharply, with a tenth of a
// device pixel's room) it must have that device pixel's colour, it or a
// shown pixel up to `slack` away (headless chromium shifts a composited
// picture by a row here and there). Resolves to
// { compared, differing, first } where first is [x, y, shown colour,
// device colour] of the first differing pixel, or null; differing is -1
// when the size is not the device screen's scaled.
export function compareShown(page, shown, pngFile, place = null, slack = 0) {
  const png = readFileSync(pngFile).toString("base64");
  return page.evaluate(async (shownData, deviceData, placed, slack) => {
    const decode = async (data) => {
      const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], { type: "image/png" }),
                                             { colorSpaceConversion: "none", premultiplyAlpha: "none" });
      const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
      scratch.drawImage(bitmap, 0, 0);
      return { width: bitmap.width, height: bitmap.height,
               data: scratch.getImageData(0, 0, bitmap.width, bitmap.height).data };
    };
    const canvas = document.getElementById("screen");
    const image = shownData ? await decode(shownData)
      : { width: canvas.width, height: canvas.height,
          data: canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data };
    const device = await decode(deviceData);
    const { left, top, width, height } = placed || { left: 0, top: 0, width: image.width, height: image.height };
    const scaleX = width / device.width, scaleY = height / device.height;
    if (Math.abs(scaleX - scaleY) * Math.min(device.width, device.height) > 1)
      return { compared: 0, differing: -1, first: [width, height] };
    // The device pixel under a shown pixel, or -1 across a seam.
    const under = (p, size, deviceSize) => {
      const first = p * deviceSize / size, last = (p + 1) * deviceSize / size;
      const room = Number.isInteger(size / deviceSize) ? 0 : 0.1;
      return Math.floor(first - room) === Math.floor(last + room - 1e-9) ? Math.floor(first) : -1;
    };
    let compared = 0, differing = 0, first = null;
    for (let y = 0; y < height; ++y) {
      const dy = under(y, height, device.height);
      if (dy < 0) continue;
      for (let x = 0; x < width; ++x) {
        const dx = under(x, width, device.width);
        if (dx < 0) continue;
        const j = (dy * device.width + dx) * 4;
        const matches = (sx, sy) => {
          const i = ((top + sy) * image.width + left + sx) * 4;
          return image.data[i] === device.data[j] && image.data[i + 1] === device.data[j + 1] &&
            image.data[i + 2] === device.data[j + 2];
        };
        ++compared;
        let near = matches(x, y);
        for (let d = 1; d <= slack && !near; ++d)
          near = [[x - d, y], [x + d, y], [x, y - d], [x, y + d]].some(([sx, sy]) =>
            sx >= 0 && sy >= 0 && sx < width && sy < height && matches(sx, sy));
        if (near) continue;
        const i = ((top + y) * image.width + left + x) * 4;
        ++differing;
        first ??= [x, y, [...image.data.slice(i, i + 3)], [...device.data.slice(j, j + 3)]];
      }
    }
    return { compared, differing, first };
  }, shown, png, place, slack);
}

// The canvas against a PNG of the device screen (compareShown).
export const compareCanvas = (page, pngFile) => compareShown(page, null, pngFile);

// Runs the simulator on a script, with a settings folder of its own so that
// the user's record is never read or written; resolves to its output.
export function simulate(simulator, screen, script) {
  const config = mkdtempSync(join(tmpdir(), "stellarion-config-"));
  return new Promise((resolve, reject) => {
    const sim = spawn(simulator, ["--screen", screen, "--config-dir", config], { stdio: ["pipe", "pipe", "inherit"] });
    let output = "";
    sim.stdout.setEncoding("utf8");
    sim.stdout.on("data", (chunk) => { output += chunk; });
    sim.on("error", reject);
    sim.on("close", (code) => (code === 0 ? resolve(output) : reject(new Error(`simulator exited ${code}`))));
    sim.stdin.end(script);
  }).finally(() => rmSync(config, { recursive: true, force: true }));
}
