// Drives the browser build in the system's headless chromium, for the
// browser tests and the measures: a local server for the built page, a
// fresh browser profile, taps played from simulator scripts, and the canvas
// compared with the simulator's shots.
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { createInterface } from "node:readline";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const Here = dirname(fileURLToPath(import.meta.url));
export const Chromium = "/usr/bin/chromium";

// Starts tools/web/Serve.mjs on a free port with its options ("isolated",
// "max-age=SECONDS"); resolves to { url, stop, requests } where requests
// lists every response as { status, bytes, path }.
export function serve(site, ...options) {
  return new Promise((resolve, reject) => {
    const server = spawn(process.execPath, [join(Here, "Serve.mjs"), site, "0", ...options],
                         { stdio: ["ignore", "pipe", "inherit"] });
    server.on("error", reject);
    const lines = createInterface({ input: server.stdout });
    const requests = [];
    lines.on("line", (line) => {
      const served = /^serving (\S+)/.exec(line);
      if (served) resolve({ url: served[1], stop: () => server.kill(), requests });
      const [status, bytes, path] = line.split(" ");
      if (!served) requests.push({ status: Number(status), bytes: Number(bytes), path });
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

export const waitIdle = (page) => page.waitForFunction(() => StellarionPage.isIdle(), { timeout: 20000 });

// Opens the page at url on a viewport and waits for the program to settle.
export async function open(page, url, width, height) {
  await page.setViewport({ width, height, deviceScaleFactor: 1 });
  await page.goto(url, { waitUntil: "load" });
  await waitIdle(page);
}

async function pointAt(page, x, y) {
  const box = await page.$eval("#screen", (canvas) => {
    const r = canvas.getBoundingClientRect();
    return { left: r.left, top: r.top, scaleX: r.width / canvas.width, scaleY: r.height / canvas.height };
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

// Differences between the canvas and a PNG: { width, height, differing,
// first } where first is the first differing pixel, or null.
export function compareCanvas(page, pngFile) {
  const png = readFileSync(pngFile).toString("base64");
  return page.evaluate(async (data) => {
    const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: "image/png" }),
                                           { colorSpaceConversion: "none", premultiplyAlpha: "none" });
    const canvas = document.getElementById("screen");
    const shown = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
    scratch.drawImage(bitmap, 0, 0);
    const expected = scratch.getImageData(0, 0, bitmap.width, bitmap.height).data;
    if (bitmap.width !== canvas.width || bitmap.height !== canvas.height)
      return { width: canvas.width, height: canvas.height, differing: -1, first: [bitmap.width, bitmap.height] };
    let differing = 0, first = null;
    for (let i = 0; i < shown.length; i += 4) {
      if (shown[i] === expected[i] && shown[i + 1] === expected[i + 1] && shown[i + 2] === expected[i + 2]) continue;
      if (!first) first = [(i / 4) % canvas.width, Math.floor(i / 4 / canvas.width)];
      ++differing;
    }
    return { width: canvas.width, height: canvas.height, differing, first };
  }, png);
}

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
