// Lighthouse's performance audit of a page in the system's headless
// chromium (a browser of its own, so a first visit), for the measures.
import lighthouse from "lighthouse";
import desktopConfig from "lighthouse/core/config/desktop-config.js";
import { launch } from "./Browser.mjs";

// Resolves to { score (0-100, or null), lcp (ms, or null when there is no
// Largest Contentful Paint), cls, tbt (Total Blocking Time, ms), tti (time
// to interactive, ms), longest (the longest main-thread task Lighthouse
// saw, ms, 0 when none was long), lcpElement (the HTML that opens the
// element of the Largest Contentful Paint, or null), lcpDiscovered (false
// when Lighthouse advises to prioritize the LCP image) } for the preset
// "mobile" or "desktop".
export async function audit(url, preset) {
  const chromium = await launch();
  try {
    const port = Number(new URL(chromium.browser.wsEndpoint()).port);
    const { lhr } = await lighthouse(url, { port, output: "json", logLevel: "error", onlyCategories: ["performance"] },
                                     preset === "desktop" ? desktopConfig : undefined);
    const { score } = lhr.categories.performance;
    const tasks = lhr.audits["long-tasks"]?.details?.items ?? [];
    return { score: score === null ? null : Math.round(score * 100),
             lcp: lhr.audits["largest-contentful-paint"].numericValue ?? null,
             cls: lhr.audits["cumulative-layout-shift"].numericValue ?? null,
             tbt: lhr.audits["total-blocking-time"].numericValue ?? null,
             tti: lhr.audits.interactive?.numericValue ?? null,
             longest: Math.max(0, ...tasks.map((task) => task.duration)),
             lcpElement: lcpNode(lhr.audits["largest-contentful-paint-element"])?.snippet ?? null,
             lcpDiscovered: (lhr.audits["prioritize-lcp-image"]?.details?.items ?? []).length === 0 };
  } finally {
    await chromium.close();
  }
}

// The node of the LCP element audit: its first table lists the element.
function lcpNode(element) {
  const first = element?.details?.items?.[0];
  return first?.items?.[0]?.node ?? first?.node ?? null;
}
