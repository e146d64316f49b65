// Measures the page's accessibility as tools see it, axe-core's violations
// on the main menu, a report, Help, the birth date and the reading view, and
// Lighthouse's Accessibility score, and as people meet it: the steps two
// tasks take by a screen reader on a phone (390 x 844) and by the keyboard
// alone (1280 x 800), all in the system's headless chromium. The tasks:
// read Leo and Pisces in full; enter 14 March 1987 and read every
// numerology page. A screen reader's steps are its activations of controls
// and the keys it types (moving from control to control and reading are
// not counted); the keyboard's are every key pressed, Tab or Shift+Tab,
// whichever reaches the next control sooner.
//
//   node bench/web/Accessibility.mjs SITE_FOLDER [SITE_FOLDER_BEFORE]
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { Chromium, launch, open, serve, waitIdle } from "../../tools/web/Browser.mjs";

const Tools = join(dirname(fileURLToPath(import.meta.url)), "../../tools/web");
const require = createRequire(join(Tools, "package.json"));
const AxeSource = readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");

export async function axeViolations(page) {
  if (!(await page.evaluate(() => typeof window.axe !== "undefined"))) await page.evaluate(AxeSource);
  const result = await page.evaluate(() => window.axe.run(document));
  return result.violations.map((v) => `${v.id} (${v.nodes.length}): ${v.help}`);
}

function lighthouseScore(url) {
  const output = execFileSync(join(Tools, "node_modules/.bin/lighthouse"), [
    url, "--only-categories=accessibility", "--output=json", "--quiet",
    "--chrome-flags=--headless --no-sandbox --disable-gpu"], {
    env: { ...process.env, CHROME_PATH: Chromium }, maxBuffer: 64 << 20 });
  const report = JSON.parse(output.toString());
  const failed = Object.values(report.audits)
    .filter((audit) => audit.score === 0 && audit.scoreDisplayMode === "binary").map((audit) => audit.id);
  return { score: Math.round(report.categories.accessibility.score * 100), failed };
}

const NumerologyTopics = ["Life Path Number", "Birth Day Number", "Challenge Numbers", "Pinnacle Cycles",
                          "Period Cycles", "Personal Year Cycle"];
const BirthDate = [["Day", "14"], ["Month", "3"], ["Year", "1987"]];

// A user of one kind on a page: their steps so far, and how they reach and
// use a control by its name (the nth of that name).
function stepper(page, byKeyboard) {
  const steps = { activations: 0, keys: 0 };
  const idle = () => waitIdle(page);
  const key = async (name) => {
    ++steps.keys;
    await page.keyboard.press(name);
    await idle();
  };
  // The controls a name starts with, in document order; -1 when none.
  const controlIndex = (prefix, nth) => page.evaluate((prefix, nth) => {
    const all = [...document.querySelectorAll("button, input, [tabindex]")]
      .filter((e) => !e.closest("[inert]") && e.tabIndex >= 0 && e.getClientRects().length);
    const named = [...document.querySelectorAll("[aria-label]")]
      .filter((e) => !e.closest("[inert]") && e.getAttribute("aria-label").startsWith(prefix));
    const target = named[nth];
    const focused = document.activeElement;
    const at = all.indexOf(focused);
    // From a focused element that Tab skips (a heading), Tab goes on from it.
    const before = at >= 0 ? at : all.filter((e) => e.compareDocumentPosition(focused) & Node.DOCUMENT_POSITION_PRECEDING).length - 0.5;
    return { index: all.indexOf(target), at: before, count: all.length };
  }, prefix, nth);
  const focusedIs = (prefix, nth) => page.evaluate((prefix, nth) => {
    const named = [...document.querySelectorAll("[aria-label]")]
      .filter((e) => !e.closest("[inert]") && e.getAttribute("aria-label").startsWith(prefix));
    return named[nth] === document.activeElement;
  }, prefix, nth);
  async function reach(prefix, nth = 0) {
    if (await focusedIs(prefix, nth)) return;
    const { index, at, count } = await controlIndex(prefix, nth);
    if (index < 0) throw new Error(`no control ${prefix}`);
    const forward = index > at ? Math.ceil(index - at) : Math.ceil(count - at + index + 1);
    const backward = index < at ? Math.ceil(at - index) : Math.ceil(at + count - index + 1);
    const direction = forward <= backward ? "Tab" : "Shift+Tab";
    for (let i = 0; i < 2 * count && !(await focusedIs(prefix, nth)); ++i) {
      ++steps.keys;
      if (direction === "Tab") await page.keyboard.press("Tab");
      else {
        await page.keyboard.down("Shift");
        await page.keyboard.press("Tab");
        await page.keyboard.up("Shift");
      }
    }
    if (!(await focusedIs(prefix, nth))) throw new Error(`Tab does not reach ${prefix}`);
  }
  const exists = (prefix) => page.evaluate((prefix) =>
    [...document.querySelectorAll("#described [aria-label]")].some((e) => !e.closest("[inert]") && e.getAttribute("aria-label").startsWith(prefix)), prefix);
  // Uses the control: Enter for the keyboard, a screen reader's activation.
  async function use(prefix, nth = 0) {
    if (byKeyboard) {
      await reach(prefix, nth);
      return key("Enter");
    }
    ++steps.activations;
    const handle = await page.evaluateHandle((prefix, nth) =>
      [...document.querySelectorAll("#described [aria-label]")].filter((e) => !e.closest("[inert]") &&
        e.getAttribute("aria-label").startsWith(prefix))[nth], prefix, nth);
    await handle.evaluate((e) => e.click());
    return idle();
  }
  // A sign of a grid (the nth grid). Where the grids are groups of radios,
  // the keyboard enters the group at its chosen radio and the arrows move
  // to the sign, choosing it.
  async function choose(prefix, nth) {
    const entry = await page.evaluate((nth) => {
      const groups = document.querySelectorAll('[role="radiogroup"]');
      return groups.length ? [...groups[nth].querySelectorAll('[role="radio"]')].find((r) => r.tabIndex === 0).ariaLabel : null;
    }, nth);
    if (!byKeyboard || !entry) return use(prefix, nth);
    await reach(entry, nth);
    for (let i = 0; i < 12 && !(await focusedIs(prefix, nth)); ++i) {
      const [dx, dy] = await page.evaluate((prefix, nth) => {
        const target = [...document.querySelectorAll("[aria-label]")].filter((e) => e.getAttribute("aria-label").startsWith(prefix))[nth].getBoundingClientRect();
        const at = document.activeElement.getBoundingClientRect();
        return [Math.sign(Math.round(target.left - at.left)), Math.sign(Math.round(target.top - at.top))];
      }, prefix, nth);
      await key(dy > 0 ? "ArrowDown" : dy < 0 ? "ArrowUp" : dx > 0 ? "ArrowRight" : "ArrowLeft");
    }
  }
  return { steps, key, use, choose, exists, reach, idle };
}

async function readLeoAndPisces(page, user) {
  await user.use("Matchmaker by Sign");
  await user.choose("Leo,", 0);
  await user.choose("Pisces,", 1);
  await user.use("Match");
  while (await user.exists("Next page")) await user.use("Next page");
}

const isField = (page) => page.evaluate(() => document.activeElement?.tagName === "INPUT");
const keyboardOpen = (page) => page.evaluate(() => !!document.querySelector("#described dialog:not([inert])"));

// A value entered in a date box: typed into its field where it is one,
// else through its on-screen keyboard, opened by activating the box.
async function enterDate(page, user, byKeyboard) {
  for (const [field, digits] of BirthDate) {
    if (byKeyboard) await user.reach(field);
    else await page.evaluate((name) => [...document.querySelectorAll("#described [aria-label]")]
      .find((e) => e.getAttribute("aria-label").startsWith(name)).focus(), field);
    if (await isField(page)) {
      for (const digit of digits) await user.key(digit);
      await user.key("Enter");
      continue;
    }
    while (!(await keyboardOpen(page))) await user.use(field);
    // A build whose boxes are buttons names its keyboard's field "Edit field 24".
    const old = await page.evaluate((name) => [...document.querySelectorAll("#described [aria-label]")]
      .find((e) => e.getAttribute("aria-label").startsWith("Edit field")).getAttribute("aria-label").length - "Edit field ".length, field);
    if (byKeyboard) {
      // The focus is off the keys: typed keys are the keyboard's.
      for (let i = 0; i < old; ++i) await user.key("Backspace");
      for (const digit of digits) await user.key(digit);
      await user.key("Enter");
    } else {
      for (let i = 0; i < old; ++i) await user.use("Backspace");
      for (const digit of digits) {
        if (!(await user.exists(digit))) await user.use("Digits and symbols");
        await user.use(digit);
      }
      await user.use("Return");
    }
  }
}

async function readNumerology(page, user, byKeyboard) {
  await user.use("Numerology");
  await enterDate(page, user, byKeyboard);
  await user.use("Next");
  for (const topic of NumerologyTopics) {
    await user.use(topic);
    while (await user.exists("Next page")) await user.use("Next page");
    if (byKeyboard) await user.key("Escape");
    else await user.use("Back");
  }
}

// The steps of both tasks by a screen reader and by the keyboard.
export async function countSteps(browser, url) {
  const counts = {};
  for (const [who, byKeyboard, viewport] of [["screen reader", false, [390, 844, 3]], ["keyboard", true, [1280, 800, 1]]]) {
    for (const [task, run] of [["Leo and Pisces in full", readLeoAndPisces], ["14 March 1987, every numerology page", readNumerology]]) {
      // A context of its own: the copy before it may still hold the
      // installation's lock a moment after it closed.
      const context = await browser.createBrowserContext();
      try {
        const page = await context.newPage();
        await open(page, url, ...viewport);
        const user = stepper(page, byKeyboard);
        await run(page, user, byKeyboard);
        counts[`${task}, ${who}`] = user.steps;
      } finally {
        await context.close();
      }
    }
  }
  return counts;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, before] = process.argv.slice(2);
  const server = await serve(site);
  const earlier = before ? await serve(before) : null;
  const { browser, close } = await launch();
  try {
    const page = await browser.newPage();
    await open(page, server.url, 480, 700);
    const axe = { "main menu": await axeViolations(page) };
    const activate = async (name) => {
      await page.$eval(`#described [aria-label="${name}"]`, (e) => e.click());
      await waitIdle(page);
    };
    await activate("Help");
    axe.Help = await axeViolations(page);
    await activate("Close");
    await activate("Matchmaker by Sign");
    await activate("Match");
    axe.report = await axeViolations(page);
    await page.$eval("#reading-open", (e) => e.click());
    axe["reading view"] = await axeViolations(page);
    await page.keyboard.press("Escape");
    await open(page, server.url, 480, 700);
    await activate("Numerology");
    axe["birth date"] = await axeViolations(page);
    for (const [where, found] of Object.entries(axe)) console.log(`axe-core, ${where}:`, JSON.stringify(found));
    const lighthouse = lighthouseScore(server.url);
    console.log(`Lighthouse Accessibility: ${lighthouse.score}; failed audits: ${lighthouse.failed.join(", ") || "none"}`);
    await page.close();
    const after = await countSteps(browser, server.url);
    const was = earlier ? await countSteps(browser, earlier.url) : null;
    const show = ({ activations, keys }) => (activations ? `${activations} activations + ${keys} keys` : `${keys} keys`);
    console.log("| Task, by | Before | After |\n|---|---|---|");
    for (const [task, steps] of Object.entries(after)) console.log(`| ${task} | ${was ? show(was[task]) : "-"} | ${show(steps)} |`);
  } finally {
    await close();
    server.stop();
    earlier?.stop();
  }
}
