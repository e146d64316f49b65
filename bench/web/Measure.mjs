// Measures of the browser build beside the desktop build, on this machine:
//  - the bytes a first visit transfers (the page, the program, and the
//    service worker's copy of everything), against at most 3 MB;
//  - navigation to the first complete frame in headless chromium, on a first
//    visit and on a later one (from the service worker's cache), against at
//    most 300 ms, beside the desktop build's exec to its first frame;
//  - a full paint of the heaviest page (the longest compatibility reading,
//    640 x 480) in the browser against the same paint natively, at most 3x.
//
//   node bench/web/Measure.mjs SITE_FOLDER NATIVE_BUILD_FOLDER
import { execFileSync, spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, open, play, serve, waitIdle } from "../../tools/web/Browser.mjs";

const Here = dirname(fileURLToPath(import.meta.url));
const [site, native] = process.argv.slice(2);
const Runs = 5;
const PaintCount = 200;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => (value < 10 ? `${value.toFixed(3)} ms` : `${value.toFixed(1)} ms`);

// Aquarius and Gemini, the longest reading, on the 320-unit-wide layout.
const HeaviestPage = "tap 160 332\ntap 280 208\ntap 120 400\ntap 338 464\n";

async function firstVisit(server) {
  const chromium = await launch();
  try {
    const page = await chromium.browser.newPage();
    const before = server.requests.length;
    await open(page, server.url, 480, 640);
    await page.evaluate(() => navigator.serviceWorker.ready);
    // The service worker's own copy of every file is part of a first visit.
    await page.waitForFunction(async () => (await caches.keys()).length > 0 &&
      (await (await caches.open((await caches.keys())[0])).keys()).length >= 8, { timeout: 20000 });
    const bytes = server.requests.slice(before).reduce((sum, r) => sum + r.bytes, 0);
    const cold = await page.evaluate(() => StellarionPage.firstFrameTime());
    await page.reload({ waitUntil: "load" });
    await waitIdle(page);
    const warm = await page.evaluate(() => StellarionPage.firstFrameTime());
    return { bytes, cold, warm };
  } finally {
    await chromium.close();
  }
}

// The desktop build started as bench/desktop.sh starts it, with the same
// preloaded note of its first frame, on SDL's window-less video driver.
function desktopFirstFrame() {
  const work = mkdtempSync(join(tmpdir(), "stellarion-desktop-"));
  const shim = join(work, "first-frame.so");
  const flags = execFileSync("pkg-config", ["--cflags", "sdl2"], { encoding: "utf8" }).trim().split(/\s+/);
  execFileSync("cc", ["-O2", "-shared", "-fPIC", ...flags, join(Here, "..", "FirstFrame.c"), "-o", shim, "-ldl"]);
  const frameFile = join(work, "frame");
  const once = () => new Promise((resolve, reject) => {
    rmSync(frameFile, { force: true });
    // The shim notes the wall clock in nanoseconds.
    const startMs = performance.timeOrigin + performance.now();
    const program = spawn(join(native, "stellarion"), [], {
      env: { ...process.env, LD_PRELOAD: shim, FIRST_FRAME_FILE: frameFile, SDL_VIDEODRIVER: "dummy",
             STELLARION_SCREEN: "480x640", XDG_CONFIG_HOME: work, XDG_RUNTIME_DIR: work },
      stdio: "ignore",
    });
    const poll = setInterval(() => {
      let noted;
      try { noted = readFileSync(frameFile, "utf8").trim(); } catch { return; }
      if (!noted) return;
      clearInterval(poll);
      program.kill();
      resolve(Number(noted) / 1e6 - startMs);
    }, 2);
    program.on("error", (error) => { clearInterval(poll); reject(error); });
  });
  return Array.from({ length: Runs }, () => once).reduce(
    (done, next) => done.then(async (times) => [...times, await next()]), Promise.resolve([]))
    .finally(() => rmSync(work, { recursive: true, force: true }));
}

async function browserPaint(server) {
  const chromium = await launch();
  try {
    const page = await chromium.browser.newPage();
    await open(page, server.url, 640, 480);
    await play(page, HeaviestPage);
    // The paint proper runs from the program taking the message to its
    // handing the frame to the canvas; the rest is waking and waiting.
    await page.evaluate(() => {
      const { takeEvent, present } = StellarionPage;
      window.paintTime = 0;
      let taken = null;
      StellarionPage.takeEvent = () => {
        const next = takeEvent();
        if (next) taken = performance.now();
        return next;
      };
      StellarionPage.present = (...args) => {
        if (taken !== null) window.paintTime += performance.now() - taken;
        taken = null;
        present(...args);
      };
    });
    await page.evaluate(() => StellarionPage.timeFullPaints(50));  // warms the code up
    const batches = [];
    for (let i = 0; i < Runs; ++i) {
      batches.push(await page.evaluate(async (n) => {
        window.paintTime = 0;
        const total = await StellarionPage.timeFullPaints(n);
        return { total: total / n, paint: window.paintTime / n };
      }, PaintCount));
    }
    return { total: median(batches.map((b) => b.total)), paint: median(batches.map((b) => b.paint)) };
  } finally {
    await chromium.close();
  }
}

function nativePaint() {
  const json = execFileSync(join(native, "bench", "stellarion_bench"),
    ["--benchmark_filter=^FullPaint/CompatibilityLongest/640x480$", "--benchmark_format=json",
     "--benchmark_repetitions=5"], { encoding: "utf8" });
  const runs = JSON.parse(json).benchmarks.filter((b) => b.run_type === "iteration");
  const unit = { ns: 1e-6, us: 1e-3, ms: 1 };
  return median(runs.map((b) => b.real_time * unit[b.time_unit]));
}

const server = await serve(site);
try {
  const visits = [];
  for (let i = 0; i < Runs; ++i) visits.push(await firstVisit(server));
  const bytes = median(visits.map((v) => v.bytes));
  const cold = median(visits.map((v) => v.cold)), warm = median(visits.map((v) => v.warm));
  const desktop = median(await desktopFirstFrame());
  // Fine timers for the paint, which lasts a fraction of a millisecond.
  const isolated = await serve(site, "isolated");
  const web = await browserPaint(isolated).finally(() => isolated.stop());
  const desk = nativePaint();
  const mb = bytes / 1e6;
  console.log(`first-load transfer         ${mb.toFixed(2)} MB (target <= 3 MB)  ${mb <= 3 ? "ok" : "OVER"}`);
  console.log(`first frame, first visit    ${ms(cold)} after navigation (target <= 300 ms)  ${cold <= 300 ? "ok" : "OVER"}`);
  console.log(`first frame, later visit    ${ms(warm)} after navigation (from the service worker)`);
  console.log(`desktop exec to first frame ${ms(desktop)}`);
  console.log(`heaviest page full paint    browser ${ms(web.paint)} (${ms(web.total)} from message to waiting again), ` +
              `native ${ms(desk)}: ${(web.paint / desk).toFixed(1)}x (target <= 3x)  ${web.paint <= 3 * desk ? "ok" : "OVER"}`);
  console.log(`(medians of ${Runs} visits, runs and batches of ${PaintCount} paints)`);
} finally {
  server.stop();
}
