// The song as it prints: the pages the core laid out, painted as SVG in
// the faces it measured them in (measure.js). Texts, rules, bands, frames
// and diagram cells stand where the layout put them; nothing is placed here.
import { fontOf } from "./measure.js";

export function escapeHtml(text) {
  return String(text).replace(/[&<>"']/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;" })[c]);
}

// The text roles in the core's order (printed_song/song_sheet_layout.h).
const ROLES = ["title", "subtitle", "facts", "capo-line", "header", "page-number", "section", "chord", "lyric", "comment", "comment-italic", "tab", "grid-chord"];

function textMarkup([x, y, text, size, bold, italic, fixed, role, unread]) {
  const kind = ROLES[role] ?? "lyric";
  return `<text class="${kind}${unread ? " unread" : ""}" x="${x}" y="${y}" style='font: ${fontOf(size, bold, italic, fixed)}' xml:space="preserve">${escapeHtml(text)}</text>`;
}

// A diagram cell: its caption above the diagram, both at the layout's scale.
function cellMarkup(sheet, drawDiagram, [index, x, y]) {
  const cell = sheet.diagrams[index];
  if (!cell) return "";
  const caption = `<text class="caption" x="10" y="${sheet.captionHeight - 4}" style='font: ${fontOf(12, true, false, false)}'>${escapeHtml(cell.caption)}</text>`;
  const body = cell.noChord
    ? `<text x="20" y="${sheet.captionHeight + 40}" style='font: ${fontOf(14, true, false, false)}'>N.C.</text>`
    : drawDiagram(cell, sheet.captionHeight);
  return `<g transform="translate(${x} ${y}) scale(${sheet.scale})">${caption}${body}</g>`;
}

function pageMarkup(sheet, page, number, drawDiagram) {
  const { width, height } = sheet;
  let out = `<svg class="sheet-page" role="img" aria-label="Page ${number}" viewBox="0 0 ${width} ${height}" width="${width}pt" height="${height}pt">`;
  out += `<rect width="${width}" height="${height}" fill="#fff"/>`;
  for (const [x, y, w, h] of page.bands) out += `<rect class="band" x="${x}" y="${y}" width="${w}" height="${h}"/>`;
  for (const [x, y, w, h] of page.frames) out += `<rect class="frame" x="${x}" y="${y}" width="${w}" height="${h}"/>`;
  for (const [x1, y1, x2, y2] of page.rules) out += `<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}"/>`;
  for (const cell of page.diagrams) out += cellMarkup(sheet, drawDiagram, cell);
  for (const text of page.texts) out += textMarkup(text);
  return out + "</svg>";
}

// Each page's markup; `drawDiagram(cell, top)` answers a cell's diagram as SVG.
export function sheetPages(sheet, drawDiagram) {
  return sheet.pages.map((page, i) => pageMarkup(sheet, page, i + 1, drawDiagram));
}
