// The page's server on its own, on a small site of its own: the folder
// however it is given, the compression the browser accepts, and the
// caching it allows.
//
//   node tests/web/ServeTest.mjs
import assert from "node:assert/strict";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { serve } from "../../tools/web/Browser.mjs";

let site;

before(() => {
  site = mkdtempSync(join(tmpdir(), "stellarion-site-"));
  writeFileSync(join(site, "index.html"), "<!doctype html><title>a page</title>\n");
  writeFileSync(join(site, "Page.js"), "// a script long enough to be worth compressing\n".repeat(50));
});

after(() => rmSync(site, { recursive: true, force: true }));

// Runs check(url) against a server of the site started with these options.
async function withServer(folder, options, check) {
  const server = await serve(folder, ...options);
  try {
    await check(server.url);
  } finally {
    server.stop();
  }
}

describe("the page server", () => {
  test("serves the site folder given with or without a trailing slash", async () => {
    for (const folder of [site, `${site}/`, `${site}//`]) {
      await withServer(folder, [], async (url) => {
        assert.equal((await fetch(url)).status, 200, folder);
        assert.equal((await fetch(`${url}Page.js`)).status, 200, folder);
        assert.equal((await fetch(`${url}..%2f..%2fetc%2fpasswd`)).status, 404, folder);
      });
    }
  });

  test("compresses only for a browser that accepts gzip", async () => {
    await withServer(site, [], async (url) => {
      const encoding = async (accepted) =>
        (await fetch(`${url}Page.js`, { headers: { "Accept-Encoding": accepted } })).headers.get("content-encoding");
      for (const accepted of ["gzip", "br, gzip;q=0.5", "*", "GZIP;Q=1", "identity, *;q=0.1"])
        assert.equal(await encoding(accepted), "gzip", accepted);
      for (const accepted of ["gzip;q=0", "gzip;q=0.0, br", "br", "identity", "*;q=0", "gzip;q=0, *", ""])
        assert.equal(await encoding(accepted), null, accepted);
    });
  });

  test("lets files be cached when asked, and revalidates them otherwise", async () => {
    await withServer(site, [], async (url) =>
      assert.equal((await fetch(url)).headers.get("cache-control"), "no-cache"));
    await withServer(site, ["max-age=600"], async (url) => {
      const page = await fetch(url);
      assert.equal(page.headers.get("cache-control"), "max-age=600");
      // A file changed on disk is served changed, with another tag.
      writeFileSync(join(site, "index.html"), "<!doctype html><title>a rebuilt page</title>\n");
      const rebuilt = await fetch(url);
      assert.match(await rebuilt.text(), /a rebuilt page/);
      assert.notEqual(rebuilt.headers.get("etag"), page.headers.get("etag"));
    });
  });
});
