// Serves the built page (build-web/site) on localhost, compressed where the
// browser accepts it, each file revalidated on every load so that a new
// build is seen at once and a cached one costs a few bytes.
//
//   node tools/web/Serve.mjs SITE_FOLDER [PORT] [isolated] [max-age=SECONDS]
//   (port 0: any free port)
//
// "isolated" serves the page cross-origin isolated, which gives it
// fine-grained timers for measures (and costs a navigation a new process).
// "max-age=SECONDS" lets the browser keep each file that long without
// asking, as many static hosts do, instead of revalidating it.
//
// Prints "serving http://127.0.0.1:PORT/" once it listens, then one line
// per request: the status, the bytes of the body sent and the path.
import { createHash } from "node:crypto";
import { readdir, readFile, stat } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize, resolve, sep } from "node:path";
import { gzipSync } from "node:zlib";

const Types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".webp": "image/webp",
};

const [site, portText = "8080", ...options] = process.argv.slice(2);
const Isolated = options.includes("isolated");
const MaxAge = options.map((option) => /^max-age=(\d+)$/.exec(option)?.[1]).find(Boolean);
if (!site || options.some((option) => option !== "isolated" && !/^max-age=\d+$/.test(option))) {
  console.error("usage: node Serve.mjs SITE_FOLDER [PORT] [isolated] [max-age=SECONDS]");
  process.exit(2);
}
// The folder as one absolute path ending in a single separator, however it
// was given (with a trailing slash or without, relative or not), so that
// every file inside it starts with it.
const root = join(resolve(site), sep);
// Read again only when the file changed on disk, so that a rebuilt site is
// served at once while the compressed program is made once per build.
const files = new Map();

async function load(path) {
  const { mtimeMs, size } = await stat(path);
  const known = files.get(path);
  if (known && known.mtimeMs === mtimeMs && known.body.length === size) return known;
  const body = await readFile(path);
  const entry = {
    body,
    mtimeMs,
    gzip: gzipSync(body, { level: 9 }),
    tag: `"${createHash("sha256").update(body).digest("hex").slice(0, 16)}"`,
  };
  files.set(path, entry);
  return entry;
}

// Whether an Accept-Encoding header accepts gzip: named, or covered by "*",
// with a weight above 0 ("gzip;q=0" refuses it).
function acceptsGzip(header = "") {
  const weights = new Map(header.split(",").map((part) => {
    const [coding, ...parameters] = part.split(";").map((text) => text.trim().toLowerCase());
    const q = parameters.map((parameter) => /^q=([\d.]+)$/.exec(parameter)?.[1]).find(Boolean);
    return [coding, q === undefined ? 1 : Number(q)];
  }));
  return (weights.get("gzip") ?? weights.get("*") ?? 0) > 0;
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
  const caching = MaxAge ? `max-age=${MaxAge}` : "no-cache";
  const headers = { "Content-Type": type, "Cache-Control": caching, ETag: file.tag, Vary: "Accept-Encoding" };
  if (Isolated) {
    headers["Cross-Origin-Opener-Policy"] = "same-origin";
    headers["Cross-Origin-Embedder-Policy"] = "require-corp";
  }
  if (request.headers["if-none-match"] === file.tag) {
    reply(response, 304, headers, undefined, request.url);
    return;
  }
  const compressed = acceptsGzip(request.headers["accept-encoding"]);
  if (compressed) headers["Content-Encoding"] = "gzip";
  const body = compressed ? file.gzip : file.body;
  headers["Content-Length"] = body.length;
  reply(response, 200, headers, request.method === "HEAD" ? undefined : body, request.url);
});

server.listen(Number(portText), "127.0.0.1", () => {
  console.log(`serving http://127.0.0.1:${server.address().port}/`);
});
