// SVG markup for the core's layouts: the diagram's and the neck's sprites
// drawn as shapes, at the window's sizes (one unit a pixel at 100%).
// V8's compile hint: every function here is compiled while the file
// downloads, not each at its first call on the cold load.
//# allFunctionsCalledOnLoad

const GRID_X = 24;
const GRID_Y = 3;
const GRID_HEIGHT = 83;
const STRING_SPACING = 11;
const wireY = (row) => 18 + 16 * row;

// The sprites in the core's order (view/layout/sprites.h).
const Sprite = {
  PlainGrid: 0, HighlightedGrid: 1, Finger1: 2, Finger4: 5, BarreSegment: 6,
  BassMark: 7, SoundingMark: 8, MutedMark: 9, NeckOpen: 10, NeckFinger4: 14,
};

export const cellWidth = (strings) => 100 + (strings - 6) * STRING_SPACING;

function rect(x, y, w, h) {
  return `M${x} ${y}h${w}v${h}h${-w}z`;
}

// The grid's lines as one path (the cell's paper shows through it).
function gridPath(x, y, strings, lineRows) {
  const width = (strings - 1) * STRING_SPACING + 1;
  let lines = rect(x, y, width, 3);
  for (let s = 0; s < strings; s++) {
    const row = lineRows[s];
    const top = row === null || row === undefined ? 0 : wireY(row);
    lines += rect(x + s * STRING_SPACING, y + top, 1, GRID_HEIGHT - top);
  }
  for (let row = 0; row < 5; row++) lines += rect(x, y + wireY(row), width, 1);
  return lines;
}

// The diagrams' numbers are drawn from shared glyphs, not as text of their
// own: a diagram's only text for a reader is its spoken name.
export function glyphDefs() {
  let defs = "";
  for (let n = 0; n <= 9; n++) {
    // Presentation attributes, which a glyph keeps wherever it is used.
    defs += `<symbol id="cv-f${n}" overflow="visible"><text font-family="DejaVu Sans, sans-serif" font-size="12" fill="#000">${n}</text></symbol>`;
    defs += `<symbol id="cv-d${n}" overflow="visible"><text font-family="DejaVu Sans, sans-serif" font-size="8" font-weight="bold" fill="#fff" text-anchor="middle">${n}</text></symbol>`;
  }
  return `<svg id="cv-glyphs" width="0" height="0" aria-hidden="true" focusable="false"><defs>${defs}</defs></svg>`;
}

// A number from the glyphs, its digits `advance` apart.
function number(kind, value, x, y, advance) {
  return [...String(value)].map((digit, i) => `<use href="#cv-${kind}${digit}" x="${x + i * advance}" y="${y}"/>`).join("");
}

const escapeAttribute = (text) => String(text).replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);

const disc = (cx, cy, r) => `M${cx - r} ${cy}a${r} ${r} 0 1 0 ${2 * r} 0a${r} ${r} 0 1 0 ${-2 * r} 0z`;

// Fingering `index`, its text `frets`, drawn from its layout as the binding
// gives it; like sprites share a path, so a diagram is a few elements. Its
// accessible name is the core's spoken one (the chord and each string).
export function diagramMarkup(voicing, index, frets, strings, capo, { symbol = null, name = null, extra = "", role = "option" } = {}) {
  let black = "", rings = "", crosses = "", digits = "", label = "";
  for (const [sprite, x, y] of voicing.sprites) {
    if (sprite <= Sprite.HighlightedGrid) {
      black += gridPath(x, y, strings, voicing.lineRows);
      label = number("f", voicing.firstFret, 10, 14, 7.6);
    } else if (sprite <= Sprite.Finger4) {
      black += disc(x + 4.5, y + 4.5, 4.5);
      digits += number("d", sprite - Sprite.Finger1 + 1, x + 4.75, y + 7.6, 0);
    } else if (sprite === Sprite.BarreSegment) {
      black += rect(x, y, 15, 4);
    } else if (sprite === Sprite.MutedMark) {
      crosses += `M${x + 0.5} ${y + 0.5}l5 5m0 -5l-5 5`;
    } else if (sprite === Sprite.BassMark) {
      black += disc(x + 3, y + 3, 3);
    } else {
      rings += disc(x + 3, y + 3, 2.5);
    }
  }
  let capoMarks = "";
  if (capo > 0) {
    black += rect(22, 0, 58 + (strings - 6) * STRING_SPACING, 5);
    capoMarks = `<text x="24" y="112">capo ${capo}</text>`;
  }
  const title = `<title>${voicing.readable} · ${voicing.ease} (${voicing.difficulty})</title>`;
  // The capo's mark is the diagram's one text, so the name says it too.
  const spoken = escapeAttribute(`${name ?? voicing.spoken ?? frets}${capo > 0 ? `, capo ${capo}` : ""}`);
  const symbolData = symbol === null ? "" : ` data-symbol="${escapeAttribute(symbol)}"`;
  // The drawing itself is hidden from readers: the name says it all.
  return `<svg class="diagram" role="${role}" tabindex="-1" data-index="${index}" data-frets="${frets}"${symbolData} ${extra} viewBox="0 0 ${cellWidth(strings)} 130" aria-label="${spoken}"><g aria-hidden="true">${title}<rect width="100%" height="100%" fill="transparent"/><path d="${black}"/><path class="ring" d="${rings}"/><path class="cross" d="${crosses}"/>${label}${capoMarks}${digits}</g></svg>`;
}

const INLAYS = [3, 5, 7, 9, 15, 17, 19, 21];

// The neck: wood, nut, wires, strings, the capo, the markers and a click
// target per string and fret (the click itself goes to the core).
export function neckMarkup(tables, capo) {
  const { neckWidth: W, neckHeight: H, fretX, stringY, firstFrets } = tables;
  // A wire stands a fifth of its space after the fret's x: the first at 59.
  const wireX = (f) => fretX[f] + Math.floor(((fretX[f + 1] - fretX[f]) * 21 + 50) / 100);
  const middle = (f) => (wireX(f - 1) + wireX(f)) / 2;
  let out = `<rect width="${W}" height="${H}" fill="#120e0c"/><rect width="10" height="${H}" fill="#ebe4cd"/>`;
  for (const f of INLAYS) out += `<circle cx="${middle(f)}" cy="${H / 2}" r="3" fill="#e6e6e1"/>`;
  for (const f of [12, 24])
    out += `<circle cx="${middle(f)}" cy="27" r="3" fill="#e6e6e1"/><circle cx="${middle(f)}" cy="55" r="3" fill="#e6e6e1"/>`;
  for (let f = 1; f <= 24; f++) out += `<rect x="${wireX(f)}" y="0" width="2" height="${H}" fill="#aaaaa5"/>`;
  stringY.forEach((y, s) => {
    const left = firstFrets[s] > 0 ? wireX(firstFrets[s]) : 0;
    const thickness = s < stringY.length / 2 ? 2 : 1;
    out += `<rect x="${left}" y="${y}" width="${W - left}" height="${thickness}" fill="#d7d7dc"/>`;
    if (left > 0) out += `<rect x="${left - 2}" y="${y - 3}" width="4" height="7" fill="#ebe4cd"/>`;
  });
  if (capo > 0) out += `<rect x="${fretX[capo] - 13 / 2 - 3}" y="2" width="6" height="${H - 4}" fill="#464646"/>`;
  const gap = stringY.length > 1 ? Math.abs(stringY[0] - stringY[1]) : H;
  stringY.forEach((y, s) => {
    for (let f = 0; f <= 24; f++) {
      const left = f === 0 ? 0 : fretX[f - 1] + 1;
      const right = fretX[f];
      out += `<rect class="spot" data-string="${s}" data-fret="${f}" x="${left}" y="${y - gap / 2 + 1}" width="${right - left}" height="${gap - 2}" fill="transparent"/>`;
    }
  });
  return out + '<g class="markers"></g>';
}

// The fingering's markers, drawn over the neck (clicks pass through them).
export function neckMarkers(markers) {
  let out = "";
  for (const [sprite, x, y] of markers) {
    out += `<circle cx="${x + 6.5}" cy="${y + 6}" r="5.5" fill="#1e5adc" stroke="#96beff"/>`;
    if (sprite > Sprite.NeckOpen)
      out += `<text class="digit" x="${x + 6.5}" y="${y + 9.5}" text-anchor="middle">${sprite - Sprite.NeckOpen}</text>`;
  }
  return out;
}
