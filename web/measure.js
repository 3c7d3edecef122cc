// The browser's measure of the printed song's texts: the core lays the song
// out against these answers, and sheet.js paints in the same faces, so the
// boxes fit what is drawn.
export const SANS = '"DejaVu Sans", "Noto Sans", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif';
export const MONO = '"DejaVu Sans Mono", "Noto Sans Mono", "WenQuanYi Micro Hei Mono", monospace';

export function fontOf(size, bold, italic, fixed) {
  return `${italic ? "italic " : ""}${bold ? "bold " : ""}${size}px ${fixed ? MONO : SANS}`;
}

export function canvasMeasure() {
  const context = document.createElement("canvas").getContext("2d");
  const metrics = new Map();
  const use = (size, bold, italic, fixed) => {
    const font = fontOf(size, bold, italic, fixed);
    if (context.font !== font) context.font = font;
    return font;
  };
  return {
    width(text, size, bold, italic, fixed) {
      use(size, bold, italic, fixed);
      return context.measureText(text).width;
    },
    // [ascent, line height], as the layout asks for them.
    metrics(size, bold, italic, fixed) {
      const font = use(size, bold, italic, fixed);
      if (!metrics.has(font)) {
        const m = context.measureText("Hg");
        metrics.set(font, [m.fontBoundingBoxAscent, m.fontBoundingBoxAscent + m.fontBoundingBoxDescent]);
      }
      return metrics.get(font);
    },
  };
}
