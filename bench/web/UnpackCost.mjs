// What unpacking the packed content costs on the page's main thread: on the
// 480 x 640 screen (a tablet), at Lighthouse's mobile slowdown of the
// processor (4x), the longest task of each step that first reads a chunk:
// the start, the About box (the first text chunk, with the compatibility
// readings), a compatibility reading, the numerology page (the second) and
// the Chinese sign (pictures of their own). Each should stay within 50 ms.
//
//   node bench/web/UnpackCost.mjs SITE_FOLDER
import { launch, open, play, serve, slowPage } from "../../tools/web/Browser.mjs";
import { placeOf } from "../../tests/web/Scripts.mjs";

const Screen = "480x640";
const Steps = [
  ["About box", ["about"]],
  ["compatibility reading", ["compatibility", "myLeo", "loverScorpio", "match"]],
  ["numerology page", ["numerology"]],
  ["Chinese sign", ["extras", "chineseSign"]],
];

const site = process.argv[2];
if (!site) throw new Error("usage: node bench/web/UnpackCost.mjs SITE_FOLDER");
const server = await serve(site);
const chromium = await launch();
try {
  const { page } = await slowPage(chromium.browser);
  await open(page, server.url, 768, 1024, 2);
  const longest = () => page.evaluate(() => {
    const most = Math.max(0, ...window.longTasks);
    window.longTasks = [];
    return most;
  });
  console.log(`start                        longest task ${await longest()} ms`);
  for (const [name, places] of Steps) {
    // Each step from a fresh start, so that it unpacks what it reads.
    await open(page, server.url, 768, 1024, 2);
    await longest();
    const taps = places.map((place) => `tap ${placeOf(Screen, place).join(" ")}`);
    await play(page, taps.join("\n"));
    const most = await longest();
    console.log(`${name.padEnd(28)} longest task ${most} ms ${most <= 50 ? "ok" : "OVER"}`);
  }
} finally {
  await chromium.close();
  server.stop();
}
