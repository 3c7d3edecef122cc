// The page in headless chromium: the same list as corvanta-cli, the strum,
// the instrument and the URL, the neck as input, a refused symbol, and the
// page's look (dark, a phone's width, Chinese).
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import { resolve } from "node:path";
import { openBrowser } from "./browser.mjs";

const cli = resolve(process.env.CORVANTA_CLI ?? new URL("../../build/src/cli/corvanta-cli", import.meta.url).pathname);
// The page's defaults are these options of the CLI.
const pageDefaults = ["--practical", "--order", "ease", "--notation", "standard"];

function cliFrets(command, ...args) {
  const json = JSON.parse(execFileSync(cli, [command, ...args, ...(command === "search" ? ["--json"] : []), ...pageDefaults.slice(0, command === "search" ? 3 : 5)], { encoding: "utf8", timeout: 20000 }));
  return { count: json.count, frets: json.voicings.map((v) => v.frets.map((f) => (f === null ? "x" : f)).join(" ")) };
}

// Diagrams past the first screen are drawn while the page is idle.
async function shownFrets(page) {
  await page.waitForSelector("#diagrams[data-drawn='all']");
  return page.$$eval("svg.diagram", (all) => all.map((d) => d.dataset.frets));
}
const count = (page) => page.$eval("#count", (e) => Number(e.dataset.count));

async function typeSymbol(page, text) {
  await page.click("#symbol", { clickCount: 3 });
  await page.keyboard.press("Backspace");
  await page.type("#symbol", text);
}

let browser;
before(async () => {
  browser = await openBrowser();
});
after(async () => {
  await browser?.close();
});

describe("the list is the CLI's", { skip: !existsSync(cli) && `no corvanta-cli at ${cli}` }, () => {
  test("typing Am7 shows the CLI's fingerings in its order", async () => {
    const page = await browser.page();
    await typeSymbol(page, "Am7");
    await page.waitForFunction(() => document.querySelector("#symbol").value === "Am7" && document.querySelector("#best").textContent === "Am7");
    const expected = cliFrets("search", "--root", "A", "--type", "m7");
    assert.deepEqual(cliFrets("query", "Am7"), expected);
    assert.equal(await count(page), expected.count);
    assert.deepEqual(await shownFrets(page), expected.frets);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test("the pickers build on the chord shown, and list what the CLI lists for it", async () => {
    const page = await browser.page("#/Am7");
    await page.select("#root", "2");
    await page.select("#bass", "9");
    assert.equal(await page.$eval("#symbol", (e) => e.value), "Dm7/A");
    assert.equal(await page.evaluate(() => location.hash), "#/Dm7/A");
    assert.deepEqual(await shownFrets(page), cliFrets("query", "Dm7/A").frets);
    const types = await page.$$eval("#type option", (all) => all.map((o) => o.textContent));
    await page.select("#type", String(types.indexOf("7")));
    assert.equal(await page.$eval("#best", (e) => e.textContent), "D7/A");
    assert.deepEqual(await shownFrets(page), cliFrets("query", "D7/A").frets);
    await page.close();
  });

  test("a link opens the same chord on the same instrument, and the URL follows the controls", async () => {
    // A bare address gets the start chord's link once it is drawn.
    const bare = await browser.page();
    await bare.waitForFunction(() => location.hash === "#/C");
    await bare.close();
    const page = await browser.page("#/Am7?instrument=ukulele&capo=2");
    assert.equal(await page.$eval("#instrument", (e) => e.value), "ukulele");
    assert.equal(await page.$eval("#capo", (e) => e.value), "2");
    assert.equal(await page.$eval("#symbol", (e) => e.value), "Am7");
    const expected = cliFrets("query", "Am7", "--instrument", "ukulele", "--capo", "2");
    assert.equal(await count(page), expected.count);
    assert.deepEqual(await shownFrets(page), expected.frets);
    // Four-string cells, narrower than the guitar's.
    assert.equal(await page.$eval("svg.diagram", (d) => d.getAttribute("viewBox")), "0 0 78 130");

    await page.select("#instrument", "mandolin");
    await page.waitForFunction(() => location.hash.includes("instrument=mandolin"));
    assert.match(await page.evaluate(() => location.hash), /^#\/Am7\?.*capo=2/);
    const mandolin = cliFrets("query", "Am7", "--instrument", "mandolin", "--capo", "2");
    assert.deepEqual(await shownFrets(page), mandolin.frets);
    await page.select("#order", "position");
    await page.waitForFunction(() => location.hash.includes("order=position"));
    const byPosition = JSON.parse(execFileSync(cli, ["query", "Am7", "--classic", "--instrument", "mandolin", "--capo", "2", "--practical", "--notation", "standard"], { encoding: "utf8", timeout: 20000 }));
    assert.deepEqual(await shownFrets(page), byPosition.voicings.map((v) => v.frets.map((f) => (f === null ? "x" : f)).join(" ")));
    await page.close();
  });

  test("under a capo with shape names the chord is the shape, and what sounds is said", async () => {
    const page = await browser.page("#/G?capo=2&capoShapes=1");
    assert.equal(await page.$eval("#sounding", (e) => e.textContent), "G shapes, sounding A");
    assert.deepEqual(await shownFrets(page), cliFrets("query", "G", "--capo", "2", "--capo-shapes").frets);
    assert.match(await page.$eval("svg.diagram", (d) => d.textContent), /capo 2/);
    await page.close();
  });

  test("the span and frets options reach the search, and the largest list is drawn whole and in order", async () => {
    const page = await browser.page("#/Em7?frets=24&span=4&practical=0");
    const expected = cliFrets("query", "Em7", "--frets", "24", "--span", "4").frets;
    const strict = JSON.parse(execFileSync(cli, ["query", "Em7", "--classic", "--frets", "24", "--span", "4", "--order", "ease", "--notation", "standard"], { encoding: "utf8", timeout: 20000 }));
    assert.notDeepEqual(strict.count, expected.length, "practical and strict differ here");
    assert.equal(await count(page), strict.count);
    assert.deepEqual(await shownFrets(page), strict.voicings.map((v) => v.frets.map((f) => (f === null ? "x" : f)).join(" ")));
    await page.click("#practical");
    await page.waitForFunction((n) => Number(document.querySelector("#count").dataset.count) === n, {}, expected.length);
    assert.deepEqual(await shownFrets(page), expected);
    await page.close();
  });

  test("left-handed diagrams are mirrored", async () => {
    const page = await browser.page("#/C");
    // The bass mark (the one filled disc in the marks' row) of x 3 2 0 1 0
    // stands on the second string from the left, or from the right mirrored.
    const bassMark = () => page.$eval("svg.diagram", (d) => d.querySelector("path").getAttribute("d").match(/M(\d+(\.\d+)?) 94/)?.[1]);
    const right = await bassMark();
    await page.click("#left-handed");
    await page.waitForFunction(() => location.hash.includes("leftHanded=1"));
    const left = await bassMark();
    assert.ok(right && left && Number(left) > Number(right), `bass mark at ${right}, mirrored at ${left}`);
    await page.close();
  });

  test("a custom tuning searches as the CLI's", async () => {
    const page = await browser.page("#/G?instrument=custom&tuning=D3%20G3%20D4%20G4%20B4");
    assert.equal(await page.$eval("#custom-tuning", (e) => e.value), "D3 G3 D4 G4 B4");
    assert.equal(await page.$eval("svg.diagram", (d) => d.getAttribute("viewBox")), "0 0 89 130");
    assert.deepEqual(await shownFrets(page), cliFrets("query", "G", "--instrument", "custom", "--tuning", "D3 G3 D4 G4 B4").frets);
    await page.focus("#custom-tuning");
    await page.keyboard.type("x");
    await page.keyboard.press("Tab");
    await page.waitForFunction(() => document.querySelector("#custom-tuning").classList.contains("refused"));
    await page.close();
  });
});

describe("one option reader", { skip: !existsSync(cli) && `no corvanta-cli at ${cli}` }, () => {
  test("every tuning text the CLI takes the page takes, and lists the same fingerings", async () => {
    for (const [instrument, tuning] of [["guitar", "2 9 2 7 9 2"], ["guitar", "D2 A2 D3 G3 B3 E4"], ["guitar", "DADGAD"], ["ukulele", "Low G"], ["mandolin", "G D A E"]]) {
      const page = await browser.page(`#/C?instrument=${instrument}&tuning=${encodeURIComponent(tuning)}`);
      const expected = cliFrets("query", "C", "--instrument", instrument, "--tuning", tuning);
      assert.equal(await page.$eval("#message", (e) => e.textContent), "", `${instrument} ${tuning}`);
      assert.deepEqual(await shownFrets(page), expected.frets, `${instrument} ${tuning}`);
      await page.close();
    }
  });

  test("a tuning the CLI refuses is refused with its words, and the guitar stays", async () => {
    const page = await browser.page("#/C?tuning=2%209%202%207%209");
    assert.match(await page.$eval("#message", (e) => e.textContent), /--tuning: '2 9 2 7 9' is neither/);
    assert.deepEqual(await shownFrets(page), cliFrets("query", "C").frets);
    await page.close();
  });

  test("a refused instrument falls back to the guitar and keeps the other options; a refused option resets them all", async () => {
    for (const [hash, message, cliArgs] of [
      ["#/C?instrument=lute9&capo=3&frets=18", /--instrument: 'lute9' is not an instrument/, ["--capo", "3", "--frets", "18"]],
      ["#/C?instrument=ukulele&tuning=H4&capo=2", /--tuning: 'H4' is neither/, ["--capo", "2"]],
      ["#/C?instrument=lute9&capo=40", /--capo: 40 is not a fret/, []],
    ]) {
      const page = await browser.page(hash);
      assert.match(await page.$eval("#message", (e) => e.textContent), message, hash);
      assert.deepEqual(await shownFrets(page), cliFrets("query", "C", ...cliArgs).frets, hash);
      await page.close();
    }
  });

  test("the other names are the ranked readings in the standard notation", async () => {
    const page = await browser.page("#/C6add9");
    const json = JSON.parse(execFileSync(cli, ["query", "C6add9", "--json"], { encoding: "utf8", timeout: 20000 }));
    const names = await page.$$eval("#names li", (all) => all.map((li) => li.textContent));
    assert.deepEqual(names, json.readings.map((r) => r.name ?? r));
    await page.close();
  });
});

describe("playing and the neck", () => {
  test("a click on a diagram strums it and shows it on the neck; the keys move the selection", async () => {
    const page = await browser.page("#/C");
    await page.click("svg.diagram[data-index='1']");
    await page.waitForSelector("body[data-audio='running']");
    assert.equal(await page.$eval("body", (b) => b.dataset.strums), "1");
    assert.ok(Number(await page.$eval("body", (b) => b.dataset.voices)) >= 4);
    assert.ok((await page.$$("#neck circle[fill='#1e5adc']")).length >= 4, "the fingering's markers on the neck");
    const selected = () => page.$eval("svg.diagram.selected", (d) => Number(d.dataset.index));
    assert.equal(await selected(), 1);
    await page.keyboard.press("ArrowRight");
    assert.equal(await selected(), 2);
    await page.keyboard.press("Home");
    assert.equal(await selected(), 0);
    await page.keyboard.press("ArrowDown");
    const perRow = await selected();
    assert.ok(perRow > 1, "down moves by a row");
    await page.keyboard.press("End");
    assert.equal(await selected(), (await count(page)) - 1);
    await page.keyboard.press("Enter");
    await page.waitForFunction(() => Number(document.body.dataset.strums) >= 6);
    await page.close();
  });

  test("fingers placed on the neck are named: x 3 2 0 1 0 is C", async () => {
    const page = await browser.page("#/Am");
    const spot = (string, fret) => `#neck rect.spot[data-string='${string}'][data-fret='${fret}']`;
    await page.click(spot(0, 0)); // left of the nut: the open string is muted
    await page.click(spot(1, 3));
    await page.click(spot(2, 2));
    await page.click(spot(4, 1));
    const neck = await page.$eval("#neck-name", (e) => ({ ...e.dataset, text: e.textContent }));
    assert.equal(neck.frets.toLowerCase(), "x 3 2 0 1 0");
    assert.equal(neck.name, "C");
    assert.match(neck.text, /C$/);
    assert.equal(await page.$$eval("svg.diagram.selected", (all) => all.length), 0, "x 3 2 0 1 0 is no A minor diagram");
    await page.close();
  });
});

describe("a server that does not call the module application/wasm", { skip: !existsSync(cli) && `no corvanta-cli at ${cli}` }, () => {
  test("still gets a working page: the module is compiled from its bytes", async () => {
    const plain = await openBrowser({ typeOf: { ".wasm": "application/octet-stream" } });
    try {
      const page = await plain.page("#/Am7");
      assert.deepEqual(await shownFrets(page), cliFrets("query", "Am7").frets);
      await typeSymbol(page, "G7");
      await page.waitForFunction(() => document.querySelector("#best").textContent === "G7");
      assert.deepEqual(page.errors, []);
    } finally {
      await plain.close();
    }
  });
});

describe("refusals and the page's look", () => {
  test("a symbol with no root shows a message and keeps the page working", async () => {
    const page = await browser.page("#/G");
    const before = await shownFrets(page);
    await typeSymbol(page, "zap7");
    await page.waitForFunction(() => document.querySelector("#message").textContent.includes("zap7"));
    assert.ok(await page.$eval("#symbol", (e) => e.classList.contains("refused")));
    assert.deepEqual(await shownFrets(page), before, "the diagrams stay");
    await typeSymbol(page, "C7(b9,#9,11,#11)");
    await page.waitForFunction(() => /7/.test(document.querySelector("#message").textContent));
    await typeSymbol(page, "D");
    await page.waitForFunction(() => document.querySelector("#best").textContent === "D");
    assert.equal(await page.$eval("#message", (e) => e.textContent), "");
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test("dark, on a phone's width, in Chinese", async () => {
    const page = await browser.page("#/Am7?lang=zh", { width: 390, height: 800, scheme: "dark" });
    const look = await page.evaluate(() => ({
      background: getComputedStyle(document.body).backgroundColor,
      overflow: document.documentElement.scrollWidth - innerWidth,
      instrument: document.querySelector("label span[data-text='Instrument']").textContent,
      count: document.querySelector("#count").textContent,
      guitar: document.querySelector("#instrument option[value='guitar']").textContent,
    }));
    assert.equal(look.background, "rgb(23, 24, 26)");
    assert.ok(look.overflow <= 0, `no sideways scrolling (${look.overflow} px too wide)`);
    assert.equal(look.instrument, "乐器");
    assert.match(look.count, /^结果:已找到 \d+$/);
    assert.equal(look.guitar, "吉他");
    await page.click("#language");
    assert.equal(await page.$eval("label span[data-text='Instrument']", (e) => e.textContent), "Instrument");
    assert.match(await page.evaluate(() => location.hash), /^#\/Am7(\?lang=en)?$/, "the language stays in the link");
    await page.close();
  });
});
