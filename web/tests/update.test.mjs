// A new version of the site replaces the cached one: the page is loaded
// (and kept offline) as version A, the server then sends version B, and
// the next load ends on B, which then works offline too. The server says
// its files may be kept an hour, as caching servers do, so a worker that
// fills its cache through the browser's HTTP cache would keep A's files.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { openBrowser, site } from "./browser.mjs";
import { stampWorker } from "../tools/stamp_worker.mjs";

const template = new URL("../sw.js", import.meta.url).pathname;
const served = mkdtempSync(join(tmpdir(), "corvanta-site-"));
let browser;

before(async () => {
  cpSync(site, served, { recursive: true });
  browser = await openBrowser({ root: served, maxAge: 3600 });
});
after(async () => {
  await browser?.close();
  rmSync(served, { recursive: true, force: true });
});

// Version B: the page's heading and a script both changed, the worker
// stamped anew as the build does.
function serveVersionB() {
  const page = join(served, "index.html");
  writeFileSync(page, readFileSync(page, "utf8").replace("<h1>Corvanta</h1>", "<h1>Corvanta B</h1>"));
  const script = join(served, "draw.js");
  writeFileSync(script, `${readFileSync(script, "utf8")}\nexport const version = "B";\n`);
  return stampWorker(served, template);
}

const workerVersion = (page) => page.evaluate(async () => (await caches.keys()).filter((n) => n.startsWith("corvanta-")));

// What the page shows once it has settled: a reload the new worker asks
// for replaces the document, so each look is retried until it answers.
async function settledHeading(page, wanted, timeout = 20000) {
  const end = Date.now() + timeout;
  let heading = null;
  while (Date.now() < end) {
    try {
      heading = await page.evaluate(() => document.body.dataset.ready === "1" && document.querySelector("h1").textContent);
      if (heading === wanted) return heading;
    } catch {
      // The document went away under the look: look again.
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return heading;
}

test("a new version replaces the cached one on the next load and then works offline", async () => {
  const page = await browser.page("#/Am7");
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
  const [versionA] = await workerVersion(page);
  assert.match(versionA, /^corvanta-[0-9a-f]{16}$/);

  const versionB = serveVersionB();
  assert.notEqual(`corvanta-${versionB}`, versionA, "a changed site has a new version");
  await page.reload({ waitUntil: "load" });
  assert.equal(await settledHeading(page, "Corvanta B"), "Corvanta B", "version B shown after one load");
  await page.waitForFunction((name) => caches.keys().then((names) => names.includes(name)), {}, `corvanta-${versionB}`);
  assert.deepEqual(await workerVersion(page), [`corvanta-${versionB}`], "version A's cache is dropped");
  assert.equal(await page.evaluate(async () => (await import("./draw.js")).version), "B");

  await page.setOfflineMode(true);
  try {
    await page.reload({ waitUntil: "load" });
    assert.equal(await settledHeading(page, "Corvanta B"), "Corvanta B", "version B offline");
    // The chord in the link is searched offline by version B's module.
    assert.ok(Number(await page.$eval("#count", (c) => c.dataset.count)) > 0);
    assert.equal(await page.$eval("#symbol", (s) => s.value), "Am7");
  } finally {
    await page.setOfflineMode(false);
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});
