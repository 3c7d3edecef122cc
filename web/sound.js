// A plucked string of our own (Karplus-Strong): a burst of noise fed
// through a delay line one period long, averaged so it decays like a string.
// The notes and the pause between strings come from the core.

let context = null;
const buffers = new Map();

export const audioState = { strums: 0, voices: 0, state: "none" };

function pluck(midi) {
  if (buffers.has(midi)) return buffers.get(midi);
  const rate = context.sampleRate;
  const frequency = 440 * 2 ** ((midi - 69) / 12);
  const period = Math.max(2, Math.round(rate / frequency));
  const length = Math.round(rate * 1.6);
  const buffer = context.createBuffer(1, length, rate);
  const data = buffer.getChannelData(0);
  const line = new Float32Array(period);
  for (let i = 0; i < period; i++) line[i] = Math.random() * 2 - 1;
  // Higher strings lose their energy faster, as real ones do.
  const damping = 0.996 - Math.min(0.01, frequency / 120000);
  for (let i = 0, at = 0; i < length; i++) {
    const next = (at + 1) % period;
    const value = line[at];
    line[at] = damping * 0.5 * (value + line[next]);
    data[i] = value * 0.35;
    at = next;
  }
  buffers.set(midi, buffer);
  return buffer;
}

// Resolves with the context's state once it runs (a page's first sound
// waits for a gesture; the click or key that strums is one).
export function strum(notes, delayMs) {
  if (!context) context = new AudioContext();
  const started = context.state === "suspended" ? context.resume() : Promise.resolve();
  const start = context.currentTime + 0.02;
  notes.forEach((midi, i) => {
    const source = context.createBufferSource();
    source.buffer = pluck(midi);
    source.connect(context.destination);
    source.start(start + (i * delayMs) / 1000);
    audioState.voices++;
  });
  audioState.strums++;
  return started.then(() => (audioState.state = context.state));
}

export function audioContextState() {
  return context ? context.state : "none";
}
