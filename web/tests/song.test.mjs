// The song view in headless chromium: the same voicings, key and capo
// suggestions as `corvanta-cli song --json` for a dozen songs of every
// form and directive; the printed page holds every word and chord; the
// keyboard reaches everything; bad input leaves the page working.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { openBrowser, site } from "./browser.mjs";

const cli = resolve(process.env.CORVANTA_CLI ?? new URL("../../build/src/cli/corvanta-cli", import.meta.url).pathname);
const songsFolder = new URL("./songs/", import.meta.url).pathname;
const songs = readdirSync(songsFolder).sort();

function cliSong(file, ...args) {
  return JSON.parse(execFileSync(cli, ["song", join(songsFolder, file), "--json", ...args], { encoding: "utf8", timeout: 30000, stdio: ["ignore", "pipe", "ignore"] }));
}
const fretsText = (frets) => frets.map((f) => (f === null ? "x" : f)).join(" ");

// Sets the song box as a paste does and waits for the strip.
async function putSong(page, text) {
  await page.evaluate((text) => {
    const box = document.querySelector("#song-text");
    box.value = text;
    box.dispatchEvent(new Event("input"));
  }, text);
}

const strip = (page) => page.$$eval("#song-strip svg.diagram", (all) => all.map((d) => ({ symbol: d.dataset.symbol, frets: d.dataset.frets })));

let browser;
before(async () => {
  browser = await openBrowser();
});
after(async () => {
  await browser?.close();
});

describe("the song view voices as corvanta-cli song", { skip: !existsSync(cli) && `no corvanta-cli at ${cli}` }, () => {
  test("a dozen songs: distinct chords, voicings, key and the capo suggestions' order", async () => {
    assert.ok(songs.length >= 12);
    const page = await browser.page("#/song");
    for (const file of songs) {
      const text = readFileSync(join(songsFolder, file), "utf8");
      await putSong(page, text);
      const expected = cliSong(file);
      assert.deepEqual(await strip(page), expected.distinct.map((c) => ({ symbol: c.symbol, frets: fretsText(c.frets) })), file);
      assert.equal(await page.$eval("body", (b) => b.dataset.songKey), expected.key, file);
      // Suggest capo: the list in the CLI's order, and a choice applies.
      await page.click("#song-suggest");
      const suggested = await page.$$eval("#song-suggestions button", (all) => all.map((b) => Number(b.dataset.capo)));
      const cliSuggested = cliSong(file, "--capo", "suggest");
      assert.deepEqual(suggested, cliSuggested.capoSuggestions.map((s) => s.capo), file);
      await page.click("#song-suggestions button");
      await page.waitForFunction(() => document.querySelector("#song-suggestions").hidden);
      const atCapo = cliSong(file, "--capo", String(suggested[0]));
      assert.deepEqual(await strip(page), atCapo.distinct.map((c) => ({ symbol: c.symbol, frets: fretsText(c.frets) })), `${file} at capo ${suggested[0]}`);
      await page.select("#song-capo", "");
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test("transposing, the mode and the instrument reach the voicings", async () => {
    const file = "05_jazz_minor.cho";
    const page = await browser.page(`#/song?instrument=ukulele&text=${encodeURIComponent(readFileSync(join(songsFolder, file), "utf8"))}`);
    await page.click("#song-transpose-up");
    await page.click("#song-transpose-up");
    await page.select("#song-mode", "easiest");
    const expected = cliSong(file, "--instrument", "ukulele", "--transpose", "2", "--mode", "easiest");
    assert.deepEqual(await strip(page), expected.distinct.map((c) => ({ symbol: c.symbol, frets: fretsText(c.frets) })));
    assert.equal(await page.$eval("#song-key option:checked", (o) => o.textContent), expected.key + " (+2)");
    assert.match(await page.evaluate(() => location.hash), /transpose=2.*mode=easiest/);
    await page.close();
  });

  test("a pinned alternative is kept, moves with the song where it can, and comes off", async () => {
    const page = await browser.page("#/song");
    await putSong(page, "[F] [Bb] [C7] [F]");
    await page.click("#song-strip svg.diagram[data-symbol='F']");
    await page.waitForSelector("#song-alternatives:not([hidden]) svg.diagram");
    const alternatives = await page.$$eval("#song-alternative-list svg.diagram", (all) => all.map((d) => d.dataset.frets));
    assert.ok(alternatives.length > 2);
    const chosen = alternatives.find((f) => !/(^| )0( |$)/.test(f)); // a shape without open strings
    await page.click(`#song-alternative-list svg.diagram[data-frets='${chosen}']`);
    const pinned = await strip(page);
    assert.equal(pinned[0].frets, chosen);
    const withPin = JSON.parse(execFileSync(cli, ["song", "--chords", "F Bb C7 F", "--json", "--pin", `F=${chosen}`], { encoding: "utf8", timeout: 30000, stdio: ["ignore", "pipe", "ignore"] }));
    assert.deepEqual(pinned.map((c) => c.frets), withPin.distinct.map((c) => fretsText(c.frets)));
    // Up a tone: F becomes G, and the pinned shape slides two frets.
    await page.click("#song-transpose-up");
    await page.click("#song-transpose-up");
    const moved = await strip(page);
    assert.equal(moved[0].symbol, "G");
    assert.equal(moved[0].frets, chosen.split(" ").map((f) => (f === "x" ? f : Number(f) + 2)).join(" "));
    assert.ok(await page.$eval(".strip-chord", (f) => f.classList.contains("pinned")));
    await page.click("#song-strip svg.diagram[data-symbol='G']");
    await page.click("#song-unpin");
    assert.equal(await page.$$eval(".strip-chord.pinned", (all) => all.length), 0);
    await page.close();
  });

  test("Save writes the CLI's ChordPro, {define} lines included", async () => {
    const file = "01_harbour_lights.cho";
    const page = await browser.page("#/song");
    await putSong(page, readFileSync(join(songsFolder, file), "utf8"));
    await page.click("#song-defines");
    await page.click("#song-save");
    const saved = await page.$eval("body", (b) => b.dataset.saved);
    const expected = execFileSync(cli, ["song", join(songsFolder, file), "--chordpro", "--define"], { encoding: "utf8", timeout: 30000, stdio: ["ignore", "pipe", "ignore"] });
    assert.equal(saved, expected);
    assert.match(saved, /\{define: G /);
    await page.close();
  });
});

describe("the names as numbers", () => {
  test("Nashville numbers and Roman numerals in the strip and on the sheet, kept in the link", async () => {
    const page = await browser.page("#/song?text=" + encodeURIComponent("{key: C}\n[C]One [G]two [Am]three [F]four"));
    const captions = () => page.$$eval("#song-strip figcaption", (all) => all.map((c) => c.textContent.trim()));
    const sheetChords = () => page.$$eval("#song-sheet text.chord", (all) => all.map((t) => t.textContent));
    assert.deepEqual(await captions(), ["C", "G", "Am", "F"]);
    const letters = (await strip(page)).map((c) => c.frets);
    assert.ok(await page.$eval("label:has(#song-notation)", (l) => l.textContent.trim().length > 0));
    await page.select("#song-notation", "nashville");
    assert.deepEqual(await captions(), ["1", "5", "6m", "4"]);
    assert.deepEqual(await sheetChords(), ["1", "5", "6m", "4"]);
    // Only the names change: the same shapes are played.
    assert.deepEqual((await strip(page)).map((c) => c.frets), letters);
    assert.match(await page.evaluate(() => location.hash), /numbers=nashville/);
    await page.select("#song-notation", "roman");
    assert.deepEqual(await captions(), ["I", "V", "vi", "IV"]);
    assert.deepEqual(await sheetChords(), ["I", "V", "vi", "IV"]);
    // The link brings the names back as they were.
    const again = await browser.page((await page.evaluate(() => location.hash)));
    assert.equal(await again.$eval("#song-notation", (s) => s.value), "roman");
    assert.deepEqual(await again.$$eval("#song-strip figcaption", (all) => all.map((c) => c.textContent.trim())), ["I", "V", "vi", "IV"]);
    assert.deepEqual(page.errors, []);
    await again.close();
    await page.close();
  });

  test("a chord pinned while it shows as a number stays pinned, and moves with the song", async () => {
    const page = await browser.page("#/song?numbers=nashville&text=" + encodeURIComponent("{key: F}\n[F]a [Bb]b [C7]c [F]d"));
    await page.click("#song-strip svg.diagram[data-symbol='1']");
    await page.waitForSelector("#song-alternatives:not([hidden]) svg.diagram");
    const alternatives = await page.$$eval("#song-alternative-list svg.diagram", (all) => all.map((d) => d.dataset.frets));
    const chosen = alternatives.find((f) => !/(^| )0( |$)/.test(f)) ?? alternatives[1];
    await page.click(`#song-alternative-list svg.diagram[data-frets='${chosen}']`);
    assert.equal((await strip(page))[0].frets, chosen);
    assert.equal(await page.$$eval(".strip-chord.pinned", (all) => all.length), 1);
    assert.doesNotMatch(await page.$eval("#song-message", (m) => m.textContent), /names no chord/);
    await page.click("#song-transpose-up");
    await page.click("#song-transpose-up");
    const moved = await strip(page);
    assert.equal(moved[0].symbol, "1");
    assert.equal(moved[0].frets, chosen.split(" ").map((f) => (f === "x" ? f : Number(f) + 2)).join(" "));
    await page.close();
  });
});

describe("the song session's kept searches", () => {
  test("its answers are the plain calls' under every change, over the test songs", async () => {
    const { default: createCorvanta } = await import(join(site, "corvanta.mjs"));
    const core = await createCorvanta({ wasmBinary: readFileSync(join(site, "corvanta.wasm")) });
    const session = new core.SongSession();
    const base = { instrument: "guitar", capo: 0, format: "auto", transpose: 0, songCapo: "", mode: "default", pins: [] };
    const changes = [
      {}, { instrument: "ukulele" }, { tuning: "D A D G B E" }, { songCapo: "3" }, { transpose: 2 },
      { mode: "easiest" }, { mode: "least-movement" }, { songNotation: "nashville" }, { songNotation: "roman" },
      { frets: 24, span: 4 }, { practical: false }, { songCapo: "suggest" },
    ];
    for (const file of songs) {
      const text = readFileSync(join(songsFolder, file), "utf8");
      for (const change of [...changes, ...changes.slice().reverse()]) {
        const options = { ...base, ...change };
        const plain = core.song(text, options);
        assert.equal(session.song(text, options), plain, `${file} ${JSON.stringify(change)}`);
        // A pin on the first chord, in letters, from its alternatives.
        const first = JSON.parse(plain).distinct[0];
        if (!first) continue;
        const alternatives = core.songAlternatives(text, options, 0);
        assert.equal(session.songAlternatives(text, options, 0), alternatives);
        const others = JSON.parse(alternatives);
        if (others.length < 2) continue;
        const pinned = { ...options, pins: [{ symbol: first.letters, frets: others[1].values, transpose: 0, capo: 0 }] };
        assert.equal(session.song(text, pinned), core.song(text, pinned), `${file} pinned ${JSON.stringify(change)}`);
        assert.equal(session.songWritten(text, pinned, "chordpro", true), core.songWritten(text, pinned, "chordpro", true));
      }
    }
    // A keystroke in the words searches no chord again.
    const searched = session.searches();
    const text = readFileSync(join(songsFolder, songs[0]), "utf8");
    session.song(text + "x", base);
    assert.equal(session.searches(), searched);
    session.delete();
  });
});

describe("the printed song", () => {
  test("chromium's PDF holds every lyric word and chord, with the title and capo line", async () => {
    const file = "04_capo_river.cho";
    const text = readFileSync(join(songsFolder, file), "utf8");
    const page = await browser.page(`#/song?text=${encodeURIComponent(text)}`);
    const folder = mkdtempSync(join(tmpdir(), "corvanta-pdf-"));
    try {
      const pdf = join(folder, "song.pdf");
      writeFileSync(pdf, await page.pdf({ format: "A4" }));
      const printed = execFileSync("pdftotext", ["-layout", pdf, "-"], { encoding: "utf8" });
      assert.match(printed, /River Under Ice/);
      assert.match(printed, /Capo 2/);
      const words = text.split("\n").filter((l) => !l.startsWith("{")).join(" ").replace(/\[[^\]]*\]/g, "").split(/\s+/).filter(Boolean);
      for (const word of words) assert.ok(printed.includes(word), `the word ${word}`);
      for (const chord of ["D", "A", "Bm", "G", "Em"]) assert.match(printed, new RegExp(`(^|\\s)${chord}(\\s|$)`, "m"), `the chord ${chord}`);
      assert.doesNotMatch(printed, /Suggest capo|Chord symbol/, "no controls on the sheet");
      const pages = execFileSync("pdfinfo", [pdf], { encoding: "utf8" }).match(/Pages:\s+(\d+)/)[1];
      assert.equal(Number(pages), 2, "{new_page} starts a page");
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    await page.close();
  });
});

describe("installable and offline", () => {
  test("the manifest names the app and its icons, and a reload offline still voices songs", async () => {
    const page = await browser.page("#/song");
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector("link[rel='manifest']");
      const json = await (await fetch(link.href)).json();
      const icons = await Promise.all(json.icons.map(async (i) => (await fetch(new URL(i.src, link.href))).ok));
      return { name: json.name, display: json.display, sizes: json.icons.map((i) => i.sizes), icons };
    });
    assert.equal(manifest.display, "standalone");
    assert.ok(manifest.sizes.includes("192x192") && manifest.sizes.includes("512x512"));
    assert.ok(manifest.icons.every(Boolean), "every icon is served");
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
    await page.setOfflineMode(true);
    try {
      await page.reload({ waitUntil: "load" });
      await page.waitForSelector("body[data-ready='1']");
      await putSong(page, "{title: Offline}\n[G]No [Em]network [C]here [D]now");
      assert.deepEqual((await strip(page)).map((c) => c.symbol), ["G", "Em", "C", "D"]);
      assert.equal(await page.$eval("#song-sheet text.title", (h) => h.textContent), "Offline");
    } finally {
      await page.setOfflineMode(false);
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe("between the views", () => {
  test("the Song button of a page just loaded shows the song view (its scripts fetched on the way), and Chords goes back", async () => {
    const page = await browser.page();
    await page.click("#view-song");
    await page.waitForSelector("#song-view:not([hidden])");
    assert.equal(await page.$eval("#chord-view", (e) => e.hidden), true);
    await putSong(page, "G D Em C");
    await page.waitForFunction(() => document.querySelectorAll("#song-strip svg.diagram").length === 4);
    assert.deepEqual((await strip(page)).map((c) => c.symbol), ["G", "D", "Em", "C"]);
    assert.match(await page.evaluate(() => location.hash), /^#\/song/);
    await page.click("#view-chord");
    await page.waitForSelector("#chord-view:not([hidden])");
    assert.ok(await page.$$eval("#diagrams svg.diagram", (all) => all.length) > 0);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe("the keyboard and bad input", () => {
  test("the strip: Tab reaches it, arrows move, Enter opens the alternatives, Escape closes", async () => {
    const page = await browser.page("#/song");
    await putSong(page, "[G] [C] [D] [Em]");
    await page.focus("#song-print");
    await page.keyboard.press("Tab");
    const focused = () => page.evaluate(() => document.activeElement.dataset?.symbol ?? document.activeElement.id);
    assert.equal(await focused(), "G");
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("ArrowRight");
    assert.equal(await focused(), "D");
    await page.keyboard.press("End");
    assert.equal(await focused(), "Em");
    await page.keyboard.press("Enter");
    await page.waitForSelector("#song-alternatives:not([hidden])");
    assert.equal(await page.evaluate(() => document.activeElement.closest("#song-alternative-list") !== null), true);
    await page.keyboard.press("Escape");
    assert.ok(await page.$eval("#song-alternatives", (d) => d.hidden));
    assert.equal(await focused(), "Em");
    // Every control of the view is reachable with Tab.
    const reachable = new Set();
    await page.focus("#view-chord");
    for (let i = 0; i < 40; i++) {
      await page.keyboard.press("Tab");
      reachable.add(await page.evaluate(() => document.activeElement.id));
    }
    for (const id of ["song-text", "song-file", "song-recent", "song-transpose-down", "song-key", "song-transpose-up", "song-capo", "song-names", "song-suggest", "song-mode", "song-play", "song-save", "song-print", "view-song"])
      assert.ok(reachable.has(id), `${id} is reachable`);
    await page.close();
  });

  test("a binary file, 2 MB pasted and a hostile link each leave the page working with a message", async () => {
    const folder = mkdtempSync(join(tmpdir(), "corvanta-bad-"));
    try {
      const page = await browser.page("#/song");
      await putSong(page, "[G] [C]");
      const binary = join(folder, "picture.png");
      writeFileSync(binary, Buffer.from([0x89, 0x50, 0x4e, 0x47, 0, 0, 0, 13, 0xff, 0xfe, 0, 1, 2, 3]));
      const input = await page.$("#song-file");
      await input.uploadFile(binary);
      await page.waitForFunction(() => /not a song/.test(document.querySelector("#song-message").textContent));
      assert.deepEqual((await strip(page)).map((c) => c.symbol), ["G", "C"], "the song stays");

      // Text files in other encodings are songs, read as the CLI reads them.
      const utf16 = join(folder, "wide.cho");
      writeFileSync(utf16, Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from("{title: Wide}\n[D]Caf\u00e9 [A]song", "utf16le")]));
      await input.uploadFile(utf16);
      await page.waitForFunction(() => document.querySelector("#song-sheet text.title")?.textContent === "Wide");
      assert.deepEqual((await strip(page)).map((c) => c.symbol), ["D", "A"]);
      const latin1 = join(folder, "old.txt");
      writeFileSync(latin1, Buffer.from("{title: Caf\u00e9}\n[E]d\u00e9j\u00e0 [B7]vu", "latin1"));
      await input.uploadFile(latin1);
      await page.waitForFunction(() => document.querySelector("#song-sheet text.title")?.textContent === "Caf\u00e9");
      await putSong(page, "[G] [C]");

      const big = "[G]la la [C]la la\n".repeat(2 * 1024 * 1024 / 16);
      await putSong(page, big);
      await page.waitForFunction(() => document.querySelector("#song-message").textContent.length > 0);
      assert.deepEqual((await strip(page)).map((c) => c.symbol), ["G", "C"]);
      await putSong(page, "[Am] [E]");
      assert.deepEqual((await strip(page)).map((c) => c.symbol), ["Am", "E"]);
      assert.deepEqual(page.errors, []);
      await page.close();

      const hostile = `#/song?text=${encodeURIComponent('{title: <img src=x onerror="document.body.dataset.owned=1">}\n[<b>G</b>]x [C"><script>document.body.dataset.owned=1</script>]y')}&transpose=9999&songCapo=<svg>&mode=rm&id=../../etc`;
      const attacked = await browser.page(hostile);
      await new Promise((r) => setTimeout(r, 300));
      assert.equal(await attacked.$eval("body", (b) => b.dataset.owned ?? ""), "");
      assert.match(await attacked.$eval("#song-sheet text.title", (h) => h.textContent), /<img src=x/);
      assert.ok((await attacked.$eval("#song-message", (m) => m.textContent)).length > 0, "the unread chords are said");
      assert.deepEqual(attacked.errors, []);
      await attacked.close();
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
});
