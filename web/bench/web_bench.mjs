// The browser edition's figures: the module's size, a cold load to the
// first painted diagrams, and a keystroke to repainted diagrams (the start
// chord, and the largest result at 24 frets). Prints a table; times are
// medians of several runs in headless chromium from 127.0.0.1.
import { readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { openBrowser, site } from "../tests/browser.mjs";

const runs = Number(process.env.RUNS ?? 7);
// The largest practical result at 24 frets, found by counting with the CLI.
const largest = process.env.LARGEST ?? "Em7";
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const wasm = readFileSync(`${site}/corvanta.wasm`);
const figures = [
  ["corvanta.wasm", `${(wasm.length / 1024).toFixed(0)} KB`],
  ["corvanta.wasm gzipped", `${(gzipSync(wasm, { level: 9 }).length / 1024).toFixed(0)} KB`],
];

const browser = await openBrowser();
try {
  const loads = [];
  for (let run = 0; run < runs; run++) {
    // A context of its own each time: no cache, no compiled module kept.
    const context = await browser.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setCacheEnabled(false);
    await page.goto(browser.base, { waitUntil: "load" });
    await page.waitForFunction(() => performance.getEntriesByName("corvanta-painted").length > 0, { timeout: 15000 });
    loads.push(await page.evaluate(() => performance.getEntriesByName("corvanta-painted")[0].startTime));
    await context.close();
  }
  const fastest = Math.min(...loads);
  figures.push(["cold load to painted diagrams: median (fastest)", `${median(loads).toFixed(0)} (${fastest.toFixed(0)}) ms`]);

  const page = await browser.page();
  // One keystroke: the input event's work with the layout it forces, and
  // the same to the frame's paint (which waits for the display's next frame).
  const keystroke = (symbol, options) =>
    page.evaluate(async (symbol, hash) => {
      if (hash && location.hash !== hash) {
        location.hash = hash;
        await new Promise((r) => setTimeout(r, 200));
      }
      const box = document.querySelector("#symbol");
      const work = [], frame = [];
      for (let i = 0; i < 9; i++) {
        box.value = i % 2 ? symbol + " " : symbol;
        const t0 = performance.now();
        box.dispatchEvent(new Event("input"));
        void document.querySelector("#diagrams").offsetHeight;
        work.push(performance.now() - t0);
        await new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
        frame.push(performance.now() - t0);
      }
      const median = (v) => v.sort((a, b) => a - b)[4];
      return { work: median(work), frame: median(frame), count: document.querySelector("#count").dataset.count };
    }, symbol, options);
  const small = await keystroke("C", "");
  figures.push([`keystroke, start chord (C, ${small.count} diagrams): work / to paint`, `${small.work.toFixed(1)} / ${small.frame.toFixed(1)} ms`]);
  const big = await keystroke(largest, `#/${encodeURIComponent(largest)}?frets=24`);
  figures.push([`keystroke, ${largest} at 24 frets (${big.count} diagrams): work / to paint`, `${big.work.toFixed(1)} / ${big.frame.toFixed(1)} ms`]);
} finally {
  await browser.close();
}
for (const [what, figure] of figures) console.log(`${what.padEnd(64)} ${figure}`);
