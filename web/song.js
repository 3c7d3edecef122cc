// The song view: a song in, its chords voiced over the whole song, the
// strip of its chords and the sheet as it prints. Every music rule
// (reading, keys, transposition, the capo, the voicings, the pins'
// moves, writing) is the core's; this module only shows what it answers.
import { cellWidth, diagramMarkup } from "./draw.js";
import { strum } from "./sound.js";
import { canvasMeasure } from "./measure.js";
import { escapeHtml, sheetPages } from "./sheet.js";
import { forgetLong, recentSongs, rememberSong, storedSong } from "./song_store.js";

const $ = (id) => document.getElementById(id);
// A link carries the song itself up to this length; a longer one is kept
// in the browser and the link names it.
const LINK_TEXT_MOST = 1500;
// The most a page takes in: four times what the reader reads, so that its
// own note on a long song still speaks.
const PASTE_MOST = 4 << 20;
const PLAY_GAP_MS = 900;

export function createSongView({ core, options, tr, play, onLink }) {
  const song = { text: "", transpose: 0, songCapo: "", mode: "default", names: "shapes", notation: "standard", pins: [] };
  let answer = null;
  let selected = 0;
  let playing = null;
  let message = "";
  const measure = canvasMeasure();
  // The song view's one session in the core: each chord's search is kept
  // between its calls, so a keystroke re-runs only the choice of voicings.
  const session = new core.SongSession();
  // What the strip and the sheet show now, so a repaint touches only what
  // changed: a keystroke in a lyric leaves every diagram of the strip.
  let stripShown = [];
  let sheetShown = [];
  let keysShown = "";

  const request = (extra = {}) => ({
    // The chord view's capo is its own: a song's capo is songCapo.
    ...options, capo: 0, capoShapes: false, format: "auto", transpose: song.transpose, songCapo: song.songCapo,
    mode: song.mode, songNotation: song.notation, pins: song.pins, measure, ...extra,
  });

  function say(text) {
    message = text;
    $("song-message").textContent = text;
  }

  // --- the song voiced and shown ---

  function voice() {
    if (!song.text.trim()) {
      answer = null;
      $("song-strip").textContent = "";
      $("song-sheet").textContent = "";
      stripShown = [];
      sheetShown = [];
      keysShown = "";
      $("song-key").textContent = "";
      say("");
      document.body.dataset.songChords = "0";
      return;
    }
    let next;
    try {
      next = JSON.parse(session.song(song.text, request()));
    } catch (error) {
      say(`${tr("This song could not be voiced:")} ${error.message ?? error}`);
      return;
    }
    answer = next;
    // The core says where the song now stands; the pins moved with it.
    song.transpose = answer.transpose;
    song.pins = answer.pins;
    if (song.songCapo === "suggest") song.songCapo = String(answer.capo);
    show();
  }

  function chordName(chord) {
    return song.names === "sounding" && answer.capo > 0 ? chord.sounding : chord.symbol;
  }

  // Each of a box's children painted from its markup: one whose markup is
  // the one shown stays as it is; a different count repaints them all.
  function paintChildren(box, markups, shown) {
    if (markups.length !== shown.length || box.children.length !== shown.length) {
      box.innerHTML = markups.join("");
    } else {
      markups.forEach((markup, i) => {
        if (markup !== shown[i]) box.children[i].outerHTML = markup;
      });
    }
    return markups;
  }

  function show() {
    const strings = answer.strings;
    stripShown = paintChildren($("song-strip"), answer.distinct.map((chord, i) => {
      const markup = diagramMarkup(chord.diagram, i, chord.frets, strings, answer.capo, {
        symbol: chord.symbol, name: chord.diagram.spoken, role: "button",
      });
      return `<figure role="none" class="strip-chord${chord.pinned ? " pinned" : ""}"><figcaption>${escapeHtml(chordName(chord))}${chord.pinned ? ` <span class="pin" title="${escapeHtml(tr("pinned"))}">📌</span>` : ""}</figcaption>${markup}</figure>`;
    }), stripShown);
    const items = $("song-strip").querySelectorAll("svg.diagram");
    if (selected >= items.length) selected = Math.max(0, items.length - 1);
    items.forEach((item, i) => {
      const tabIndex = i === selected ? 0 : -1;
      if (item.tabIndex !== tabIndex) item.tabIndex = tabIndex;
    });
    // The sheet's diagrams drawn as the strip's, as pictures inside the
    // page; a page is replaced whole when anything on it changed.
    const pages = sheetPages(answer.sheet, (cell, top) =>
      diagramMarkup(cell.diagram, 0, cell.frets, strings, answer.capo, { role: "img" })
        .replace('<svg class="diagram"', `<svg class="sheet-diagram" x="0" y="${top}" width="${cellWidth(strings)}" height="130"`)
        .replace(/ tabindex="-1"/, ""));
    sheetShown = paintChildren($("song-sheet"), pages, sheetShown);
    fillKeys();
    $("song-capo").value = song.songCapo === "" ? "" : String(answer.capo);
    $("song-mode").value = song.mode;
    const notes = [];
    for (const issue of answer.unread) notes.push(`${tr("Not read as a chord:")} ${issue.text} (${tr("line")} ${issue.line})`);
    const unplayable = new Set(answer.unplayable.map((issue) => issue.text));
    for (const text of unplayable) notes.push(`${tr("No fingering plays")} ${text}`);
    for (const issue of answer.warnings) notes.push(`${issue.text} ${issue.message}`);
    notes.push(...answer.notes);
    if (answer.error) notes.unshift(answer.error);
    say(notes.join(" · "));
    document.body.dataset.songChords = String(answer.distinct.length);
    document.body.dataset.songKey = answer.key;
  }

  function fillKeys() {
    const box = $("song-key");
    const markup = answer.keys.map((k) => `<option value="${k.transpose}">${escapeHtml(k.name)}${k.transpose ? ` (${k.transpose > 0 ? "+" : ""}${k.transpose})` : ""}</option>`).join("");
    if (markup !== keysShown) box.innerHTML = markup;
    keysShown = markup;
    box.value = String(answer.transpose);
  }

  // --- the strip: choose a chord, see its other voicings, pin one ---

  const stripItems = () => [...$("song-strip").querySelectorAll("svg.diagram")];

  function focusChord(index) {
    const items = stripItems();
    if (!items.length) return;
    selected = Math.max(0, Math.min(items.length - 1, index));
    items.forEach((item, i) => (item.tabIndex = i === selected ? 0 : -1));
    items[selected].focus();
  }

  function openAlternatives(index) {
    if (!answer?.distinct[index]) return;
    selected = index;
    const chord = answer.distinct[index];
    const list = JSON.parse(session.songAlternatives(song.text, request(), index));
    $("song-alternatives-title").textContent = `${tr("Other voicings of")} ${chordName(chord)}`;
    $("song-alternative-list").innerHTML = list.map((alternative, i) =>
      diagramMarkup(alternative.diagram, i, alternative.frets, answer.strings, answer.capo, {
        symbol: chord.symbol, name: alternative.diagram.spoken, extra: `data-values="${alternative.values.join(" ")}"`,
      })).join("");
    const first = $("song-alternative-list").querySelector("svg.diagram");
    if (first) first.tabIndex = 0;
    $("song-unpin").hidden = !chord.pinned;
    $("song-alternatives").hidden = false;
    (first ?? $("song-alternatives-close")).focus();
  }

  function closeAlternatives() {
    $("song-alternatives").hidden = true;
    focusChord(selected);
  }

  function pin(values) {
    const chord = answer.distinct[selected];
    // A pin names the chord in letters, whatever the names shown.
    song.pins = song.pins.filter((p) => p.symbol !== chord.letters);
    song.pins.push({ symbol: chord.letters, frets: values, transpose: answer.transpose, capo: answer.capo });
    voice();
    writeLink();
    closeAlternatives();
  }

  function unpin() {
    const chord = answer.distinct[selected];
    song.pins = song.pins.filter((p) => p.symbol !== chord.letters);
    voice();
    writeLink();
    closeAlternatives();
  }

  function onStripKey(event) {
    const at = stripItems().indexOf(event.target);
    if (at < 0) return;
    const moves = { ArrowLeft: at - 1, ArrowRight: at + 1, ArrowUp: at - 1, ArrowDown: at + 1, Home: 0, End: stripItems().length - 1 };
    if (event.key in moves) {
      event.preventDefault();
      focusChord(moves[event.key]);
    } else if (event.key === "Enter" || event.key === " ") {
      event.preventDefault();
      openAlternatives(at);
    }
  }

  function onAlternativeKey(event) {
    const items = [...$("song-alternative-list").querySelectorAll("svg.diagram")];
    const at = items.indexOf(event.target);
    if (event.key === "Escape") {
      event.preventDefault();
      closeAlternatives();
      return;
    }
    if (at < 0) return;
    const moves = { ArrowLeft: at - 1, ArrowRight: at + 1, ArrowUp: at - 1, ArrowDown: at + 1, Home: 0, End: items.length - 1 };
    if (event.key in moves) {
      event.preventDefault();
      const next = items[Math.max(0, Math.min(items.length - 1, moves[event.key]))];
      items.forEach((item) => (item.tabIndex = item === next ? 0 : -1));
      next.focus();
    } else if (event.key === "Enter" || event.key === " ") {
      event.preventDefault();
      pin(event.target.dataset.values.split(" ").map(Number));
    }
  }

  // --- the song in: typed, pasted, a file, a link, a recent one ---

  function setText(text, { from = "" } = {}) {
    if (text.length > PASTE_MOST) {
      say(tr("This text is too long for a song (%1 MB); the first part is read.").replace("%1", (text.length / 1048576).toFixed(1)));
      text = text.slice(0, PASTE_MOST);
    }
    $("song-text").value = text;
    song.text = text;
    song.pins = [];
    selected = 0;
    voice();
    if (from) say([from, message].filter(Boolean).join(" · "));
    remember();
  }

  // A file that holds NUL bytes or is mostly not text is no song.
  function looksBinary(bytes) {
    const head = bytes.subarray(0, 4096);
    let odd = 0;
    for (const byte of head) {
      if (byte === 0) return true;
      if (byte < 9 || (byte > 13 && byte < 32)) odd++;
    }
    return odd > head.length / 10;
  }

  // A song file's text: UTF-16 by its mark, UTF-8 when it is valid, else
  // Latin-1 (Windows-1252), as the CLI and the window read them.
  function decodeText(bytes) {
    if (bytes[0] === 0xff && bytes[1] === 0xfe) return new TextDecoder("utf-16le").decode(bytes);
    if (bytes[0] === 0xfe && bytes[1] === 0xff) return new TextDecoder("utf-16be").decode(bytes);
    try {
      return new TextDecoder("utf-8", { fatal: true }).decode(bytes);
    } catch {
      return new TextDecoder("windows-1252").decode(bytes);
    }
  }

  async function openFile(file) {
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const utf16 = (bytes[0] === 0xff && bytes[1] === 0xfe) || (bytes[0] === 0xfe && bytes[1] === 0xff);
    if (!utf16 && looksBinary(bytes)) {
      say(tr("%1 is not a song: it is not text.").replace("%1", file.name));
      return;
    }
    setText(decodeText(bytes), { from: file.name });
  }

  function remember() {
    if (!answer || !song.text.trim()) return;
    rememberSong(song.text, answer.title || song.text.trim().split("\n")[0].slice(0, 40));
    fillRecent();
  }

  function fillRecent() {
    const box = $("song-recent");
    box.innerHTML = `<option value="">${escapeHtml(tr("—"))}</option>` +
      recentSongs().map((r) => `<option value="${escapeHtml(r.id)}">${escapeHtml(r.title)}</option>`).join("");
  }

  // The song's part of the link: the text itself when short, else the
  // name it is kept under in this browser.
  function linkParams() {
    const params = new URLSearchParams();
    if (song.text.length <= LINK_TEXT_MOST) params.set("text", song.text);
    else params.set("id", rememberSong(song.text, answer?.title || ""));
    if (song.transpose) params.set("transpose", String(song.transpose));
    if (song.songCapo !== "") params.set("songCapo", song.songCapo);
    if (song.mode !== "default") params.set("mode", song.mode);
    if (song.names !== "shapes") params.set("names", song.names);
    if (song.notation !== "standard") params.set("numbers", song.notation);
    return params;
  }

  function writeLink() {
    onLink(linkParams());
  }

  // A link's song: every value checked, anything else ignored.
  function readLink(params) {
    let text = params.get("text") ?? "";
    if (params.has("id")) {
      const stored = storedSong(params.get("id"));
      if (stored === null) say(tr("This link's song is kept in another browser."));
      else text = stored;
    }
    song.transpose = Math.max(-24, Math.min(24, Math.trunc(Number(params.get("transpose"))) || 0));
    const capo = params.get("songCapo") ?? "";
    song.songCapo = /^(suggest|[0-9]|1[0-2])$/.test(capo) ? capo : "";
    const mode = params.get("mode");
    song.mode = ["least-movement", "easiest"].includes(mode) ? mode : "default";
    song.names = params.get("names") === "sounding" ? "sounding" : "shapes";
    $("song-names").value = song.names;
    const numbers = params.get("numbers");
    song.notation = ["nashville", "roman"].includes(numbers) ? numbers : "standard";
    $("song-notation").value = song.notation;
    $("song-text").value = text.slice(0, PASTE_MOST);
    song.text = $("song-text").value;
    song.pins = [];
    voice();
  }

  // --- play, save, print ---

  function playSong() {
    if (playing) {
      clearTimeout(playing);
      playing = null;
      $("song-play").textContent = tr("Play");
      return;
    }
    if (!answer) return;
    const order = answer.order.filter((i) => i >= 0);
    let at = 0;
    const step = () => {
      if (at >= order.length) {
        playing = null;
        $("song-play").textContent = tr("Play");
        return;
      }
      const index = order[at++];
      const items = stripItems();
      items.forEach((item, i) => item.classList.toggle("selected", i === index));
      play(answer.distinct[index].notes);
      playing = setTimeout(step, PLAY_GAP_MS);
    };
    $("song-play").textContent = tr("Stop");
    step();
  }

  function save() {
    if (!song.text.trim()) return;
    const form = $("song-save-form").value;
    const text = session.songWritten(song.text, request(), form, $("song-defines").checked);
    const name = (answer?.title || "song").replace(/[\\/:*?"<>|\u0000-\u001f]+/g, "_").slice(0, 60);
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([text], { type: "text/plain;charset=utf-8" }));
    link.download = `${name}.${form === "text" ? "txt" : "cho"}`;
    document.body.dataset.saved = text;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  // --- wiring ---

  $("song-text").addEventListener("input", () => {
    song.text = $("song-text").value;
    voice();
  });
  $("song-text").addEventListener("change", () => {
    remember();
    writeLink();
  });
  $("song-text").addEventListener("paste", (event) => {
    const text = event.clipboardData?.getData("text/plain") ?? "";
    if (text.length > PASTE_MOST) {
      event.preventDefault();
      setText(text);
    }
  });
  $("song-file").addEventListener("change", () => openFile($("song-file").files[0]));
  const view = $("song-view");
  view.addEventListener("dragover", (event) => event.preventDefault());
  view.addEventListener("drop", (event) => {
    event.preventDefault();
    openFile(event.dataTransfer?.files?.[0]);
  });
  $("song-recent").addEventListener("change", () => {
    const text = storedSong($("song-recent").value);
    if (text !== null) setText(text);
    writeLink();
  });
  const transposeBy = (step) => {
    // Within an octave either way: a 13th semitone is the first again.
    song.transpose = ((song.transpose + step + 35) % 24) - 11;
    voice();
    writeLink();
  };
  $("song-transpose-down").addEventListener("click", () => transposeBy(-1));
  $("song-transpose-up").addEventListener("click", () => transposeBy(1));
  $("song-key").addEventListener("change", () => {
    song.transpose = Number($("song-key").value);
    voice();
    writeLink();
  });
  $("song-capo").addEventListener("change", () => {
    song.songCapo = $("song-capo").value;
    voice();
    writeLink();
  });
  $("song-names").addEventListener("change", () => {
    song.names = $("song-names").value;
    if (answer) show();
    writeLink();
  });
  $("song-notation").addEventListener("change", () => {
    song.notation = $("song-notation").value;
    voice();
    writeLink();
  });
  $("song-mode").addEventListener("change", () => {
    song.mode = $("song-mode").value;
    voice();
    writeLink();
  });
  $("song-suggest").addEventListener("click", () => {
    if (!song.text.trim()) return;
    const suggested = JSON.parse(session.song(song.text, request({ songCapo: "suggest" })));
    const list = $("song-suggestions");
    list.innerHTML = suggested.capoSuggestions.map((s) =>
      `<li><button type="button" data-capo="${s.capo}">${escapeHtml(s.capo ? `${tr("Capo")} ${s.capo}` : tr("No capo"))}: ${escapeHtml(s.key)} — ${s.shapes.map(escapeHtml).join(" ")} (${s.difficulty})</button></li>`).join("");
    list.hidden = false;
    list.querySelector("button")?.focus();
  });
  $("song-suggestions").addEventListener("click", (event) => {
    const button = event.target.closest("button[data-capo]");
    if (!button) return;
    song.songCapo = button.dataset.capo;
    $("song-suggestions").hidden = true;
    voice();
    writeLink();
    $("song-capo").focus();
  });
  $("song-suggestions").addEventListener("keydown", (event) => {
    if (event.key === "Escape") {
      $("song-suggestions").hidden = true;
      $("song-suggest").focus();
    }
  });
  $("song-strip").addEventListener("click", (event) => {
    const item = event.target.closest("svg.diagram");
    if (item) openAlternatives(Number(item.dataset.index));
  });
  $("song-strip").addEventListener("keydown", onStripKey);
  $("song-alternatives").addEventListener("keydown", onAlternativeKey);
  $("song-alternative-list").addEventListener("click", (event) => {
    const item = event.target.closest("svg.diagram");
    if (item) pin(item.dataset.values.split(" ").map(Number));
  });
  $("song-unpin").addEventListener("click", unpin);
  $("song-alternatives-close").addEventListener("click", closeAlternatives);
  $("song-play").addEventListener("click", playSong);
  $("song-save").addEventListener("click", save);
  $("song-print").addEventListener("click", () => window.print());

  function fillControls() {
    const capo = $("song-capo");
    capo.innerHTML = `<option value="">${escapeHtml(tr("The song's own"))}</option>` +
      Array.from({ length: 13 }, (_, i) => `<option value="${i}">${i === 0 ? escapeHtml(tr("none")) : i}</option>`).join("");
    fillRecent();
    if (answer) {
      capo.value = song.songCapo === "" ? "" : String(answer.capo);
      show();
    }
  }

  forgetLong();
  return { readLink, linkParams, fillControls, voice, get answer() { return answer; } };
}
