// The song as it prints, as HTML: the title block, the capo line, one
// diagram per distinct chord, then the body, each chord over the syllable
// it falls on. The blocks come laid out by the core; this only marks them up.

export function escapeHtml(text) {
  return String(text).replace(/[&<>"']/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;" })[c]);
}

function lyricsLine(block, chordName) {
  const segments = block.segments ?? [];
  if (!segments.length) return '<p class="line"> </p>';
  const onlyChords = segments.every(([, lyric]) => !lyric.trim());
  const parts = segments.map(([chord, lyric, read]) => {
    const name = chord ? chordName(chord) : "";
    const chordMark = chord ? `<b class="chord${read ? "" : " unread"}">${escapeHtml(name)}</b>` : '<b class="chord"></b>';
    return `<span class="seg">${chordMark}<span class="lyric">${escapeHtml(lyric) || (onlyChords ? "" : " ")}</span></span>`;
  });
  return `<p class="line${onlyChords ? " chords-only" : ""}">${parts.join("")}</p>`;
}

function blockMarkup(block, chordName) {
  const chorus = block.chorus ? " chorus" : "";
  switch (block.kind) {
    case "lyrics": return lyricsLine(block, chordName).replace('class="line', `class="line${chorus}`);
    case "section": return `<h3 class="section${chorus}">${escapeHtml(block.text)}</h3>`;
    case "comment": return `<p class="comment ${block.comment}${chorus}">${escapeHtml(block.text)}</p>`;
    case "grid": {
      const bars = (block.bars ?? []).map((beats) => beats.map((b) => escapeHtml(/^[./%]$/.test(b) ? b : chordName(b))).join(" "));
      return `<p class="grid${chorus}">| ${bars.join(" | ")} |${block.text ? ` <span class="note">${escapeHtml(block.text)}</span>` : ""}</p>`;
    }
    case "tab": return `<pre class="tab${chorus}">${(block.lines ?? []).map(escapeHtml).join("\n")}</pre>`;
    case "newPage": return '<div class="page-break"></div>';
    default: return '<div class="space"></div>';
  }
}

// The whole sheet; `diagrams` are the strip's, drawn once each.
export function sheetMarkup(answer, { chordName, diagrams }) {
  const sheet = answer.sheet;
  let out = '<header class="sheet-title">';
  if (sheet.title) out += `<h2>${escapeHtml(sheet.title)}</h2>`;
  if (sheet.subtitle) out += `<p class="subtitle">${escapeHtml(sheet.subtitle)}</p>`;
  if (sheet.facts) out += `<p class="facts">${escapeHtml(sheet.facts)}</p>`;
  if (sheet.capoLine) out += `<p class="capo-line">${escapeHtml(sheet.capoLine)}</p>`;
  out += "</header>";
  out += `<div class="sheet-diagrams" aria-hidden="true">${diagrams.map((d) => `<figure><figcaption>${escapeHtml(d.caption)}</figcaption>${d.markup.replace(/ tabindex="-?\d+"/, "").replace(/ role="\w+"/, ' role="img"')}</figure>`).join("")}</div>`;
  // The body's blocks run between blank lines; a block keeps together on a page.
  let body = "", block = "";
  for (const item of sheet.body) {
    if (item.kind === "space" || item.kind === "newPage") {
      if (block) body += `<div class="block">${block}</div>`;
      block = "";
      body += blockMarkup(item, chordName);
    } else {
      block += blockMarkup(item, chordName);
    }
  }
  if (block) body += `<div class="block">${block}</div>`;
  return out + `<div class="sheet-body">${body}</div>`;
}
