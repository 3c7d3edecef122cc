// Writes the page's Chinese texts: every English text of the window's
// translation file mapped to the Chinese the window shows for it.
import { readFileSync, writeFileSync } from "node:fs";

const [source, target] = process.argv.slice(2);
const unescape = (text) =>
  text.replace(/&quot;/g, '"').replace(/&apos;/g, "'").replace(/&#x27;/g, "'")
    .replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&");
const chinese = {};
const message = /<source>([\s\S]*?)<\/source>\s*(?:<comment>[\s\S]*?<\/comment>\s*)?<translation[^>]*>([\s\S]*?)<\/translation>/g;
for (const [, zh, en] of readFileSync(source, "utf8").matchAll(message)) {
  const key = unescape(en).trim();
  if (key && !(key in chinese)) chinese[key] = unescape(zh);
}
writeFileSync(target, `export default ${JSON.stringify(chinese)};\n`);
