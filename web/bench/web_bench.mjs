// The browser edition's figures: the site's size compressed, a cold load to
// the first painted diagrams, a keystroke to repainted diagrams (the start
// chord, and the largest result at 24 frets), and in the song view a
// 64-chord jazz song pasted to its painted sheet on a fresh page and a
// keystroke in its words and one in a chord. SONG_ONLY=1 measures the
// song view alone.
// Prints a table; times are medians of several runs in headless chromium
// from 127.0.0.1, with the machine's load (other work skews every time).
import { readFileSync, readdirSync, statSync } from "node:fs";
import { cpus, loadavg } from "node:os";
import { join } from "node:path";
import { brotliCompressSync, gzipSync } from "node:zlib";
import { openBrowser, site } from "../tests/browser.mjs";

const runs = Number(process.env.RUNS ?? 7);
// The largest practical result at 24 frets, found by counting with the CLI.
const largest = process.env.LARGEST ?? "Em7";
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const wasm = readFileSync(`${site}/corvanta.wasm`);
// Every file the site serves (what the offline worker caches), each
// compressed as a server sends it.
const walk = (dir) => readdirSync(dir).flatMap((name) => (statSync(join(dir, name)).isDirectory() ? walk(join(dir, name)) : [join(dir, name)]));
const files = walk(site).map((file) => readFileSync(file));
const sum = (sizes) => sizes.reduce((a, b) => a + b, 0);
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;
// The size that counts is what a server sends: brotli (every current
// browser asks for it, and common servers and hosts send it), then gzip for
// a server without brotli; both at their best level.
const gzipped = (file) => gzipSync(file, { level: 9 }).length;
const brotli = (file) => brotliCompressSync(file).length;
const figures = [
  ["machine: cores / load average (1 min) at the start", `${cpus().length} / ${loadavg()[0].toFixed(1)}`],
  ["corvanta.wasm: raw / brotli / gzipped", `${kb(wasm.length)} / ${kb(brotli(wasm))} / ${kb(gzipped(wasm))}`],
  [`the site, ${files.length} files: raw / brotli (as sent) / gzipped`, `${kb(sum(files.map((f) => f.length)))} / ${kb(sum(files.map(brotli)))} / ${kb(sum(files.map(gzipped)))}`],
];
const jazz = readFileSync(new URL("./jazz64.cho", import.meta.url), "utf8");

const browser = await openBrowser();
try {
  // The cold load: from the navigation's start (the page's time origin) in
  // a browser context of its own, nothing cached, at puppeteer's 800 x 600,
  // from web/tools/serve.mjs over HTTP/1.1 uncompressed, to the timeout
  // app.js queues from the frame that painted the first diagrams (its
  // "corvanta-painted" mark).
  const loads = [];
  for (let run = 0; run < (process.env.SONG_ONLY ? 0 : runs); run++) {
    // A context of its own each time: no cache, no compiled module kept.
    const context = await browser.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setCacheEnabled(false);
    await page.goto(browser.base, { waitUntil: "load" });
    await page.waitForFunction(() => performance.getEntriesByName("corvanta-painted").length > 0, { timeout: 15000 });
    loads.push(await page.evaluate(() => performance.getEntriesByName("corvanta-painted")[0].startTime));
    await context.close();
  }
  if (loads.length) {
    const fastest = Math.min(...loads);
    figures.push(["cold load to painted diagrams: median (fastest)", `${median(loads).toFixed(0)} (${fastest.toFixed(0)}) ms`]);
  }

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
  if (!process.env.SONG_ONLY) {
    const small = await keystroke("C", "");
    figures.push([`keystroke, start chord (C, ${small.count} diagrams): work / to paint`, `${small.work.toFixed(1)} / ${small.frame.toFixed(1)} ms`]);
    const big = await keystroke(largest, `#/${encodeURIComponent(largest)}?frets=24`);
    figures.push([`keystroke, ${largest} at 24 frets (${big.count} diagrams): work / to paint`, `${big.work.toFixed(1)} / ${big.frame.toFixed(1)} ms`]);
  }

  // The song view: the jazz song pasted into an empty box on a page just
  // loaded (nothing of it known yet), and a letter typed into its last
  // lyric, each to the sheet painted.
  const songPage = await browser.page("#/song");
  const put = (text) =>
    songPage.evaluate(async (text) => {
      const box = document.querySelector("#song-text");
      const t0 = performance.now();
      box.value = text;
      box.dispatchEvent(new Event("input"));
      void document.querySelector("#song-sheet").offsetHeight;
      const work = performance.now() - t0;
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
      return [work, performance.now() - t0];
    }, text);
  const paste = [], keys = [];
  for (let i = 0; i < runs; i++) {
    await songPage.reload({ waitUntil: "load" });
    await songPage.waitForSelector("body[data-ready='1']");
    paste.push(await put(jazz));
  }
  for (let i = 0; i < 9; i++) keys.push(await put(jazz + (i % 2 ? "" : "x")));
  // The same in the first lyric, on the first page, beside the diagrams.
  const first = jazz.indexOf("]") + 1;
  const firstKeys = [];
  for (let i = 0; i < 9; i++) firstKeys.push(await put(i % 2 ? jazz : jazz.slice(0, first) + "x" + jazz.slice(first)));
  // A chord changed (its last one, Bb6/9 to Bb6 and back): the choice over
  // the song solved again, the searches kept.
  const last = jazz.lastIndexOf("[Bb6/9]");
  const chordKeys = [];
  for (let i = 0; i < 9; i++)
    chordKeys.push(await put(i % 2 ? jazz : jazz.slice(0, last) + "[Bb6]" + jazz.slice(last + 7)));
  const chords = await songPage.evaluate(() => document.body.dataset.songChords);
  const pasted = [median(paste.map((p) => p[0])), median(paste.map((p) => p[1]))];
  const key = [median(keys.map((k) => k[0])), median(keys.map((k) => k[1]))];
  figures.push([`song: 64-chord jazz song pasted (${chords} distinct): work / to paint`, `${pasted[0].toFixed(1)} / ${pasted[1].toFixed(1)} ms`]);
  figures.push(["song: a keystroke in it: work / to paint", `${key[0].toFixed(1)} / ${key[1].toFixed(1)} ms`]);
  const firstKey = [median(firstKeys.map((k) => k[0])), median(firstKeys.map((k) => k[1]))];
  figures.push(["song: a keystroke in its first line: work / to paint", `${firstKey[0].toFixed(1)} / ${firstKey[1].toFixed(1)} ms`]);
  const chordKey = [median(chordKeys.map((k) => k[0])), median(chordKeys.map((k) => k[1]))];
  figures.push(["song: a chord changed in it: work / to paint", `${chordKey[0].toFixed(1)} / ${chordKey[1].toFixed(1)} ms`]);
} finally {
  await browser.close();
}
for (const [what, figure] of figures) console.log(`${what.padEnd(64)} ${figure}`);
