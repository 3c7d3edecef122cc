// A static file server for the built site, on 127.0.0.1 only: any static
// server does; this one needs nothing beyond node. Prints the URL.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm", ".png": "image/png", ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
};

// maxAge: seconds a browser may keep each file without asking again, as a
// caching server says (the default: no caching header at all); typeOf:
// content types by extension that replace the ones above, as another
// server may send them.
export function serve(root, port = 0, { maxAge = 0, typeOf = {} } = {}) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    const file = join(root, path.endsWith("/") ? path + "index.html" : path);
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      const headers = { "Content-Type": typeOf[extname(file)] ?? types[extname(file)] ?? "application/octet-stream" };
      if (maxAge > 0) headers["Cache-Control"] = `max-age=${maxAge}`;
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end("not found");
    }
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const root = normalize(process.argv[2] ?? ".");
  const server = await serve(root, Number(process.argv[3] ?? 8037));
  console.log(`Corvanta in the browser: http://127.0.0.1:${server.address().port}/`);
}
