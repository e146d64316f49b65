// What must hold in every browser engine, run in one of them: the start
// and the pixels equal to the simulator's at each scale the engine can be
// driven at, a tap flow, the keyboard, the described screen over the
// canvas, the saved record, a canvas that lost its pixels drawn again, an
// offline start without an error, and a new release that takes over within
// one reload.
//
//   node tests/web/EngineTest.mjs SITE_FOLDER SIMULATOR chromium|firefox|webkit
import assert from "node:assert/strict";
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { compareCanvas, launchEngine, open, play, serve, simulate, waitIdle } from "../../tools/web/Browser.mjs";
import { CreationRecord, placeOf, RecordItem, Scripts, simulatorScript } from "./Scripts.mjs";

const [site, simulator, engine] = process.argv.slice(2);
// WebKit's browser takes its pixel ratio when it starts, and its toolbar
// keeps the window wider than 447 pixels.
const FixedRatio = engine === "webkit";
const NarrowestViewport = engine === "webkit" ? 480 : 0;

let server, browser, page, shots;

before(async () => {
  server = await serve(site);
  browser = await launchEngine(engine);
  page = browser.page;
  shots = mkdtempSync(join(tmpdir(), `stellarion-${engine}-`));
});

after(async () => {
  await browser?.close();
  server?.stop();
  if (shots) rmSync(shots, { recursive: true, force: true });
});

// The simulator's shot of the screen after the script's lines.
async function simulatorShot(screen, name, lines = []) {
  const file = join(shots, `${name}.png`);
  await simulate(simulator, screen, [...lines, `shot ${file}`].join("\n") + "\n");
  return file;
}

async function expectSame(tab, pngFile, what) {
  const result = await compareCanvas(tab, pngFile);
  assert.equal(result.differing, 0, `${engine}, ${what}: ${result.differing} pixels differ, first at ${result.first}`);
}

// Opens the page on a screen: on a viewport of its size, or one twice as
// large with the screen named in the address where the engine's window
// cannot be that narrow.
async function openScreen(tab, url, screen) {
  const [width, height] = screen.split("x").map(Number);
  if (width >= NarrowestViewport) await open(tab, url, width, height);
  else await open(tab, `${url}?screen=${screen}`, 2 * width, 2 * height);
}

const tapLine = (screen, place) => `tap ${placeOf(screen, place).join(" ")}`;
const storedRecord = () => page.evaluate((item) => localStorage.getItem(item), RecordItem);

describe(`in ${engine}`, () => {
  // Viewport (CSS pixels and physical pixels per CSS pixel) and the screen
  // it gets: at one, two and three physical pixels per CSS pixel, at whole
  // factors and smoothed.
  const Viewports = [
    [240, 320, 1, "240x320"], [960, 1280, 1, "480x640"], [1280, 800, 1, "800x480"],
    [768, 1024, 2, "480x640"], [390, 844, 3, "480x800"], [480, 800, 3, "480x800"],
  ].filter(([width]) => width >= NarrowestViewport);
  for (const [width, height, ratio, screen] of Viewports) {
    test(`starts on ${width}x${height} at ${ratio} with the main menu of ${screen}, as the simulator draws it`, async () => {
      const scaled = FixedRatio && ratio !== 1 ? await launchEngine(engine, { scale: ratio }) : null;
      const tab = scaled?.page ?? page;
      try {
        await open(tab, server.url, width, height, ratio);
        assert.deepEqual(await tab.evaluate(() => [devicePixelRatio, ...StellarionPage.chosenScreen()]),
                         [ratio, ...screen.split("x").map(Number)]);
        await expectSame(tab, await simulatorShot(screen, `menu-${screen}-${ratio}`), `the main menu on ${width}x${height}`);
      } finally {
        await scaled?.close();
      }
    });
  }

  for (const [name, screen] of [["compatibility", "480x640"], ["about-help", "240x320"]]) {
    test(`plays ${name} on ${screen} as the simulator does`, async () => {
      const folder = join(shots, `${name}-${screen}`);
      mkdirSync(folder);
      const script = simulatorScript(name, screen, folder);
      await simulate(simulator, screen, script);
      await openScreen(page, server.url, screen);
      await play(page, script, (file) => expectSame(page, file, file));
    });
  }

  test("typed keys tap the on-screen keyboard's keys", async () => {
    const taps = ["numerology", "dayBox", "backspace", "backspace", "enter"].map((place) => tapLine("480x640", place));
    const expected = await simulatorShot("480x640", "typed", taps);
    await open(page, server.url, 480, 640);
    await play(page, taps.slice(0, 2).join("\n"));
    for (const key of ["Backspace", "Backspace", "Enter"]) {
      await page.keyboard.press(key);
      await waitIdle(page);
    }
    await expectSame(page, expected, "typed");
  });

  test("the described screen: Tab and Shift+Tab go in reading order, Enter opens Help, Escape closes it", async () => {
    await open(page, server.url, 480, 700);
    const activeName = () => page.evaluate(() => document.activeElement?.getAttribute("aria-label") || "");
    const names = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press("Tab");
      names.push(await activeName());
    }
    assert.deepEqual(names, ["About", "Help", "Exit", "Matchmaker by Sign"]);
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    assert.equal(await activeName(), "Help", "Shift+Tab goes back");
    await page.keyboard.press("Enter");
    await waitIdle(page);
    assert.equal(await page.evaluate(() => document.querySelector("#described dialog[open]")?.getAttribute("aria-label")),
                 "Help");
    const expected = await simulatorShot("480x640", "help", [tapLine("480x640", "help")]);
    await expectSame(page, expected, "Help");
    await page.keyboard.press("Escape");
    await waitIdle(page);
    assert.equal(await page.evaluate(() => document.querySelector("#described dialog[open]")), null, "Escape closed Help");
  });

  test("the record is created on exit, and one of the right size is kept as it is", async () => {
    const exit = async () => {
      await play(page, tapLine("240x320", "exit"));
      await page.waitForFunction(() => !document.getElementById("ended").hidden);
    };
    await openScreen(page, server.url, "240x320");
    await page.evaluate(() => localStorage.clear());
    await openScreen(page, server.url, "240x320");
    await exit();
    assert.equal(await storedRecord(), CreationRecord);
    const kept = "05" + "ab".repeat(31) + "09000000" + "cd".repeat(4);
    await page.evaluate((item, value) => localStorage.setItem(item, value), RecordItem, kept);
    await openScreen(page, server.url, "240x320");
    await exit();
    assert.equal(await storedRecord(), kept);
  });

  test("a canvas whose pixels the browser dropped is drawn again once the page is shown", async () => {
    await openScreen(page, server.url, "240x320");
    await page.evaluate(() => {
      const canvas = document.getElementById("screen");
      canvas.getContext("2d").clearRect(0, 0, canvas.width, canvas.height);
      // As a browser says it has the canvas back: by its own event where it
      // has one, otherwise by showing the page again.
      const back = "oncontextrestored" in canvas ? "contextrestored" : "visibilitychange";
      (back === "contextrestored" ? canvas : document).dispatchEvent(new Event(back));
    });
    await waitIdle(page);
    await expectSame(page, await simulatorShot("240x320", "restored"), "drawn again");
  });
});

// A first visit in a fresh profile on a server of its own, which then
// stops: the page starts again at once with its first frame, and a screen
// whose frame was never fetched starts too, each without an error.
describe(`offline, in ${engine}`, () => {
  test("the installed page starts with the server gone, its first frame at once, without an error", async () => {
    const own = await serve(site);
    const fresh = await launchEngine(engine);
    const tab = fresh.page;
    let stopped = false;
    try {
      await openScreen(tab, own.url, "240x320");
      // Installed: the worker controls the page and keeps its first frame.
      await tab.waitForFunction(async () => navigator.serviceWorker.controller !== null &&
        (await caches.keys()).length === 1 && (await caches.match("first-480x800.webp")) !== undefined,
      { timeout: 30000, polling: 100 });
      own.stop();
      stopped = true;
      const firstFrame = () => tab.evaluate(() => {
        const image = document.getElementById("first-frame");
        return [image.complete, image.naturalWidth, image.naturalHeight];
      });
      await openScreen(tab, own.url, "240x320");
      assert.deepEqual(await firstFrame(), [true, 480, 800], "the first frame came from the cache");
      await expectSame(tab, await simulatorShot("240x320", "offline"), "offline start");
      // Another screen's frame is not kept: a stand-in the page leaves out.
      await open(tab, own.url, 480, 480);
      const [complete, frameWidth] = await firstFrame();
      assert.ok(complete && frameWidth !== 0, "the missing frame's stand-in loaded");
      await expectSame(tab, await simulatorShot("480x480", "offline-other"), "offline start on another screen");
      if (fresh.errors) assert.deepEqual(fresh.errors, []);
    } finally {
      await fresh.close();
      if (!stopped) own.stop();
    }
  });
});

describe(`a new release, in ${engine}`, { skip: engine === "webkit" && "WebKit's driver cannot act on a page before its scripts run" }, () => {
  // A copy of the site served as many static hosts serve files, cacheable
  // for ten minutes, and rebuilt in place: each time another page and a
  // service worker of another version, as a build stamps them.
  let copy, host, releaseBrowser, installed, version;
  const release = () => installed.$eval('meta[name="release"]', (m) => m.content).catch(() => "the first release");
  const cacheNames = () => installed.evaluate(() => caches.keys());
  function rebuild(name) {
    for (const file of ["ServiceWorker.js", "index.html"]) {
      const built = readFileSync(join(site, file), "utf8");
      writeFileSync(join(copy, file), file === "index.html"
        ? built.replace("<head>", `<head>\n<meta name="release" content="${name}">`)
        : built.replace(version, `${version}-${name}`));
    }
    return `stellarion-${version}-${name}`;
  }

  before(async () => {
    copy = mkdtempSync(join(tmpdir(), "stellarion-release-"));
    cpSync(site, copy, { recursive: true });
    // The built worker is minified: its version is found by its name alone.
    version = /\bVersion\s*=\s*"([^"]+)"/.exec(readFileSync(join(site, "ServiceWorker.js"), "utf8"))[1];
    host = await serve(copy, "max-age=600");
    releaseBrowser = await launchEngine(engine);
    installed = releaseBrowser.page;
    await open(installed, host.url, 240, 320);
    await installed.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
    // Installed, the page now starts from the worker's cache.
    await installed.reload({ waitUntil: "load" });
    await waitIdle(installed);
  });

  after(async () => {
    await releaseBrowser?.close();
    host?.stop();
    if (copy) rmSync(copy, { recursive: true, force: true });
  });

  test("reloads a page nobody has used yet into itself", async () => {
    const cache = rebuild("untouched");
    await installed.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    // Whichever worker answered its reload, the page ends up settled in the
    // new release, with only its cache.
    await installed.waitForFunction(async (name) => document.querySelector('meta[name="release"]')?.content === "untouched" &&
      StellarionPage.isIdle() && (await caches.keys()).join() === name, { timeout: 30000, polling: 100 }, cache);
  });

  // The page is reloaded, which finds the new worker, and reloaded again
  // while that worker installs: the moment the server has sent it, and in
  // later rounds once the server has sent one, two, ... of the files it
  // asks for. Used at once on every load, the page never reloads itself:
  // each reload is the test's.
  test("takes over within one reload however the reload meets its worker's install, and only its cache is left", { timeout: 300000 }, async () => {
    await installed.evaluateOnNewDocument(() => document.addEventListener("DOMContentLoaded", () =>
      document.dispatchEvent(new KeyboardEvent("keydown", { key: "x" }))));
    for (let round = 1; round <= 10; ++round) {
      const cache = rebuild(String(round));
      let answered = -1;  // the responses since the server sent the new worker
      const installing = host.answered(({ path, status }) => {
        if (answered >= 0) ++answered;
        else if (path === "/ServiceWorker.js" && status === 200) answered = 0;
        return answered === round - 1;
      });
      await installed.reload({ waitUntil: "load" });
      await installing;
      await installed.reload({ waitUntil: "load" });
      await installed.waitForFunction(async (name) => (await caches.keys()).join() === name,
                                      { timeout: 20000, polling: 50 }, cache);
      await installed.reload({ waitUntil: "load" });
      assert.equal(await release(), String(round), `round ${round}`);
      assert.deepEqual(await cacheNames(), [cache], `round ${round}`);
    }
  });
});
