// Measures the page's accessibility as tools see it: axe-core's violations
// on the main menu, a report and the Help popup, and Lighthouse's
// Accessibility score, both in the system's headless chromium.
//
//   node bench/web/Accessibility.mjs SITE_FOLDER
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { Chromium, launch, open, serve } from "../../tools/web/Browser.mjs";

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

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const site = process.argv[2];
  const server = await serve(site);
  const { browser, close } = await launch();
  try {
    const page = await browser.newPage();
    await open(page, server.url, 480, 700);
    console.log("axe-core, main menu:", JSON.stringify(await axeViolations(page)));
    const lighthouse = lighthouseScore(server.url);
    console.log(`Lighthouse Accessibility: ${lighthouse.score}; failed audits: ${lighthouse.failed.join(", ") || "none"}`);
  } finally {
    await close();
    server.stop();
  }
}
