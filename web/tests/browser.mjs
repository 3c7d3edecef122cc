// Debian's chromium, headless, driven by puppeteer-core, against the built
// site served on 127.0.0.1. Every wait is bounded.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import puppeteer from "puppeteer-core";
import { serve } from "../tools/serve.mjs";

export const site = resolve(process.env.CORVANTA_SITE ?? new URL("../../build-web/site", import.meta.url).pathname);

// root: the folder served (the built site unless a test serves its own);
// maxAge: the caching header the server sends; typeOf: content types it
// sends instead of its own (serve.mjs).
export async function openBrowser({ root = site, maxAge = 0, typeOf = {} } = {}) {
  const profile = mkdtempSync(join(tmpdir(), "corvanta-chromium-"));
  const server = await serve(root, 0, { maxAge, typeOf });
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    timeout: 30000,
    protocolTimeout: 30000,
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      `--user-data-dir=${profile}`, "--autoplay-policy=no-user-gesture-required",
      "--disable-dev-shm-usage",
      // Each new context opens a window whose address bar's popup, a page
      // of the browser's own, loads at the same time as ours: a player's
      // browser has long loaded it, so it has no part in our load's time.
      "--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup",
    ],
  });
  const base = `http://127.0.0.1:${server.address().port}/`;
  return {
    base,
    browser,
    async page(hash = "", { width = 1100, height = 900, scheme = "light" } = {}) {
      const page = await browser.newPage();
      page.setDefaultTimeout(15000);
      page.errors = [];
      page.on("pageerror", (error) => page.errors.push(String(error)));
      await page.setViewport({ width, height });
      await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
      await page.goto(base + hash, { waitUntil: "load" });
      await page.waitForSelector("body[data-ready='1']");
      return page;
    },
    async close() {
      await browser.close();
      server.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
