// Accessibility in headless chromium: axe-core finds no serious or critical
// violation on the chord view or the song view, in either language, and
// every diagram has a name a player can follow.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { createRequire } from "node:module";
import { openBrowser } from "./browser.mjs";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const song = "{title: Harbour Lights}\n{key: G}\n{c: Chorus}\n[G]Lanterns on the [C]water [D]boats [Em]asleep\n[Am7]Night [D7/F#]falls";

let browser;
before(async () => {
  browser = await openBrowser();
});
after(async () => {
  await browser?.close();
});

async function seriousViolations(page) {
  await page.addScriptTag({ path: axePath });
  const result = await page.evaluate(async () => {
    // The neck's hundred click targets are one picture to a reader; the
    // long list of diagrams is checked on its first screen.
    const found = await window.axe.run(document, { resultTypes: ["violations"] });
    return found.violations.map((v) => ({ id: v.id, impact: v.impact, nodes: v.nodes.length, first: v.nodes[0]?.html.slice(0, 120) }));
  });
  return result.filter((v) => v.impact === "serious" || v.impact === "critical");
}

for (const lang of ["en", "zh"]) {
  test(`the chord view has no serious or critical violation (${lang})`, async () => {
    const page = await browser.page(`#/C?lang=${lang}`);
    await page.waitForSelector("#diagrams[data-drawn='all']");
    assert.deepEqual(await seriousViolations(page), []);
    const first = await page.$eval("svg.diagram", (d) => d.getAttribute("aria-label"));
    if (lang === "en")
      assert.equal(first, "C major, x 3 2 0 1 0: muted low E, A string fret 3, D string fret 2, G open, B string fret 1, high E open");
    else assert.match(first, /^C 大三和弦，x 3 2 0 1 0：低音E弦不弹，A弦3品/);
    await page.close();
  });

  test(`the song view has no serious or critical violation (${lang})`, async () => {
    const page = await browser.page(`#/song?lang=${lang}&text=${encodeURIComponent(song)}`);
    await page.waitForSelector("#song-strip svg.diagram");
    await page.click("#song-suggest");
    await page.click("#song-strip svg.diagram");
    await page.waitForSelector("#song-alternatives:not([hidden]) svg.diagram");
    assert.deepEqual(await seriousViolations(page), []);
    const names = await page.$$eval("#song-strip svg.diagram", (all) => all.map((d) => d.getAttribute("aria-label")));
    assert.equal(names.length, 6);
    if (lang === "en") assert.match(names[5], /^D 7 over F sharp, /);
    // Every control has a name.
    const unnamed = await page.$$eval("#song-view button, #song-view select, #song-view input, #song-view textarea", (all) =>
      all.filter((e) => !e.labels?.length && !e.getAttribute("aria-label") && !e.textContent.trim()).map((e) => e.id));
    assert.deepEqual(unnamed, []);
    await page.close();
  });
}

test("focus is visible on every kind of control", async () => {
  const page = await browser.page("#/song");
  for (const selector of ["#song-text", "#song-suggest", "#song-key", "#view-chord"]) {
    await page.focus(selector);
    await page.keyboard.press("Shift");
    const outline = await page.$eval(selector, (e) => getComputedStyle(e).outlineStyle + " " + getComputedStyle(e).outlineWidth);
    assert.match(outline, /^solid [1-9]/, selector);
  }
  await page.close();
});
