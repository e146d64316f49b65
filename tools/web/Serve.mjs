// Serves the built page (build-web/site) on localhost, compressed where the
// browser accepts it, each file revalidated on every load so that a new
// build is seen at once and a cached one costs a few bytes.
//
//   node tools/web/Serve.mjs SITE_FOLDER [PORT] [isolated]   (port 0: any free port)
//
// "isolated" serves the page cross-origin isolated, which gives it
// fine-grained timers for measures (and costs a navigation a new process).
//
// Prints "serving http://127.0.0.1:PORT/" once it listens, then one line
// per request: the status, the bytes of the body sent and the path.
import { createHash } from "node:crypto";
import { readdir, readFile } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize, sep } from "node:path";
import { gzipSync } from "node:zlib";

const Types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
};

const [site, portText = "8080", isolation] = process.argv.slice(2);
const Isolated = isolation === "isolated";
if (!site) {
  console.error("usage: node Serve.mjs SITE_FOLDER [PORT] [isolated]");
  process.exit(2);
}
const root = normalize(site) + sep;
// Read once per server: a rebuilt site needs a restarted server.
const files = new Map();

async function load(path) {
  if (files.has(path)) return files.get(path);
  const body = await readFile(path);
  const entry = {
    body,
    gzip: gzipSync(body, { level: 9 }),
    tag: `"${createHash("sha256").update(body).digest("hex").slice(0, 16)}"`,
  };
  files.set(path, entry);
  return entry;
}

function reply(response, status, headers, body, path) {
  response.writeHead(status, headers).end(body);
  console.log(`${status} ${body ? body.length : 0} ${path}`);
}

// Compressing the program takes a while: done once, before the first visit.
for (const name of await readdir(root)) if (Types[extname(name)]) await load(join(root, name)).catch(() => {});

// The file a request names, or null for one that names none (a malformed
// address or escape, a path that leaves the site).
function requestedFile(address) {
  let name;
  try {
    name = decodeURIComponent(new URL(address, "http://localhost").pathname).replace(/\/$/, "/index.html");
  } catch {
    return null;
  }
  const path = normalize(join(root, name));
  return path.startsWith(root) ? path : null;
}

const server = createServer(async (request, response) => {
  const path = requestedFile(request.url);
  const type = path && Types[extname(path)];
  if (!type || (request.method !== "GET" && request.method !== "HEAD")) {
    reply(response, 404, {}, undefined, request.url);
    return;
  }
  let file;
  try {
    file = await load(path);
  } catch {
    reply(response, 404, {}, undefined, request.url);
    return;
  }
  const headers = { "Content-Type": type, "Cache-Control": "no-cache", ETag: file.tag, Vary: "Accept-Encoding" };
  if (Isolated) {
    headers["Cross-Origin-Opener-Policy"] = "same-origin";
    headers["Cross-Origin-Embedder-Policy"] = "require-corp";
  }
  if (request.headers["if-none-match"] === file.tag) {
    reply(response, 304, headers, undefined, request.url);
    return;
  }
  const compressed = /\bgzip\b/.test(request.headers["accept-encoding"] || "");
  if (compressed) headers["Content-Encoding"] = "gzip";
  const body = compressed ? file.gzip : file.body;
  headers["Content-Length"] = body.length;
  reply(response, 200, headers, request.method === "HEAD" ? undefined : body, request.url);
});

server.listen(Number(portText), "127.0.0.1", () => {
  console.log(`serving http://127.0.0.1:${server.address().port}/`);
});
