// The browser build in headless chromium: the same tap scripts as the
// simulator give the same pixels on four screens; the screen follows the
// viewport's physical pixels and sits on whole ones, filled and sharp, on
// phones, a tablet and a desktop browser, and shows its first frame before
// the program has loaded; the saved record, the message boxes, the end page and
// the one-copy rule behave as on the desktop; the described document over
// the canvas serves a screen reader and the keyboard, and axe-core finds
// nothing to report.
//
//   node tests/web/BrowserTest.mjs SITE_FOLDER SIMULATOR
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { after, before, describe, test } from "node:test";
import { compareCanvas, compareShown, launch, open, play, serve, simulate, waitIdle } from "../../tools/web/Browser.mjs";
import { CreationRecord, placeOf, RecordItem, Scripts, Screens, simulatorScript } from "./Scripts.mjs";
import { axeViolations } from "../../bench/web/Accessibility.mjs";

const [site, simulator] = process.argv.slice(2);

let server, chromium, page, shots;

before(async () => {
  server = await serve(site);
  chromium = await launch();
  page = await chromium.browser.newPage();
  shots = mkdtempSync(join(tmpdir(), "stellarion-shots-"));
});

after(async () => {
  await chromium?.close();
  server?.stop();
  if (shots) rmSync(shots, { recursive: true, force: true });
});

const sizeOf = (screen) => screen.split("x").map(Number);
const deviceSize = () => page.evaluate(() => StellarionPage.chosenScreen());
const endedTitle = () => page.$eval("#ended", (e) => (e.hidden ? null : e.querySelector("h1").textContent));
const storedRecord = () => page.evaluate((item) => localStorage.getItem(item), RecordItem);

async function expectSame(pngFile, what) {
  const result = await compareCanvas(page, pngFile);
  assert.equal(result.differing, 0, `${what}: ${result.differing} pixels differ, first at ${result.first}`);
}

// Taps a named place, as the scripts do.
const tapAt = (screen, place) => play(page, `tap ${placeOf(screen, place).join(" ")}`);

async function dialogSays() {
  await page.waitForSelector("#message[open]", { timeout: 20000 });
  const said = await page.$eval("#message", (d) => [d.querySelector("h1").textContent, d.querySelector("p").textContent]);
  await page.click("#message button");
  return said;
}

describe("the same pixels as the simulator", () => {
  for (const screen of Object.keys(Screens)) {
    for (const name of Object.keys(Scripts)) {
      test(`${name} on ${screen}`, async () => {
        const folder = join(shots, `${name}-${screen}`);
        mkdirSync(folder);
        const script = simulatorScript(name, screen, folder);
        await simulate(simulator, screen, script);
        const [width, height] = sizeOf(screen);
        await open(page, server.url, width, height);
        assert.deepEqual(await deviceSize(), [width, height]);
        await play(page, script, (file) => expectSame(file, file));
      });
    }
  }
});

describe("the page", () => {
  test("a touch is a tap", async () => {
    const expected = join(shots, "touched.png");
    await simulate(simulator, "240x320", `tap ${placeOf("240x320", "about").join(" ")}\nshot ${expected}\n`);
    await page.setViewport({ width: 240, height: 320, deviceScaleFactor: 1, hasTouch: true });
    await page.goto(server.url, { waitUntil: "load" });
    await waitIdle(page);
    await page.touchscreen.tap(...placeOf("240x320", "about").map((v) => v + 0.5));
    await waitIdle(page);
    await expectSame(expected, "touched");
    await page.setViewport({ width: 240, height: 320, deviceScaleFactor: 1, hasTouch: false });
  });

  test("can be installed: its manifest names the icons, and they are there", async () => {
    await open(page, server.url, 240, 320);
    const client = await page.createCDPSession();
    const { errors, data } = await client.send("Page.getAppManifest");
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.ok(manifest.id && manifest.description);
    assert.deepEqual(manifest.icons.map((icon) => [icon.sizes, icon.purpose]),
                     [["192x192", "any"], ["512x512", "any"], ["512x512", "maskable"]]);
    assert.deepEqual(manifest.screenshots.map((shot) => shot.form_factor), ["narrow", "wide"]);
    for (const picture of [...manifest.icons, ...manifest.screenshots]) {
      const size = await page.evaluate(async (src) => {
        const bitmap = await createImageBitmap(await (await fetch(src)).blob());
        return `${bitmap.width}x${bitmap.height}`;
      }, picture.src);
      assert.equal(size, picture.sizes);
    }
  });
});

describe("for everyone", () => {
  const Texts = new URL("../../resources/texts/", import.meta.url);
  const firstParagraph = (key) => readFileSync(new URL(`${key}.txt`, Texts), "utf8").split("\n")[0].trim();
  const button = (name) => page.locator(`::-p-aria([name="${name}"][role="button"])`);
  // Every text the accessibility tree holds, as a screen reader meets it.
  async function spoken() {
    const texts = [];
    const walk = (node) => {
      if (node.name) texts.push(`${node.role}: ${node.name}`);
      for (const child of node.children || []) walk(child);
    };
    walk(await page.accessibility.snapshot({ interestingOnly: false }));
    return texts;
  }
  // What the alerts say.
  async function alerts() {
    const said = [];
    const text = (node) => [node.role === "StaticText" ? node.name : "", ...(node.children || []).map(text)].join("");
    const walk = (node) => {
      if (node.role === "alert") said.push(text(node));
      else for (const child of node.children || []) walk(child);
    };
    walk(await page.accessibility.snapshot({ interestingOnly: false }));
    return said;
  }
  const activeName = () => page.evaluate(() => document.activeElement?.getAttribute("aria-label") || "");
  // Tab until the control of that name has the focus.
  async function tabTo(name) {
    for (let i = 0; i < 80 && (await activeName()) !== name; ++i) await page.keyboard.press("Tab");
    assert.equal(await activeName(), name, `Tab reaches ${name}`);
  }
  const press = async (key) => {
    await page.keyboard.press(key);
    await waitIdle(page);
  };
  // Tab to the named control and activate it with the key.
  async function choose(name, key = "Enter") {
    await tabTo(name);
    await press(key);
  }

  test("axe-core finds nothing on a menu, a report, a popup and the keyboard", async () => {
    await open(page, server.url, 480, 700);
    assert.deepEqual(await axeViolations(page), [], "main menu");
    await button("Help").click();
    await waitIdle(page);
    assert.deepEqual(await axeViolations(page), [], "Help");
    await button("Close").click();
    await button("Matchmaker by Sign").click();
    await waitIdle(page);
    await button("Match").click();
    await waitIdle(page);
    assert.deepEqual(await axeViolations(page), [], "report");
    await button("Back").click();
    await waitIdle(page);
    assert.deepEqual(await axeViolations(page), [], "abandon question");
    await open(page, server.url, 480, 700);
    await button("Numerology").click();
    await waitIdle(page);
    await button("Day 24").click();
    await waitIdle(page);
    assert.deepEqual(await axeViolations(page), [], "keyboard");
  });

  test("the buttons lie over what the canvas draws for them", async () => {
    await open(page, server.url, 480, 700);
    const [canvas, about] = await page.evaluate(() => [document.getElementById("screen"),
      document.querySelector('[aria-label="About"]')].map((e) => e.getBoundingClientRect().toJSON()));
    const scale = canvas.width / 480;
    // The information icon: layout (183, 2), 18 units square, doubled.
    assert.ok(Math.abs(about.left - (canvas.left + 366 * scale)) < 1 && Math.abs(about.width - 36 * scale) < 1,
              JSON.stringify({ canvas, about }));
  });

  test("by the named buttons alone: a report to read, and Help as a dialog", async () => {
    await open(page, server.url, 480, 700);
    assert.ok((await spoken()).includes("heading: Stellarion"));
    await button("Matchmaker by Sign").click();
    await waitIdle(page);
    await button("Match").click();
    await waitIdle(page);
    const report = await spoken();
    assert.ok(report.includes("heading: Explanation: 1 of 3"), report.join("\n"));
    assert.ok(report.some((t) => t === `StaticText: ${firstParagraph("compatibility/aries-aries-1")}`), "the reading is there");
    assert.ok(report.some((t) => /^StaticText: Relationship: \d+ out of 10$/.test(t)), "the rating in words");
    // The browser's Back leaves the report as its Back does: the question.
    await page.goBack();
    await waitIdle(page);
    assert.deepEqual(await alerts(), ["Abandon to the previous screen?"]);
    await button("yes").click();
    await button("Back").click();
    await waitIdle(page);
    await button("Help").click();
    await waitIdle(page);
    const help = await page.$eval("dialog[open]", (d) => [d.getAttribute("aria-label"), d.textContent]);
    assert.equal(help[0], "Help");
    assert.match(help[1], /HOW TO USE IT:/);
    await page.goBack();
    await waitIdle(page);
    assert.equal(await page.$("#described dialog"), null, "Back closed Help");
  });

  test("by the keyboard alone: a birth date typed on the keys, and a numerology page read", async () => {
    await open(page, server.url, 480, 700);
    const first = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press("Tab");
      first.push(await activeName());
    }
    assert.deepEqual(first, ["About", "Help", "Exit", "Matchmaker by Sign"], "Tab goes in reading order");
    await choose("Numerology");
    await choose("Day 24");  // the selected box: the keyboard opens
    await choose("Backspace");
    await press("Enter");
    await choose("Digits and symbols", " ");
    await tabTo("7");
    await press("ArrowRight");  // the keys are a grid
    assert.equal(await activeName(), "8");
    await press("Enter");
    await choose("Return");
    await choose("Next");
    await choose("Life Path Number");
    const page1 = await spoken();
    assert.ok(page1.some((t) => t.startsWith("StaticText: Birthday: 8/1/2010")), page1.join("\n"));
    assert.ok(page1.some((t) => t.startsWith("heading: Your Life Path is:")));
    await press("Escape");  // Back to the topics
    assert.ok((await spoken()).includes("button: Personal Year Cycle"));
  });
});

describe("the screen", () => {
  // Viewport (CSS pixels and physical pixels per CSS pixel), the screen it
  // gets, and how it is scaled: a whole factor, or 0 and the whole factor
  // it is enlarged by before being smoothed down.
  const Viewports = [
    [360, 740, 3, "480x800", 0, 3],
    [390, 844, 3, "480x800", 0, 3],
    [412, 915, 3, "480x800", 0, 3],
    [768, 1024, 2, "480x640", 3, 3],
    [844, 390, 3, "800x480", 0, 3],
    [1280, 800, 1, "800x480", 0, 2],
  ];
  for (const [width, height, ratio, screen, factor, upscale] of Viewports) {
    test(`on ${width}x${height} at ${ratio}: ${screen}, filled, on whole physical pixels, sharp, no shift`, async () => {
      // A first visit of its own, beside the copy the other tests keep open.
      const context = await chromium.browser.createBrowserContext();
      const tab = await context.newPage();
      try {
        await tab.evaluateOnNewDocument(() => {
          window.layoutShift = 0;
          new PerformanceObserver((list) => {
            for (const entry of list.getEntries()) window.layoutShift += entry.value;
          }).observe({ type: "layout-shift", buffered: true });
        });
        await open(tab, server.url, width, height, ratio);
        const [w, h] = sizeOf(screen);
        assert.deepEqual(await tab.evaluate(() => StellarionPage.chosenScreen()), [w, h]);
        const view = await tab.evaluate(() => StellarionPage.view());
        assert.deepEqual([view.factor, view.upscale], [factor, upscale]);
        const box = await tab.$eval("#screen", (c, r) => {
          const b = c.getBoundingClientRect();
          return [b.left * r, b.top * r, b.width * r, b.height * r];
        }, ratio);
        // Layout keeps 1/64 of a CSS pixel: within that of whole physical pixels.
        for (const side of box) assert.ok(Math.abs(side - Math.round(side)) <= ratio / 64, `not on whole pixels: ${box}`);
        const [left, top, shownWidth, shownHeight] = box.map(Math.round);
        const physical = [width * ratio, height * ratio];
        const fit = Math.min(physical[0] / w, physical[1] / h);
        if (factor) {
          assert.deepEqual([shownWidth, shownHeight], [w * factor, h * factor]);
          assert.ok(factor >= 0.9 * fit);
        } else {
          assert.ok(shownWidth === physical[0] || shownHeight === physical[1], `not filled: ${box}`);
        }
        assert.equal(await tab.evaluate(() => window.layoutShift), 0);
        const expected = join(shots, `menu-${screen}.png`);
        await simulate(simulator, screen, `shot ${expected}\n`);
        const result = await compareCanvas(tab, expected);
        assert.equal(result.differing, 0, `${result.differing} canvas pixels differ, first ${JSON.stringify(result.first)}`);
        const screenshot = await tab.screenshot({ encoding: "base64" });
        const margin = await tab.evaluate(async (data) => {
          const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${data}`)).blob());
          const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
          scratch.drawImage(bitmap, 0, 0);
          return [...scratch.getImageData(0, 0, 1, 1).data.slice(0, 3)];
        }, screenshot);
        assert.deepEqual(margin, [0x14, 0x1a, 0x3c], "the margin is the theme colour");
        const shown = await compareShown(tab, screenshot, expected, { left, top, width: shownWidth, height: shownHeight }, 1);
        assert.ok(shown.compared > 0.05 * shownWidth * shownHeight, `compared only ${shown.compared}`);
        assert.equal(shown.differing, 0, `${shown.differing} shown pixels differ, first ${JSON.stringify(shown.first)}`);
      } finally {
        await context.close();
      }
    });
  }

  test("fits as the desktop window does, case for case", async () => {
    const cases = readFileSync(join(dirname(fileURLToPath(import.meta.url)), "..", "view-fit-cases.txt"), "utf8")
      .split("\n").filter((line) => line.trim() && !line.startsWith("#")).map((line) => line.trim().split(/\s+/).map(Number));
    assert.ok(cases.length >= 10);
    await open(page, server.url, 240, 320);
    for (const [dw, dh, ww, wh, left, top, width, height, factor, upscale] of cases) {
      const view = await page.evaluate((...args) => StellarionPage.fitView(...args), dw, dh, ww, wh);
      assert.deepEqual(view, { left, top, width, height, factor, upscale }, `${dw}x${dh} in ${ww}x${wh}`);
    }
  });

  test("shows the main menu before the program has loaded, as the program then shows it", async () => {
    const context = await chromium.browser.createBrowserContext();  // no service worker of the others
    const tab = await context.newPage();
    try {
      await tab.evaluateOnNewDocument(() => {
        window.largest = null;
        new PerformanceObserver((list) => {
          for (const entry of list.getEntries()) window.largest = entry.element?.id ?? null;
        }).observe({ type: "largest-contentful-paint", buffered: true });
      });
      await tab.setRequestInterception(true);
      tab.on("request", (request) => (request.url().endsWith("/stellarion.js") ? request.abort() : request.continue()));
      await tab.setViewport({ width: 390, height: 844, deviceScaleFactor: 3 });
      await tab.goto(server.url, { waitUntil: "load" });
      await tab.waitForFunction(() => getComputedStyle(document.getElementById("screen")).visibility === "visible");
      const expected = join(shots, "first-480x800.png");
      await simulate(simulator, "480x800", `shot ${expected}\n`);
      const result = await compareCanvas(tab, expected);
      assert.equal(result.differing, 0, `${result.differing} pixels differ, first at ${result.first}`);
      await tab.waitForFunction(() => window.largest !== null);
      assert.equal(await tab.evaluate(() => window.largest), "first-frame", "the largest paint is the first frame");
    } finally {
      await context.close();
    }
  });

  test("turns with the phone and redraws as the simulator does", async () => {
    const expected = join(shots, "turned.png");
    await simulate(simulator, "480x640", `screen 640 480\nshot ${expected}\n`);
    await open(page, server.url, 480, 640);
    await page.setViewport({ width: 640, height: 480, deviceScaleFactor: 1 });
    await page.waitForFunction(() => StellarionPage.chosenScreen()[0] === 640);
    await waitIdle(page);
    await expectSame(expected, "turned");
    const [shown, described] = await page.evaluate(() =>
      ["screen", "described"].map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
    assert.deepEqual(described, shown, "the described screen lies over the turned canvas");
  });

  test("an unsupported size is refused with the warning, then the end page", async () => {
    await open(page, `${server.url}?screen=320x480`, 320, 480);
    assert.deepEqual(await dialogSays(), ["Warning!", "This screen is not supported."]);
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
    assert.equal(await endedTitle(), "Stellarion has ended");
  });
});

describe("the saved record", () => {
  const exitThroughMenu = async () => {
    await tapAt("240x320", "exit");
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
  };

  test("is created on exit and survives a reload", async () => {
    await open(page, server.url, 240, 320);
    await page.evaluate(() => localStorage.clear());
    await open(page, server.url, 240, 320);
    assert.equal(await storedRecord(), null, "nothing is written before the exit icon");
    await exitThroughMenu();
    assert.equal(await endedTitle(), "Stellarion has ended");
    assert.equal(await storedRecord(), CreationRecord);
    // A record of the right size is loaded as it is and written back unchanged.
    const kept = "05" + "ab".repeat(31) + "09000000" + "cd".repeat(4);
    await page.evaluate((item, value) => localStorage.setItem(item, value), RecordItem, kept);
    await Promise.all([page.waitForNavigation(), page.click("#start-again")]);
    await waitIdle(page);
    await exitThroughMenu();
    assert.equal(await storedRecord(), kept);
  });

  test("of the wrong size or not hexadecimal counts as absent", async () => {
    for (const stored of ["0102", "zz" + CreationRecord.slice(2)]) {
      await page.evaluate((item, value) => localStorage.setItem(item, value), RecordItem, stored);
      await open(page, server.url, 240, 320);
      await exitThroughMenu();
      assert.equal(await storedRecord(), CreationRecord, `stored ${stored}`);
    }
  });

  test("a browser that refuses the storage is told at start, and the program runs on", async () => {
    await page.goto("about:blank");  // a running copy in the other tab would take the start
    const refusing = await chromium.browser.newPage();
    try {
      await refusing.evaluateOnNewDocument(() => {
        Object.defineProperty(window, "localStorage", { get() { throw new DOMException("refused", "SecurityError"); } });
      });
      await refusing.setViewport({ width: 240, height: 320, deviceScaleFactor: 1 });
      await refusing.goto(server.url);
      await refusing.waitForSelector("#message[open]", { timeout: 20000 });
      assert.equal(await refusing.$eval("#message p", (p) => p.textContent), "Cannot read values");
      await refusing.click("#message button");
      await waitIdle(refusing);
      assert.equal(await refusing.$eval("#screen", (c) => c.hidden), false);
    } finally {
      await refusing.close();
      // The closed tab's copy gives up the installation's lock a moment
      // later; the next start must not find it still held.
      await page.goto(`${server.url}manifest.webmanifest`);
      await page.waitForFunction(async () => (await navigator.locks.query()).held.length === 0, { timeout: 20000 });
    }
  });

  test("that cannot be written is reported, and the program still ends", async () => {
    await open(page, server.url, 240, 320);
    await page.evaluate(() => {
      Storage.prototype.setItem = () => { throw new DOMException("full", "QuotaExceededError"); };
    });
    await tapAt("240x320", "exit");
    assert.deepEqual(await dialogSays(), ["Stellarion", "Cannot read values"]);
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
  });
});

describe("one copy", () => {
  test("a second tab finds the first, asks it forward and says so", async () => {
    await open(page, server.url, 240, 320);
    const second = await chromium.browser.newPage();
    await second.setViewport({ width: 240, height: 320, deviceScaleFactor: 1 });
    await second.goto(server.url);
    await second.waitForFunction(() => !document.getElementById("ended").hidden, { timeout: 20000 });
    assert.equal(await second.$eval("#ended h1", (h) => h.textContent), "Stellarion is already open in another tab");
    // The first tab, now in the background, says where Stellarion is open
    // until it is looked at again.
    await page.waitForFunction(() => document.title === "\u2605 Stellarion is open here", { timeout: 20000 });
    await second.close();
    await page.bringToFront();
    await page.waitForFunction(() => document.title === "Stellarion", { timeout: 20000 });
    assert.equal(await page.$eval("#screen", (c) => c.hidden), false, "the first copy runs on");
  });
});

describe("the server", () => {
  test("serves the program compressed and revalidated, and nothing outside the site", async () => {
    const first = await fetch(`${server.url}stellarion.wasm`, { headers: { "Accept-Encoding": "gzip" } });
    assert.equal(first.headers.get("content-type"), "application/wasm");
    assert.equal(first.headers.get("content-encoding"), "gzip");
    const again = await fetch(`${server.url}stellarion.wasm`, { headers: { "If-None-Match": first.headers.get("etag") } });
    assert.equal(again.status, 304);
    for (const path of ["%E0%A4%A", "..%2f..%2fetc%2fpasswd", "missing.js", "CMakeCache.txt"])
      assert.equal((await fetch(`${server.url}${path}`)).status, 404, path);
    assert.equal((await fetch(server.url)).status, 200, "it still serves after them");
  });
});
