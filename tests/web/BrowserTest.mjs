// The browser build in headless chromium: the same tap scripts as the
// simulator give the same pixels on four screens; the screen follows the
// viewport's physical pixels and sits on whole ones, filled and sharp, on
// phones, a tablet and a desktop browser, and shows its first frame before
// the program has loaded; the saved record, the message boxes, the end page and
// the one-copy rule behave as on the desktop; the described document over
// the canvas serves a screen reader and the keyboard (every change heard,
// the focus on each new screen's heading or back on what opened it, radio
// groups and date fields, the words where they are drawn), the reading view
// enlarges and reflows the words, and axe-core finds nothing to report.
//
//   node tests/web/BrowserTest.mjs SITE_FOLDER SIMULATOR
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
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
                     [["192x192", "any"], ["512x512", "any maskable"]]);
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
    await page.locator('::-p-aria([name="Day"][role="textbox"])').click();
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
    assert.ok(report.includes("heading: Aries and Aries: Relationship, page 1 of 4"), report.join("\n"));
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
    await tabTo("Day");
    await press("Backspace");  // typed into the field: its keyboard opens, emptied
    assert.equal(await activeName(), "Day", "the keyboard's own field has the focus");
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
    assert.ok(page1.includes("heading: Numerology: Life Path Number"), page1.join("\n"));
    assert.ok(page1.some((t) => t.startsWith("StaticText: Your Life Path is:")), "the result line is text");
    await press("Escape");  // Back to the topics
    assert.ok((await spoken()).includes("button: Personal Year Cycle"));
  });
});

describe("heard, found and enlarged", () => {
  const Texts = new URL("../../resources/texts/", import.meta.url);
  const paragraphs = (key) => readFileSync(new URL(`${key}.txt`, Texts), "utf8").split("\n").filter((line) => line.trim());
  const aria = (name, role) => `::-p-aria([name="${name}"][role="${role}"])`;
  // As a screen reader activates a control: the control's own click, with
  // the focus left where it was (a synthesised tap).
  async function activate(name, role = "button", within = page) {
    // The accessibility tree follows the document a moment later.
    const control = await within.waitForSelector(aria(name, role), { timeout: 20000 }).catch(() => null);
    assert.ok(control, `no ${role} named ${name}`);
    await control.evaluate((element) => element.click());
    await waitIdle(page);
  }
  const focused = () => page.evaluate(() => {
    const element = document.activeElement;
    return [element.tagName.toLowerCase(), element.getAttribute("aria-label") || element.textContent];
  });
  // A page without the window's focus shows no ring; the window's focus
  // reaches the page a moment after it is brought to the front.
  const ringShows = async () => {
    await page.bringToFront();
    return page.waitForFunction(() => getComputedStyle(document.activeElement).outlineStyle === "solid",
                                { timeout: 5000 }).then(() => true, () => false);
  };
  const said = () => page.$eval('#described [role="status"]', (status) => status.textContent.trim());
  const alertSays = () => page.$eval('#described [role="alert"]', (alert) => alert.textContent);

  test("a phone's screen reader hears every page turn, and meets each new screen at its heading", async () => {
    await open(page, server.url, 390, 844, 3);
    await activate("Matchmaker by Sign");
    assert.deepEqual(await focused(), ["h1", "Matchmaker by Sign: choose two signs"]);
    assert.equal(await page.title(), "Matchmaker by Sign - Stellarion");
    const groups = await page.$$eval('[role="radiogroup"]', (found) =>
      found.map((group) => [group.getAttribute("aria-label"), group.querySelectorAll('[role="radio"]').length]));
    assert.deepEqual(groups, [["I am", 12], ["My lover is", 12]]);
    await activate("Leo, July 23 to August 22", "radio", await page.$(aria("I am", "radiogroup")));
    await activate("Pisces, February 19 to March 20", "radio", await page.$(aria("My lover is", "radiogroup")));
    assert.equal(await said(), "I am Leo, my lover is Pisces");
    assert.deepEqual(await page.$$eval('[role="radio"][aria-checked="true"]', (radios) => radios.map((r) => r.ariaLabel)),
                     ["Leo, July 23 to August 22", "Pisces, February 19 to March 20"]);
    await activate("Match");
    assert.deepEqual(await focused(), ["h1", "Leo and Pisces: Relationship, page 1 of 4"]);
    assert.ok(await ringShows(), "the focus ring shows on the heading");
    assert.equal(await page.title(), "Leo and Pisces, Relationship - Stellarion");
    const order = await page.$$eval("#described .layer > *", (items) => items.map((item) => item.textContent || item.ariaLabel));
    assert.ok(order.findIndex((t) => /^Relationship: \d+ out of 10$/.test(t)) < order.indexOf(paragraphs("compatibility/leo-pisces-1")[0]),
              "the rating is read before the text, as it is drawn");
    for (const [number, part] of [[2, "Sex"], [3, "Life"], [4, "Outcome"]]) {
      await activate("Next page");
      const rating = number < 4 ? ": \\d+ out of 10" : "";
      assert.match(await said(), new RegExp(`^${part}, page ${number} of 4${rating}$`));
      assert.equal(await page.title(), `Leo and Pisces, ${part} - Stellarion`);
      const heading = `Leo and Pisces: ${part}, page ${number} of 4`;
      assert.equal(await page.$eval("#described h1", (h) => h.textContent), heading);
      // The last page has no Next: the focus goes to what it shows.
      assert.deepEqual(await focused(), number < 4 ? ["button", "Next page"] : ["h1", heading]);
      if (number < 4) {
        const texts = await page.$$eval("#described p", (ps) => ps.map((p) => p.textContent));
        for (const paragraph of paragraphs(`compatibility/leo-pisces-${number}`)) assert.ok(texts.includes(paragraph));
      }
    }
    await activate("Back");
    assert.deepEqual(await focused(), ["button", "Match"], "the closed report gives the focus back to Match");
  });

  test("closing Help, a topic or the keyboard gives the focus back to what opened it", async () => {
    await open(page, server.url, 390, 844, 3);
    await activate("Help");
    assert.deepEqual(await focused(), ["h2", "Help"]);
    const hint = await page.$eval("dialog[open]", (d) => document.getElementById(d.getAttribute("aria-describedby")).textContent);
    assert.match(hint, /Tab.*Enter.*Escape.*Page Up and Page Down/);
    await activate("Close");
    assert.deepEqual(await focused(), ["button", "Help"]);
    assert.ok(await ringShows());
    await page.keyboard.press("Enter");
    await waitIdle(page);
    await page.keyboard.press("Escape");
    await waitIdle(page);
    assert.deepEqual(await focused(), ["button", "Help"], "Escape closes it too");

    await activate("Zodiac Signs");
    await activate("Scorpio, October 23 to November 21");
    assert.deepEqual(await focused(), ["h1", "Scorpio: topics"]);
    assert.equal(await page.title(), "Scorpio, topics - Stellarion");
    await activate("Famous Persons");
    assert.deepEqual(await focused(), ["h1", "Scorpio: Famous Persons"]);
    assert.equal(await page.title(), "Scorpio, Famous Persons - Stellarion");
    await activate("Back");
    assert.deepEqual(await focused(), ["button", "Famous Persons"]);
  });

  test("typing 14 3 1987 into the date's fields reaches the numerology topics, with the checks of the keyboard", async () => {
    await open(page, server.url, 390, 844, 3);
    await activate("Numerology");
    assert.deepEqual(await focused(), ["h1", "Birth date"]);
    const order = await page.$$eval("#described .layer > *", (items) => items.map((item) => item.textContent || item.ariaLabel));
    assert.ok(order.indexOf("Please input your birth date:") < order.indexOf("Day"), "the instruction comes first");
    const field = (name) => page.$(aria(name, "textbox"));
    const typeInto = async (name, text) => {
      await (await field(name)).focus();
      await page.keyboard.type(text);
      await waitIdle(page);
      await page.keyboard.press("Enter");
      await waitIdle(page);
    };
    // A wrong value gets the keyboard's own message, and the field again.
    await typeInto("Day", "45");
    assert.equal(await alertSays(), "Write from 1 to 31.");
    await activate("ok");
    assert.deepEqual(await focused(), ["input", "Day"]);
    // Keys a moment apart, as a person types: each change is said on its own.
    await page.waitForFunction(() => !document.querySelector('#described [role="alert"]'));
    for (const key of ["Backspace", "Backspace", "1", "4"]) {
      await page.keyboard.press(key);
      await waitIdle(page);
    }
    assert.equal(await said(), "Day: 14");
    await page.keyboard.press("Enter");
    await waitIdle(page);
    assert.deepEqual(await focused(), ["input", "Day"], "back on the field the keyboard was for");
    await typeInto("Month", "3");
    await typeInto("Year", "1987");
    assert.deepEqual(await page.$$eval('#described [role="textbox"], #described input', (inputs) => inputs.map((i) => i.value)),
                     ["14", "3", "1987"]);
    await activate("Next");
    assert.deepEqual(await focused(), ["h1", "Numerology: topics"]);
    await activate("Life Path Number");
    assert.ok((await page.$$eval("#described p", (ps) => ps.map((p) => p.textContent))).includes("Birthday: 14/3/1987"));
  });

  test("every word lies over the screen where it is drawn, on three sizes", async () => {
    for (const screen of ["240x320", "480x640", "800x480"]) {
      // The copy left behind gives up the installation's lock a moment
      // later; the next start must not find it still held.
      await page.goto(`${server.url}manifest.webmanifest`);
      await page.waitForFunction(async () => (await navigator.locks.query()).held.length === 0, { timeout: 20000 });
      await open(page, `${server.url}?screen=${screen}`, ...sizeOf(screen));
      await activate("Matchmaker by Sign");
      await activate("Match");
      const placed = await page.evaluate(() => {
        const shown = document.getElementById("screen").getBoundingClientRect();
        return [...document.querySelectorAll("#described .described")].map((element) => {
          const box = element.getBoundingClientRect();
          const inside = box.width > 0 && box.height > 0 && box.left >= shown.left - 0.5 && box.top >= shown.top - 0.5 &&
            box.right <= shown.right + 0.5 && box.bottom <= shown.bottom + 0.5;
          return [element.textContent.slice(0, 24), inside, box.top];
        });
      });
      assert.ok(placed.length >= 3, screen);
      assert.deepEqual(placed.filter(([, inside]) => !inside), [], screen);
      const top = (prefix) => placed.find(([text]) => text.startsWith(prefix))[2];
      assert.ok(top("Relationship:") < top(paragraphs("compatibility/aries-aries-1")[0].slice(0, 24)), screen);
    }
  });

  test("the reading view: the report as real text that grows and reflows, and back again", async () => {
    await open(page, server.url, 390, 844, 3);
    await activate("Matchmaker by Sign");
    await activate("Match");
    await (await page.$(aria("Reading view", "button"))).focus();
    await page.keyboard.press("Enter");
    const view = await page.$eval("#reading", (dialog) => {
      const luminance = (colour) => {
        const [r, g, b] = colour.match(/\d+/g).slice(0, 3).map((v) => {
          const c = Number(v) / 255;
          return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
      };
      const style = getComputedStyle(dialog.querySelector("p"));
      const [light, dark] = [luminance(style.color), luminance(getComputedStyle(dialog).backgroundColor)].sort((a, b) => b - a);
      return {
        open: dialog.open, heading: dialog.querySelector("h1").textContent,
        texts: [...dialog.querySelectorAll("p")].map((p) => p.textContent),
        size: parseFloat(style.fontSize), shown: dialog.querySelector("p").getBoundingClientRect().height > 0,
        contrast: (light + 0.05) / (dark + 0.05),
      };
    });
    assert.ok(view.open && view.shown);
    assert.equal(view.heading, "Aries and Aries: Relationship, page 1 of 4");
    assert.match(view.texts[0], /^Relationship: \d+ out of 10$/);
    assert.deepEqual(view.texts.slice(1), paragraphs("compatibility/aries-aries-1"));
    assert.ok(view.size >= 16, `${view.size} px`);
    assert.ok(view.contrast >= 7, `contrast ${view.contrast}`);
    // As 400 % of a 1280-pixel window: 320 CSS pixels wide.
    await page.setViewport({ width: 320, height: 640, deviceScaleFactor: 4 });
    const overflow = await page.evaluate(() => [document.getElementById("reading"), document.documentElement]
      .map((element) => element.scrollWidth - element.clientWidth));
    assert.deepEqual(overflow, [0, 0], "no horizontal scrolling");
    await page.keyboard.press("Escape");
    await waitIdle(page);
    assert.equal(await page.$eval("#reading", (dialog) => dialog.open), false);
    assert.deepEqual(await focused(), ["button", "Reading view"]);
    assert.equal(await page.$eval("#described h1", (h) => h.textContent), "Aries and Aries: Relationship, page 1 of 4",
                 "Escape left the view, not the report");
    await page.keyboard.down("Alt");
    await page.keyboard.press("KeyR");
    await page.keyboard.up("Alt");
    assert.equal(await page.$eval("#reading", (dialog) => dialog.open), true, "Alt+R opens it");
    await page.keyboard.press("Escape");
  });

  test("the reading view's button: in a margin with room, else over no control", async () => {
    for (const [width, height, inMargin] of [[390, 844, true], [1280, 800, false]]) {
      await open(page, server.url, width, height);
      await activate("Matchmaker by Sign");
      for (const screen of ["picker", "report"]) {
        if (screen === "report") await activate("Match");
        const [covered, overScreen] = await page.evaluate(() => {
          const box = document.getElementById("reading-open").getBoundingClientRect();
          const apart = (r) => r.right <= box.left || box.right <= r.left || r.bottom <= box.top || box.bottom <= r.top;
          const shown = document.getElementById("screen").getBoundingClientRect();
          return [[...document.querySelectorAll("#described .target")].filter((t) => !apart(t.getBoundingClientRect()))
            .map((t) => t.ariaLabel), !apart(shown)];
        });
        assert.deepEqual(covered, [], `${width}x${height} ${screen}`);
        assert.equal(overScreen, !inMargin, `${width}x${height} ${screen}`);
      }
    }
  });

  test("a tap on the canvas moves the focus too, without a ring", async () => {
    await open(page, server.url, 480, 700);
    await page.locator(aria("Help", "button")).click();  // the pointer, on the canvas beneath
    await waitIdle(page);
    assert.deepEqual(await focused(), ["h2", "Help"]);
    assert.equal(await ringShows(), false);
  });

  test("the end is said, in a landmark", async () => {
    await open(page, server.url, 390, 844, 3);
    await activate("Exit");
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
    assert.deepEqual(await focused(), ["h1", "Stellarion has ended"]);
    assert.equal(await page.$eval("#ended", (e) => e.tagName.toLowerCase()), "main");
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
        // Where the margin has no room for it, the reading view's button
        // floats over a corner of the screen: it is not the screen's.
        await tab.$eval("#reading-open", (opener) => { opener.style.visibility = "hidden"; });
        const screenshot = await tab.screenshot({ encoding: "base64" });
        const shown = await compareShown(tab, screenshot, expected, { left, top, width: shownWidth, height: shownHeight }, 1);
        assert.ok(shown.compared > 0.05 * shownWidth * shownHeight, `compared only ${shown.compared}`);
        assert.equal(shown.differing, 0, `${shown.differing} shown pixels differ, first ${JSON.stringify(shown.first)}`);
      } finally {
        await context.close();
      }
    });
  }

  test("preloads, from the HTML alone, the first frame of the screen it will choose", async () => {
    await open(page, server.url, 240, 320);
    // 1x screens too: every one shows the 2x frame of its shape.
    const small = [[240, 320, 1, "240x320"], [320, 240, 1, "320x240"], [250, 250, 1, "240x240"], [320, 480, 1, "240x400"],
                   [480, 320, 1, "400x240"], [300, 560, 1, "240x400"]];
    for (const [width, height, ratio, screen] of [...Viewports, ...small]) {
      await page.setViewport({ width, height, deviceScaleFactor: ratio });
      const chosen = await page.evaluate(() => StellarionPage.chooseScreen(innerWidth * devicePixelRatio, innerHeight * devicePixelRatio));
      assert.deepEqual(chosen, sizeOf(screen), `${width}x${height}@${ratio}`);
      const preloaded = await page.evaluate(() => [...document.querySelectorAll('link[rel="preload"][as="image"]')]
        .filter((link) => link.fetchPriority === "high" && matchMedia(link.media).matches).map((link) => link.getAttribute("href")));
      const shared = { "480x640": "480x800", "640x480": "800x480", "240x320": "480x800", "320x240": "800x480",
                       "240x240": "480x480", "240x400": "480x800", "400x240": "800x480" };
      assert.deepEqual(preloaded, [`first-${shared[screen] ?? screen}.webp`], `${width}x${height}@${ratio}`);
    }
  });

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

  // A phone's 480 x 800 screen has a frame of its own; the tablet's 480 x 640
  // shows the centre of it, in the image and in the canvas alike.
  for (const [width, height, ratio, screen, file] of [[390, 844, 3, "480x800", "first-480x800.webp"],
                                                      [768, 1024, 2, "480x640", "first-480x800.webp"]]) {
    test(`shows the main menu of ${screen} before the program has loaded, as the program then shows it`, async () => {
      const context = await chromium.browser.createBrowserContext();  // no service worker of the others
      const tab = await context.newPage();
      try {
        await tab.evaluateOnNewDocument(() => {
          window.largest = null;
          new PerformanceObserver((list) => {
            for (const entry of list.getEntries()) [window.largest, window.largestAt] = [entry.element?.id ?? null, entry.startTime];
          }).observe({ type: "largest-contentful-paint", buffered: true });
        });
        await tab.setRequestInterception(true);
        tab.on("request", (request) => (request.url().endsWith("/stellarion.js") ? request.abort() : request.continue()));
        await tab.setViewport({ width, height, deviceScaleFactor: ratio });
        await tab.goto(server.url, { waitUntil: "load" });
        await tab.waitForFunction(() => getComputedStyle(document.getElementById("screen")).visibility === "visible");
        const expected = join(shots, `first-${screen}.png`);
        await simulate(simulator, screen, `shot ${expected}\n`);
        const result = await compareCanvas(tab, expected);
        assert.equal(result.differing, 0, `${result.differing} pixels differ, first at ${result.first}`);
        await tab.waitForFunction(() => window.largest !== null);
        assert.equal(await tab.evaluate(() => window.largest), "first-frame", "the largest paint is the first frame");
        // The picture waits for no script: the page's own is in its HTML, and
        // the others, with the program's code and the manifest, are asked
        // for once the browser has it on screen.
        const loads = await tab.evaluate(() => performance.getEntriesByType("resource").map((entry) =>
          [entry.name.split("/").pop(), entry.startTime < window.largestAt]));
        assert.deepEqual(loads.filter(([name]) => /\.(js|wasm|webp)$/.test(name)).sort(),
                         [["Accessible.js", false], ["ReadingView.js", false], [file, false],
                          [file, true], ["stellarion.js", false], ["stellarion.wasm", false]]);
        assert.deepEqual(loads.filter(([, early]) => early).map(([name]) => name), [file]);
        // The image under the canvas shows the same pixels.
        const box = await tab.$eval("#screen", (c, r) => {
          const b = c.getBoundingClientRect();
          c.style.visibility = "hidden";
          return [b.left, b.top, b.width, b.height].map((side) => Math.round(side * r));
        }, ratio);
        await tab.evaluate(() => {
          const opener = document.getElementById("reading-open");
          if (opener) opener.style.visibility = "hidden";
        });
        const [left, top, shownWidth, shownHeight] = box;
        const shown = await compareShown(tab, await tab.screenshot({ encoding: "base64" }), expected,
                                         { left, top, width: shownWidth, height: shownHeight }, 1);
        assert.ok(shown.compared > 0.05 * shownWidth * shownHeight, `compared only ${shown.compared}`);
        assert.equal(shown.differing, 0, `${shown.differing} shown pixels differ, first ${JSON.stringify(shown.first)}`);
      } finally {
        await context.close();
      }
    });
  }

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

describe("on phones", () => {
  // Phones upright and lying and a tablet: CSS size and physical pixels per CSS pixel.
  const Phones = [[360, 740, 3], [390, 844, 3], [412, 915, 3], [844, 390, 3], [768, 1024, 2]];
  // The pages, reached by their described buttons from the main menu.
  const Pages = { "main menu": [], picker: ["Matchmaker by Sign"], report: ["Matchmaker by Sign", "Match"],
                  numerology: ["Numerology"] };

  // The device pixel at the middle of the described button of that name.
  const centreOf = (tab, name) => tab.evaluate((label) => {
    const canvas = document.getElementById("screen").getBoundingClientRect();
    const box = document.querySelector(`#described [aria-label="${label}"]`).getBoundingClientRect();
    const [width, height] = StellarionPage.chosenScreen();
    return [Math.floor((box.left + box.width / 2 - canvas.left) * width / canvas.width),
            Math.floor((box.top + box.height / 2 - canvas.top) * height / canvas.height)];
  }, name);

  // The largest difference of a channel between each physical pixel just
  // outside the screen and the one just inside it, on every side with a
  // margin, and the share of them within `close` levels; and the share of
  // the margin's pixels at the viewport's edge that are those just outside
  // the screen (the margin is as wide as it is deep).
  const seams = (tab, screenshot, close) => tab.evaluate(async (data, close) => {
    const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${data}`)).blob());
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
    scratch.drawImage(bitmap, 0, 0);
    const pixels = scratch.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const ratio = devicePixelRatio, box = document.getElementById("screen").getBoundingClientRect();
    const [left, top, right, bottom] = [box.left, box.top, box.right, box.bottom].map((v) => Math.round(v * ratio));
    const at = (x, y) => pixels.slice((y * bitmap.width + x) * 4, (y * bitmap.width + x) * 4 + 3);
    let largest = 0, within = 0, count = 0, through = 0;
    const difference = (a, b) => Math.max(...[0, 1, 2].map((c) => Math.abs(a[c] - b[c])));
    const compare = (outside, inside, far) => {
      largest = Math.max(largest, difference(outside, inside));
      within += difference(outside, inside) <= close;
      through += difference(outside, far) <= 1;
      ++count;
    };
    const [lastX, lastY] = [bitmap.width - 1, bitmap.height - 1];
    for (let x = left; x < right; ++x) {
      if (top > 0) compare(at(x, top - 1), at(x, top), at(x, 0));
      if (bottom < bitmap.height) compare(at(x, bottom), at(x, bottom - 1), at(x, lastY));
    }
    for (let y = top; y < bottom; ++y) {
      if (left > 0) compare(at(left - 1, y), at(left, y), at(0, y));
      if (right < bitmap.width) compare(at(right, y), at(right - 1, y), at(lastX, y));
    }
    return { largest, share: count ? within / count : 1, count, through: count ? through / count : 1 };
  }, screenshot, close);

  for (const [width, height, ratio] of Phones) {
    test(`on ${width}x${height} at ${ratio} the margins continue the screen's edges on every page`, async () => {
      const context = await chromium.browser.createBrowserContext();
      const tab = await context.newPage();
      try {
        for (const [name, buttons] of Object.entries(Pages)) {
          await open(tab, server.url, width, height, ratio);
          const [w, h] = await tab.evaluate(() => StellarionPage.chosenScreen());
          const taps = [];
          for (const button of buttons) {
            const [x, y] = await centreOf(tab, button);
            taps.push(`tap ${x} ${y}`);
            await play(tab, taps.at(-1));
          }
          const expected = join(shots, `edges-${name.replace(" ", "-")}-${width}x${height}.png`);
          await simulate(simulator, `${w}x${h}`, `${taps.join("\n")}\nshot ${expected}\n`);
          const result = await compareCanvas(tab, expected);
          assert.equal(result.differing, 0, `${name}: ${result.differing} canvas pixels differ`);
          // The reading view's button stands in the margin where there is
          // room for it: it is not the margin's colour.
          await tab.$eval("#reading-open", (opener) => { opener.style.visibility = "hidden"; });
          const seam = await seams(tab, await tab.screenshot({ encoding: "base64" }), 4);
          console.log(`# ${width}x${height}@${ratio} ${name}: the margin beside the screen within 4 levels at ` +
                      `${(seam.share * 100).toFixed(1)}% of ${seam.count} edge pixels, at most ${seam.largest} apart`);
          assert.ok(seam.count > 0, "there is a margin");
          // Single pixels on the edge (a star, a letter) are not continued.
          assert.ok(seam.share >= 0.9, `${name}: only ${(seam.share * 100).toFixed(1)}% of the seam matches`);
          assert.ok(seam.through >= 0.99, `${name}: the margin changes on its way out, ${seam.through}`);
        }
      } finally {
        await context.close();
      }
    });
  }

  test("a touch beside a row taps it; a click there does nothing; a touch inside taps exactly there", async () => {
    const context = await chromium.browser.createBrowserContext();
    const tab = await context.newPage();
    try {
      await tab.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true });
      await tab.goto(server.url, { waitUntil: "load" });
      await waitIdle(tab);
      const row = await tab.$eval('#described [aria-label="Horoscopes 2010"]', (b) => b.getBoundingClientRect().toJSON());
      const beside = [row.left - 8, row.top + row.height / 2];
      const menu = join(shots, "touch-menu.png"), picker = join(shots, "touch-picker.png");
      const [x, y] = await centreOf(tab, "Horoscopes 2010");
      await simulate(simulator, "480x800", `shot ${menu}\ntap ${x} ${y}\nshot ${picker}\n`);
      await tab.mouse.click(...beside);
      await waitIdle(tab);
      assert.equal((await compareCanvas(tab, menu)).differing, 0, "a click beside the row does nothing");
      // The events the page hands the program, seen on their way.
      await tab.evaluate(() => {
        const { takeEvent } = StellarionPage;
        window.taken = [];
        StellarionPage.takeEvent = () => {
          const next = takeEvent();
          if (next) window.taken.push(next);
          return next;
        };
      });
      await tab.touchscreen.tap(...beside);
      await waitIdle(tab);
      assert.equal((await compareCanvas(tab, picker)).differing, 0, "a touch beside the row opens the picker");
      await tab.goBack();  // to the main menu, as the picker's Back
      await waitIdle(tab);
      await tab.evaluate(() => { window.taken = []; });
      // Whole CSS pixels: a touch's position is passed on rounded.
      const inside = [Math.ceil(row.left) + 3, Math.ceil(row.top) + 2];
      await tab.touchscreen.tap(...inside);
      await waitIdle(tab);
      const [kind, point] = await tab.evaluate(() => window.taken.find(([k]) => k === 13));
      const device = await tab.evaluate(([cx, cy]) => {
        const box = document.getElementById("screen").getBoundingClientRect();
        const [w, h] = StellarionPage.chosenScreen();
        return [Math.floor((cx - box.left) * w / box.width), Math.floor((cy - box.top) * h / box.height)];
      }, inside);
      assert.deepEqual([kind, point & 0xFFFF, point >> 16], [13, ...device]);
      const landing = await tab.evaluate(([px, py]) => Module._WebTouchLanding(px, py, 12), device);
      assert.deepEqual([landing & 0xFFFF, landing >> 16], device, "inside a target the touch lands where it is");
    } finally {
      await context.close();
    }
  });

  // Unquotes the simulator's line: \n (a line break, CR LF or LF), \r, \",
  // \\ and \xHH, a byte of UTF-8.
  const unquoted = (line) => {
    const bytes = [];
    for (let i = 0; i < line.length; ++i) {
      if (line[i] !== "\\") {
        bytes.push(...Buffer.from(line[i]));
      } else if (line[++i] === "x") {
        bytes.push(parseInt(line.slice(i + 1, i + 3), 16));
        i += 2;
      } else {
        bytes.push(...Buffer.from({ n: "\n", r: "\r" }[line[i]] ?? line[i]));
      }
    }
    return Buffer.from(bytes).toString("utf8");
  };
  const lines = (text) => text.replace(/\r\n/g, "\n");

  test("Ctrl+C copies the reading as the desktop does, Ctrl+S downloads the simulator's picture", async () => {
    const context = await chromium.browser.createBrowserContext();
    const tab = await context.newPage();
    const downloads = mkdtempSync(join(tmpdir(), "stellarion-downloads-"));
    try {
      await context.overridePermissions(server.url, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
      await open(tab, server.url, 480, 640);
      const taps = [];
      for (const button of ["Matchmaker by Sign", "Match"]) {
        const [x, y] = await centreOf(tab, button);
        taps.push(`tap ${x} ${y}`);
        await play(tab, taps.at(-1));
      }
      const expected = join(shots, "saved.png");
      const output = await simulate(simulator, "480x640", `${taps.join("\n")}\ncopy\nshot ${expected}\n`);
      const copied = unquoted(output.trimEnd().split("\n").at(-1));
      assert.ok(copied.length > 200, `the simulator copied ${copied}`);
      await tab.keyboard.down("Control");
      await tab.keyboard.press("c");
      await tab.keyboard.up("Control");
      await tab.waitForFunction(() => StellarionPage.copiedText() !== null);
      assert.equal(lines(await tab.evaluate(() => StellarionPage.copiedText())), copied);
      assert.equal(lines(await tab.evaluate(() => navigator.clipboard.readText())), copied, "on the clipboard");
      // The browser's own copy command does the same.
      await tab.evaluate(() => navigator.clipboard.writeText("something else"));
      await tab.evaluate(() => document.execCommand("copy"));
      await tab.waitForFunction(async () => (await navigator.clipboard.readText()) !== "something else");
      assert.equal(lines(await tab.evaluate(() => navigator.clipboard.readText())), copied, "by the copy command");

      const client = await tab.createCDPSession();
      await client.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads, eventsEnabled: true,
                                                         browserContextId: context.id });
      const done = new Promise((resolve) => client.on("Browser.downloadProgress", (e) => e.state === "completed" && resolve()));
      await tab.evaluate(() => window.addEventListener("keydown", (e) => { window.saveKept = e.defaultPrevented; }));
      await tab.keyboard.down("Control");
      await tab.keyboard.press("s");
      await tab.keyboard.up("Control");
      await done;
      assert.equal(await tab.evaluate(() => window.saveKept), true, "the browser does not save the page itself");
      const files = readdirSync(downloads);
      assert.equal(files.length, 1, files.join());
      assert.match(files[0], /^Stellarion-\d{4}-\d{2}-\d{2}-\d{6}\.png$/);
      assert.ok(readFileSync(join(downloads, files[0])).equals(readFileSync(expected)), "the simulator's PNG, byte for byte");
    } finally {
      await context.close();
      rmSync(downloads, { recursive: true, force: true });
    }
  });

  test("the end page is the program's own: a main landmark, announced, with its button", async () => {
    const context = await chromium.browser.createBrowserContext();
    const tab = await context.newPage();
    try {
      await open(tab, server.url, 360, 740, 3);
      const [x, y] = await centreOf(tab, "Exit");
      await play(tab, `tap ${x} ${y}`);
      await tab.waitForFunction(() => !document.getElementById("ended").hidden);
      const ended = await tab.evaluate(() => ({
        landmark: document.getElementById("ended").tagName,
        focused: document.activeElement.id,
        button: document.getElementById("start-again").textContent,
        sky: getComputedStyle(document.getElementById("ended")).backgroundImage.includes("linear-gradient"),
        mains: document.querySelectorAll("main:not([hidden])").length,
      }));
      assert.deepEqual(ended, { landmark: "MAIN", focused: "ended-title", button: "Start again", sky: true, mains: 1 });
      assert.deepEqual(await axeViolations(tab), [], "the end page");
    } finally {
      await context.close();
    }
  });
});
