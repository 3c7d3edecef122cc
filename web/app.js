// The page: controls in, the core's answers out. Every chord rule (reading
// a symbol, the search, the names, the layouts, the neck's clicks, the
// strum's notes) is the core's; this script only shows what it answers.
// V8's compile hint: every function here is compiled while the file
// downloads, not each at its first call on the cold load.
//# allFunctionsCalledOnLoad
import createCorvanta from "./corvanta.mjs";
import chinese from "./strings.js";
import { cellWidth, diagramMarkup, glyphDefs, neckMarkers, neckMarkup } from "./draw.js";
import { audioState, strum } from "./sound.js";

// Texts the window has no caption for, in the window's words.
const pageChinese = {
  "Chord symbol": "和弦",
  Root: "根音",
  Type: "类型",
  Bass: "低音",
  Tuning: "调弦",
  "Names are shapes": "和弦名为指法形状",
  "is not a chord: it names no root note.": "不是和弦: 没有根音。",
  "Not understood:": "无法识别:",
  Chords: "和弦",
  Song: "歌曲",
  "Song: paste, type, open or drop a file": "歌曲: 粘贴、输入、打开或拖入文件",
  "Open a file": "打开文件",
  Recent: "最近",
  Key: "调",
  Down: "降",
  Up: "升",
  "Transpose down a semitone": "降半音",
  "Transpose up a semitone": "升半音",
  "Chord names": "和弦名",
  Shapes: "指法形状",
  Sounding: "实际发音",
  "Suggest capo": "建议变调夹",
  Mode: "方式",
  "As players choose": "按演奏习惯",
  "Least movement": "移动最少",
  Easiest: "最容易",
  Play: "播放",
  Stop: "停止",
  "Save as": "保存为",
  "Chords over words": "歌词上方和弦",
  "with the voicings as {define}": "附带 {define} 指法",
  Save: "保存",
  Print: "打印",
  "Remove the pin": "取消固定",
  Close: "关闭",
  "The song's own": "歌曲自带",
  "No capo": "不用变调夹",
  "Other voicings of": "其他指法:",
  "Not read as a chord:": "无法识别的和弦:",
  line: "行",
  "No fingering plays": "没有指法可以弹",
  "%1 is not a song: it is not text.": "%1 不是歌曲: 不是文本文件。",
  "This link's song is kept in another browser.": "此链接的歌曲保存在另一个浏览器中。",
  "Other…": "其他…",
};

const $ = (id) => document.getElementById(id);
const core = await startCore();

// The core, from the module the page began compiling as it loaded; when
// that failed (a server that does not call it application/wasm), from its
// bytes.
function startCore() {
  const wasm = new URL("corvanta.wasm", import.meta.url).href;
  let failed;
  const failure = new Promise((_, reject) => (failed = reject));
  const instantiateWasm = (imports, receive) => {
    Promise.resolve(window.corvantaWasm)
      .then((module) => module ?? fetch(wasm).then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)))
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch(failed);
    return {};
  };
  return Promise.race([createCorvanta({ locateFile: () => wasm, instantiateWasm }), failure]);
}

// The page's options, whose defaults are the CLI's modern ones.
const defaults = {
  instrument: "guitar", tuning: "", capo: 0, capoShapes: false, practical: true,
  order: "ease", span: 5, frets: 12, leftHanded: false, notation: "standard",
};
const options = { ...defaults };
// As the window: English under an English locale, Chinese under any other.
const browserLang = /^en/i.test(navigator.language) ? "en" : "zh";
let lang = browserLang;
let result = null;
let tables = null;
let selected = -1;
let neckFrets = [];
let drawing = 0; // the result whose diagrams the background drawing fills
let view = "chord"; // or "song"
let songParams = new URLSearchParams();

// The core's own Chinese captions (the guitar's presets) in English.
const english = Object.fromEntries(Object.entries(chinese).map(([en, zh]) => [zh, en]));

function tr(text) {
  if (lang === "en") return english[text] ?? text;
  return pageChinese[text] ?? chinese[text] ?? text;
}

// --- the state in the URL: #/Am7?instrument=ukulele&capo=2 ---

function readUrl() {
  Object.assign(options, defaults);
  const [path, query] = location.hash.replace(/^#\/?/, "").split(/\?(.*)/s);
  let symbol = path;
  try {
    symbol = decodeURIComponent(path);
  } catch {
    // A link cut inside an escape: its text as it stands.
  }
  const params = new URLSearchParams(query ?? "");
  for (const key of Object.keys(defaults)) {
    if (!params.has(key)) continue;
    const value = params.get(key);
    options[key] = typeof defaults[key] === "number" ? Number(value) || 0
      : typeof defaults[key] === "boolean" ? value === "1" || value === "true" : value;
  }
  lang = params.has("lang") ? (params.get("lang") === "en" ? "en" : "zh") : browserLang;
  options.lang = lang; // the diagrams' spoken names follow the page's language
  view = symbol === "song" ? "song" : "chord";
  songParams = params;
  return view === "song" ? "C" : symbol || "C";
}

// The chord view's first start writes its link only after its diagrams
// are painted: the browser's history update takes a few milliseconds a
// cold load need not wait for. A control changed before that paint writes
// at once.
let painted = false;
let holdUrl = false;
function writeUrl() {
  if (holdUrl) return;
  const params = new URLSearchParams();
  for (const [key, value] of Object.entries(options)) {
    if (value === defaults[key] || key === "lang") continue;
    params.set(key, typeof value === "boolean" ? (value ? "1" : "0") : String(value));
  }
  if (lang !== browserLang) params.set("lang", lang);
  if (songShown()) for (const [key, value] of songs().linkParams()) params.set(key, value);
  const text = params.toString();
  const path = view === "song" ? "song" : encodeURIComponent($("symbol").value.trim()).replace(/%2F/g, "/");
  const hash = `#/${path}${text ? "?" + text : ""}`;
  if (location.hash !== hash) history.replaceState(null, "", hash);
}

// --- the controls ---

function fill(select, items) {
  select.innerHTML = items.map(([value, text]) => `<option value="${value}">${text}</option>`).join("");
}

function fillInstrumentControls() {
  const instruments = JSON.parse(core.instruments());
  fill($("instrument"), [...instruments.map((i) => [i.name, tr(i.title)]), ["custom", tr("Custom…")]]);
  $("instrument").value = options.instrument;
  const chosen = instruments.find((i) => i.name === options.instrument);
  // A tuning no preset names (note names, pitch classes) is typed in the
  // box, which the core reads as the CLI's --tuning.
  const preset = chosen && (options.tuning === "" || chosen.presets.some((p, i) => i > 0 && p.name === options.tuning));
  $("tuning").hidden = !chosen;
  $("custom-tuning").hidden = Boolean(preset);
  $("custom-tuning").value = preset ? "" : options.tuning;
  if (chosen) {
    fill($("tuning"), [...chosen.presets.map((p, i) => [i === 0 ? "" : p.name, `${tr(p.name)}: ${p.tuning}`]), ["*", tr("Other…")]]);
    $("tuning").value = preset ? options.tuning : "*";
  }
  fill($("capo"), Array.from({ length: 13 }, (_, i) => [i, i === 0 ? tr("none") : i]));
  $("capo").value = options.capo;
}

function fillChordControls() {
  tables = JSON.parse(core.tables(options));
  const types = tables.types.map((t, i) => [i, t || "maj"]);
  fill($("root"), tables.roots.map((n, i) => [i, n]));
  fill($("bass"), tables.basses.map((n, i) => [i, n]));
  fill($("type"), types);
}

function showTexts() {
  document.documentElement.lang = lang === "en" ? "en" : "zh-CN";
  for (const element of document.querySelectorAll("[data-text]")) element.textContent = tr(element.dataset.text);
  for (const element of document.querySelectorAll("[data-title]")) element.title = tr(element.dataset.title);
  $("language").textContent = lang === "en" ? "中文" : "English";
  for (const id of ["practical", "capo-shapes", "left-handed"]) $(id).checked = options[id.replace(/-(\w)/, (_, c) => c.toUpperCase())];
  for (const id of ["order", "span", "frets"]) $(id).value = options[id];
  fillInstrumentControls();
  songView?.fillControls();
}

// --- the results ---

function showNames(answer) {
  $("best").textContent = answer.best ?? "";
  // In the standard notation the list is the ranked readings written in it,
  // as the window lists them; the program's own names otherwise.
  const names = options.notation === "standard" ? answer.readings : answer.names.filter((n) => n !== answer.best);
  $("names").innerHTML = names.map((n) => `<li>${escapeHtml(n)}</li>`).join("");
}

function escapeHtml(text) {
  return text.replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);
}

function show(answer) {
  result = answer;
  const strings = answer.strings;
  // The texts and the neck first, then one layout read for the diagrams:
  // the frame then lays out only the diagrams added below them.
  $("count").textContent = `${tr("Found:")} ${answer.count}`;
  $("count").dataset.count = answer.count;
  showNames(answer);
  $("sounding").textContent = answer.sounding
    ? tr("%1 shapes, sounding %2").replace("%1", answer.echo).replace("%2", answer.sounding) : "";
  $("neck-name").textContent = "";
  let message = "";
  if (answer.unrecognised?.length) message += `${tr("Not recognised:")} ${answer.unrecognised.join(" ")} `;
  if (answer.omitted?.length) message += `${tr("omitted:")} ${answer.omitted.join(", ")}`;
  if (answer.noChord) message = tr("N.C. (no chord)");
  if (answer.error) message = `${tr("Not understood:")} ${answer.error}`;
  $("custom-tuning").classList.toggle("refused", Boolean(answer.error));
  $("message").textContent = message.trim();
  $("symbol").classList.remove("refused");
  $("root").value = answer.root < 12 ? answer.root : "";
  $("bass").value = answer.bass < 12 ? answer.bass : "";
  selected = -1;
  neckFrets = Array(strings).fill(0);
  drawNeck([]);
  const box = $("diagrams");
  box.textContent = "";
  box.style.setProperty("--cell-w", `${cellWidth(strings)}px`);
  // Both read from one layout, before the height below changes it.
  const perRow = Math.max(1, Math.floor(box.clientWidth / cellWidth(strings)));
  const top = box.getBoundingClientRect().top;
  // The page keeps the whole list's height while it is drawn.
  box.style.minHeight = `${Math.ceil(answer.count / perRow) * 130}px`;
  const rows = Math.ceil((window.innerHeight - Math.max(top, 0) + Math.max(-top, 0)) / 130) + 1;
  drawUpTo(rows * perRow);
  drawRest(++drawing);
  writeUrl();
}

function refuse(answer, text) {
  $("symbol").classList.add("refused");
  $("message").textContent = answer.refused === "tooManyNotes"
    ? tr("needs %1 notes, at most %2 sound (bass included): not searched")
      .replace("%1", answer.needs).replace("%2", answer.most)
    : `"${text}" ${tr("is not a chord: it names no root note.")}`;
}

function query() {
  const text = $("symbol").value;
  if (!text.trim()) return;
  const answer = JSON.parse(core.query(text, options));
  if (answer.refused) return refuse(answer, text);
  show(answer);
  // A typed chord need not be a row of the type picker.
  $("type").selectedIndex = -1;
}

function research() {
  show(JSON.parse(core.research(options)));
  $("symbol").value = result.echo;
  if (songShown()) songs().voice();
}

function pick(picker, row) {
  const answer = JSON.parse(core.pick(picker, Number(row), options));
  show(answer);
  $("symbol").value = answer.echo;
  writeUrl();
}

// --- drawing the diagrams: the ones in view at once, the others after ---

// Appends diagrams until `end` of them are drawn.
function drawUpTo(end) {
  const box = $("diagrams");
  const first = box.children.length;
  end = Math.min(end, result.count);
  if (first >= end) return;
  const layouts = JSON.parse(core.diagrams(first, end - first, options));
  const markup = layouts.map((layout, i) => {
    layout.ease = tr(layout.ease);
    return diagramMarkup(layout, first + i, result.frets[first + i], result.strings, options.capo);
  });
  box.insertAdjacentHTML("beforeend", markup.join(""));
  if (first === 0 && box.firstElementChild) box.firstElementChild.tabIndex = 0;
  box.dataset.drawn = box.children.length >= result.count ? "all" : "";
}

const idle = window.requestIdleCallback ?? ((step) => setTimeout(step, 1));

function drawRest(generation) {
  const step = () => {
    if (generation !== drawing || !result) return;
    drawUpTo($("diagrams").children.length + 96);
    if ($("diagrams").children.length < result.count) idle(step);
  };
  idle(step);
}

// --- the neck and the strum ---

let neckDrawn = "";
function drawNeck(markers) {
  const neck = $("neck");
  // The neck itself changes only with the instrument and the capo.
  const key = `${tables.tuning} ${tables.firstFrets} ${options.capo}`;
  if (key !== neckDrawn) {
    neck.setAttribute("viewBox", `0 0 ${tables.neckWidth} ${tables.neckHeight}`);
    neck.innerHTML = neckMarkup(tables, options.capo);
    neckDrawn = key;
  }
  neck.lastElementChild.innerHTML = neckMarkers(markers);
}

function play(fingering) {
  playNotes(fingering.notes);
}

function playNotes(notes) {
  strum(notes, tables.strumDelayMs).then((state) => {
    document.body.dataset.audio = state;
    document.body.dataset.voices = audioState.voices;
  });
  document.body.dataset.strums = audioState.strums;
}

function choose(index, { sound = true, focus = true } = {}) {
  const box = $("diagrams");
  const items = box.children;
  if (index < 0 || index >= result.count) return;
  if (selected >= 0 && items[selected]) {
    items[selected].classList.remove("selected");
    items[selected].tabIndex = -1;
  }
  selected = index;
  drawUpTo(index + 1);
  const item = items[index];
  item.classList.add("selected");
  item.tabIndex = 0;
  if (focus) item.focus({ preventScroll: true });
  item.scrollIntoView({ block: "nearest" });
  const values = JSON.parse(core.diagrams(index, 1, options))[0].values;
  const fingering = JSON.parse(core.fingering(values, options));
  neckFrets = fingering.frets;
  drawNeck(fingering.neck);
  $("neck-name").textContent = "";
  if (sound) play(fingering);
}

function clickNeck(event) {
  const neck = $("neck");
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(neck.getScreenCTM().inverse());
  const fingering = JSON.parse(core.clickNeck(neckFrets, Math.round(point.x), Math.round(point.y), options));
  neckFrets = fingering.frets;
  drawNeck(fingering.neck);
  $("neck-name").textContent = tr("On the neck: %1").replace("%1", fingering.best ?? "—");
  $("neck-name").dataset.name = fingering.best ?? "";
  $("neck-name").dataset.frets = fingering.readable;
  if (fingering.shown >= 0) choose(fingering.shown, { sound: false, focus: false });
  play(fingering);
}

function columns() {
  const items = $("diagrams").children;
  if (items.length < 2) return 1;
  const top = items[0].offsetTop;
  let count = 1;
  while (count < items.length && items[count].offsetTop === top) count++;
  return count;
}

function onDiagramKey(event) {
  const count = result?.count ?? 0;
  if (!count) return;
  const at = Math.max(selected, 0);
  const perRow = columns();
  const perPage = perRow * Math.max(1, Math.floor(window.innerHeight / 132));
  const moves = {
    ArrowLeft: at - 1, ArrowRight: at + 1, ArrowUp: at - perRow, ArrowDown: at + perRow,
    Home: 0, End: count - 1, PageUp: at - perPage, PageDown: at + perPage,
  };
  if (event.key in moves) {
    event.preventDefault();
    choose(Math.min(count - 1, Math.max(0, selected < 0 ? 0 : moves[event.key])));
  } else if (event.key === "Enter" || event.key === " ") {
    event.preventDefault();
    choose(at);
  }
}

// --- wiring ---

function onOption(id, key, read) {
  $(id).addEventListener("change", () => {
    options[key] = read($(id));
    research();
  });
}

function wire() {
  $("symbol").addEventListener("input", query);
  $("symbol").addEventListener("keydown", (event) => {
    if (event.key === "Enter") query();
  });
  $("root").addEventListener("change", () => pick("root", $("root").value));
  $("type").addEventListener("change", () => pick("type", $("type").value));
  $("bass").addEventListener("change", () => pick("bass", $("bass").value));
  $("instrument").addEventListener("change", () => {
    options.instrument = $("instrument").value;
    options.tuning = options.instrument === "custom" ? $("custom-tuning").value || "G3 C4 E4 A4" : "";
    fillInstrumentControls();
    fillChordControls();
    research();
  });
  $("tuning").addEventListener("change", () => {
    if ($("tuning").value === "*") {
      $("custom-tuning").hidden = false;
      $("custom-tuning").focus();
      return;
    }
    options.tuning = $("tuning").value;
    $("custom-tuning").hidden = true;
    research();
  });
  $("custom-tuning").addEventListener("change", () => {
    options.tuning = $("custom-tuning").value;
    fillChordControls();
    research();
  });
  onOption("capo", "capo", (e) => Number(e.value));
  onOption("capo-shapes", "capoShapes", (e) => e.checked);
  onOption("practical", "practical", (e) => e.checked);
  onOption("order", "order", (e) => e.value);
  onOption("span", "span", (e) => Number(e.value));
  onOption("frets", "frets", (e) => Number(e.value));
  onOption("left-handed", "leftHanded", (e) => e.checked);
  $("language").addEventListener("click", () => {
    lang = lang === "en" ? "zh" : "en";
    options.lang = lang;
    showTexts();
    if (result) show(result);
    if (songShown()) songs().voice();
    writeUrl();
  });
  const box = $("diagrams");
  box.addEventListener("click", (event) => {
    const item = event.target.closest("svg.diagram");
    if (item) choose(Number(item.dataset.index));
  });
  box.addEventListener("keydown", onDiagramKey);
  $("neck").addEventListener("click", clickNeck);
  // Scrolled past the diagrams drawn so far: draw down to the view.
  window.addEventListener("scroll", () => {
    if (!result) return;
    const box = $("diagrams");
    const perRow = Math.max(1, Math.floor(box.clientWidth / cellWidth(result.strings)));
    const bottom = window.innerHeight - box.getBoundingClientRect().top;
    drawUpTo((Math.ceil(bottom / 130) + 1) * perRow);
  }, { passive: true });
  window.addEventListener("hashchange", start);
  $("view-chord").addEventListener("click", () => showView("chord"));
  $("view-song").addEventListener("click", () => loadSongCode().then(() => showView("song"), () => {}));
}

// The chord view and the song view share the instrument and the language.
function showView(name) {
  view = name;
  $("chord-view").hidden = view !== "chord";
  $("song-view").hidden = view !== "song";
  $("view-chord").setAttribute("aria-pressed", String(view === "chord"));
  $("view-song").setAttribute("aria-pressed", String(view === "song"));
  document.body.dataset.view = view;
  if (view === "song") songs().voice();
  writeUrl();
}

let lastSongLink = null;
async function start() {
  const symbol = readUrl();
  // A link to the song view waits for its code; without it, the chords.
  if (view === "song") await loadSongCode().catch(() => (view = "chord"));
  holdUrl = !painted && view === "chord";
  try {
    $("symbol").value = symbol;
    showTexts();
    fillChordControls();
    query();
    if (!result) research();
    if (view === "song") {
      // The page's own link writes do not read the song back.
      const link = songParams.toString();
      if (link !== lastSongLink) songs().readLink(songParams);
      songs().fillControls();
    }
    showView(view);
  } finally {
    holdUrl = false;
  }
}

// The song view's code is loaded, and the view built, when it is first
// shown or once the chord view's first diagrams are painted: a cold load
// of the chord view waits for none of it (its scripts, its controls, the
// browser's storage of recent songs).
let songCode = null;
let songCodeLoading = null;
function loadSongCode() {
  // A failed load (offline, before the site was kept) is tried again next time.
  songCodeLoading ??= import("./song.js").then(
    (code) => (songCode = code),
    (error) => {
      songCodeLoading = null;
      throw error;
    },
  );
  return songCodeLoading;
}

// Whether the song view is the one shown, its code loaded.
function songShown() {
  return view === "song" && songCode !== null;
}

let songView = null;
function songs() {
  if (!songView) {
    songView = songCode.createSongView({
      core, options, tr, play: playNotes,
      onLink: () => {
        writeUrl();
        lastSongLink = new URLSearchParams(location.hash.split(/\?(.*)/s)[1] ?? "").toString();
      },
    });
    songView.fillControls();
  }
  return songView;
}

document.body.insertAdjacentHTML("afterbegin", glyphDefs());
wire();
await start();
document.body.dataset.ready = "1";

// Kept for use offline. A new version's worker takes over at once; the
// page then reloads into it, once. Registered after the first paint, so
// that the worker's download of the whole site does not compete with it.
function keepOffline() {
  if (!("serviceWorker" in navigator) || location.protocol === "file:") return;
  const hadWorker = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (hadWorker) location.reload();
  });
  navigator.serviceWorker.register("sw.js").then(
    () => (document.body.dataset.offline = "ready"),
    () => (document.body.dataset.offline = "none"),
  );
}

// A timeout queued from the next frame runs after its paint (the benchmark
// reads the mark); what the first diagrams did not need follows when idle.
requestAnimationFrame(() => setTimeout(() => {
  performance.mark("corvanta-painted");
  painted = true;
  writeUrl();
  const later = () => {
    loadSongCode().then(songs, () => {});
    keepOffline();
  };
  if (window.requestIdleCallback) requestIdleCallback(later, { timeout: 1000 });
  else setTimeout(later, 1);
}));
