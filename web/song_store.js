// Songs kept in this browser: each by a name made from its text, and the
// list of recent ones (newest first), so that a link can name a long song.
const PREFIX = "corvanta-song:";
const RECENT = "corvanta-recent";
const RECENT_MOST = 12;

function read(key, fallback) {
  try {
    const value = localStorage.getItem(key);
    return value === null ? fallback : JSON.parse(value);
  } catch {
    return fallback; // storage refused (private mode) or damaged: nothing kept
  }
}

function write(key, value) {
  try {
    localStorage.setItem(key, JSON.stringify(value));
    return true;
  } catch {
    return false;
  }
}

// A short name from the text (FNV-1a), the same for the same song.
function nameOf(text) {
  let hash = 0x811c9dc5;
  for (let i = 0; i < text.length; i++) hash = Math.imul(hash ^ text.charCodeAt(i), 0x01000193) >>> 0;
  return hash.toString(36) + text.length.toString(36);
}

export function recentSongs() {
  const list = read(RECENT, []);
  return Array.isArray(list) ? list.filter((r) => r && typeof r.id === "string" && typeof r.title === "string") : [];
}

// Keeps the song, puts it first in the recent list and answers its name.
export function rememberSong(text, title) {
  const id = nameOf(text);
  write(PREFIX + id, text);
  const list = recentSongs().filter((r) => r.id !== id);
  list.unshift({ id, title: String(title || id).slice(0, 60) });
  for (const old of list.splice(RECENT_MOST)) {
    try {
      localStorage.removeItem(PREFIX + old.id);
    } catch {
      // nothing to forget
    }
  }
  write(RECENT, list);
  return id;
}

export function storedSong(id) {
  if (!id) return null;
  const text = read(PREFIX + id, null);
  return typeof text === "string" ? text : null;
}

// Songs no recent entry names any more are let go.
export function forgetLong() {
  try {
    const kept = new Set(recentSongs().map((r) => PREFIX + r.id));
    for (let i = localStorage.length - 1; i >= 0; i--) {
      const key = localStorage.key(i);
      if (key?.startsWith(PREFIX) && !kept.has(key)) localStorage.removeItem(key);
    }
  } catch {
    // storage refused
  }
}
