// A static server for the page's folder on 127.0.0.1, for trying it out and for the browser
// tests: the right content types (WebAssembly needs its own), gzip when the browser takes it,
// as any static host does, and the page's Content-Security-Policy as a header too.
// node web/serve.mjs FOLDER [PORT]   (port 0: any free one; the URL is printed)
import { createServer } from "node:http";
import { createServer as createTlsServer } from "node:https";
import { readFile, readdir, stat } from "node:fs/promises";
import { extname, join, normalize, resolve, sep } from "node:path";
import { gzipSync } from "node:zlib";
import { createHash } from "node:crypto";
import { realpathSync } from "node:fs";
import { fileURLToPath } from "node:url";

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
  ".json": "application/json", ".webmanifest": "application/manifest+json", ".wasm": "application/wasm",
  ".svg": "image/svg+xml", ".woff2": "font/woff2", ".ttf": "font/ttf", ".txt": "text/plain; charset=utf-8",
  ".png": "image/png", ".xml": "application/xml",
};
const CSP = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self' 'unsafe-inline'; " +
  "img-src 'self' blob: data:; font-src 'self'; connect-src 'self'; worker-src 'self'; manifest-src 'self'; " +
  "object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

// Every file's gzip form and its entity tag, made before the server answers, as a static host
// keeps them; the tag lets the service worker's install revalidate instead of downloading again.
async function prepare(folder, gzipped, tags) {
  for (const entry of await readdir(folder, { withFileTypes: true })) {
    const path = join(folder, entry.name);
    if (entry.isDirectory()) {
      await prepare(path, gzipped, tags);
      continue;
    }
    const bytes = await readFile(path);
    tags.set(path, `"${createHash("sha256").update(bytes).digest("base64url").slice(0, 22)}"`);
    if (extname(path) !== ".woff2") gzipped.set(path, gzipSync(bytes, { level: 9 }));
  }
}

// `csp`: the Content-Security-Policy header (the page's own by default); `tls`: { key, cert }
// to serve HTTPS, as an Office add-in must be.
export async function serve(folder, port = 0, { csp = CSP, tls = null } = {}) {
  const root = resolve(folder);
  const gzipped = new Map();
  const tags = new Map();
  await prepare(root, gzipped, tags);
  const server = (tls ? (handler) => createTlsServer(tls, handler) : createServer)(async (request, response) => {
    try {
      let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
      if (path.endsWith("/")) path += "index.html";
      const file = normalize(join(root, path));
      if (!file.startsWith(root + sep) || !(await stat(file)).isFile()) throw new Error("not found");
      const headers = { "Content-Type": TYPES[extname(file)] || "application/octet-stream", "ETag": tags.get(file),
                        "Cache-Control": "no-cache", "Content-Security-Policy": csp, "Vary": "Accept-Encoding" };
      if (request.headers["if-none-match"] === tags.get(file)) {
        response.writeHead(304, headers);
        return response.end();
      }
      let body = await readFile(file);
      if (/\bgzip\b/.test(request.headers["accept-encoding"] || "") && gzipped.has(file)) {
        body = gzipped.get(file);
        headers["Content-Encoding"] = "gzip";
      }
      headers["Content-Length"] = body.length;
      server.bytesSent += body.length;
      response.writeHead(200, headers);
      response.end(request.method === "HEAD" ? undefined : body);
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" });
      response.end("not found\n");
    }
  });
  server.bytesSent = 0;  // bodies only, for the tests' figures
  return new Promise((done) => server.listen(port, "127.0.0.1", () => done(server)));
}

// Run as a program (not imported): compared as paths, since the module's URL is
// percent-encoded and node names the program by its real path.
if (process.argv[1] && fileURLToPath(import.meta.url) === realpathSync(process.argv[1])) {
  const server = await serve(process.argv[2] || ".", Number(process.argv[3] || 8080));
  console.log(`Pelvaron: http://127.0.0.1:${server.address().port}/  (Ctrl-C stops)`);
}
