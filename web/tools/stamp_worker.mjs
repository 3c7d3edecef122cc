// Writes the offline worker into a built site: its version is a digest of
// every other file of the site, and its list names them, so any change to
// the site makes a new worker, which replaces the cached site on the next
// load.   node stamp_worker.mjs <site folder> <worker template>
import { readFileSync, readdirSync, statSync, writeFileSync } from "node:fs";
import { createHash } from "node:crypto";
import { join, relative } from "node:path";

const walk = (dir) => readdirSync(dir).flatMap((name) => {
  const path = join(dir, name);
  return statSync(path).isDirectory() ? walk(path) : [path];
});

export function stampWorker(site, template) {
  const files = walk(site).map((path) => relative(site, path).split("\\").join("/"))
    .filter((file) => file !== "sw.js").sort();
  const digest = createHash("sha256");
  for (const file of files) digest.update(file).update(readFileSync(join(site, file)));
  const version = digest.digest("hex").slice(0, 16);
  // The page itself is cached as "./" (what a navigation asks for) and by name.
  const list = ["./", ...files.filter((file) => file !== "index.html"), "index.html"];
  const worker = readFileSync(template, "utf8")
    .replace("__VERSION__", version)
    .replace("__FILES__", JSON.stringify(list));
  writeFileSync(join(site, "sw.js"), worker);
  return version;
}

if (import.meta.url === `file://${process.argv[1]}`) stampWorker(process.argv[2], process.argv[3]);
