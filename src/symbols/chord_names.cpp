// Names a set of pitch classes in the program's own notation.
#include "symbols/chord_names.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "theory/degree_codes.h"

namespace corvanta {
namespace {

// A name's suffix is a run of pieces ("m", "/5-", "/add2", "/4+", "/6", ...);
// the rewrites only ever move, drop or rename a piece, so they work on the
// pieces and the texts are written once, at the end.
enum class Kind : std::uint8_t {
  Bare,
  Minor,
  Dim,
  Sus4,
  Fifth,
  Add2,
  Add9,
  Fourth,
  Add11,
  Sixth,
  Add13,
  Seventh
};

struct Piece {
  Kind kind;
  char sign;  // '+', '-' or 0
  bool operator==(const Piece&) const = default;
};

constexpr std::array<std::string_view, 12> kKindTexts{
    "", "m", "/dim", "/sus4", "/5", "/add2", "/add9", "/4", "/add11", "/6", "/add13", "/7"};

// Each piece's text (its kind's, then the sign) padded to eight bytes, so
// that writing one is a single eight-byte copy.
struct PieceText {
  std::array<char, 8> bytes{};
  std::uint8_t length = 0;
  bool startsWithSlash = false;
};

// 0 for no sign, 1 for '+', 2 for '-', read off the characters' bits.
constexpr int SignIndex(char sign) { return (static_cast<unsigned char>(sign) >> 1) & 3; }
static_assert(SignIndex(0) == 0 && SignIndex('+') == 1 && SignIndex('-') == 2);

constexpr std::array<PieceText, 36> kPieceTexts = [] {
  std::array<PieceText, 36> texts{};
  for (std::size_t kind = 0; kind < kKindTexts.size(); ++kind) {
    for (char sign : {'\0', '+', '-'}) {
      PieceText& text = texts[kind * 3 + static_cast<std::size_t>(SignIndex(sign))];
      for (char c : kKindTexts[kind]) text.bytes[text.length++] = c;
      if (sign != 0) text.bytes[text.length++] = sign;
      text.startsWithSlash = text.length > 0 && text.bytes[0] == '/';
    }
  }
  return texts;
}();

const PieceText& TextOf(Piece piece) {
  return kPieceTexts[static_cast<std::size_t>(piece.kind) * 3 +
                     static_cast<std::size_t>(SignIndex(piece.sign))];
}

// At most a minor, a fifth and the other notes' pieces, plus what the
// rewrites add: a dozen pieces is room enough.
struct Variant {
  std::array<Piece, 12> pieces{};
  std::uint8_t size = 0;

  // Slots past the size are always empty pieces (all zero), so two variants
  // compare as their bytes.
  bool operator==(const Variant& other) const {
    return size == other.size &&
           std::memcmp(pieces.data(), other.pieces.data(), sizeof pieces) == 0;
  }
  // Equal variants have equal fingerprints; the search for repeats compares
  // these first. Every slot is folded in, the empty ones (all zero) adding
  // nothing, so a rename changes the fingerprint by its slot's share alone.
  std::uint64_t Fingerprint() const {
    std::uint64_t fingerprint = size;
    for (std::size_t i = 0; i < pieces.size(); ++i) fingerprint ^= Share(i, pieces[i]);
    return fingerprint;
  }
  static std::uint64_t Share(std::size_t slot, Piece piece) {
    std::uint64_t bits =
        static_cast<std::uint64_t>(piece.kind) << 8 | static_cast<unsigned char>(piece.sign);
    return std::rotl(bits, static_cast<int>(5 * slot + 8));
  }
  // Renames the piece in a slot, keeping the fingerprint up to date.
  void Rename(std::size_t slot, Piece piece, std::uint64_t& fingerprint) {
    fingerprint ^= Share(slot, pieces[slot]) ^ Share(slot, piece);
    pieces[slot] = piece;
  }
  void Push(Piece piece) {
    if (size < pieces.size()) pieces[size++] = piece;
  }
  int Find(Kind kind, char sign = 1) const {  // sign 1: any sign
    for (int i = 0; i < size; ++i) {
      if (pieces[static_cast<std::size_t>(i)].kind == kind &&
          (sign == 1 || pieces[static_cast<std::size_t>(i)].sign == sign))
        return i;
    }
    return -1;
  }
  bool Has(Kind kind, char sign = 1) const { return Find(kind, sign) >= 0; }
  void Erase(int at) {
    std::copy(pieces.begin() + at + 1, pieces.begin() + size, pieces.begin() + at);
    pieces[--size] = Piece{};
  }
  void Insert(int at, Piece piece) {
    if (size >= pieces.size()) return;
    std::copy_backward(pieces.begin() + at, pieces.begin() + size, pieces.begin() + size + 1);
    pieces[static_cast<std::size_t>(at)] = piece;
    ++size;
  }
  template <typename Line>
  void Write(Line& line) const {
    for (int i = 0; i < size; ++i) line.Append(TextOf(pieces[static_cast<std::size_t>(i)]));
  }
};

// Pieces of the intervals left once the third and the fifth are taken out.
std::optional<Piece> IntervalPiece(int interval) {
  switch (interval) {
    case 1:
      return Piece{Kind::Add2, '-'};
    case 2:
      return Piece{Kind::Add2, 0};
    case 5:
      return Piece{Kind::Fourth, 0};
    case 6:
      return Piece{Kind::Fourth, '+'};
    case 8:
      return Piece{Kind::Sixth, '-'};
    case 9:
      return Piece{Kind::Sixth, 0};
    case 10:
      return Piece{Kind::Sixth, '+'};
    case 11:
      return Piece{Kind::Seventh, '+'};
    default:
      return std::nullopt;  // 0 is the root; 3, 4 and 7 are read as third and fifth
  }
}

bool RemoveFirst(std::vector<int>& list, int value) {
  auto found = std::find(list.begin(), list.end(), value);
  if (found == list.end()) return false;
  list.erase(found);
  return true;
}

struct Suffix {
  Variant variant;
  bool no3 = false;
  bool no5 = false;
};

// The chord read from one candidate root: third, fifth, then the rest.
// The intervals are the caller's scratch, taken apart here.
Suffix BuildSuffix(std::vector<int>& intervals) {
  Suffix suffix;
  auto third =
      std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 3 || i == 4; });
  if (third == intervals.end()) {
    suffix.no3 = true;
  } else {
    if (*third == 3) suffix.variant.Push({Kind::Minor, 0});
    intervals.erase(third);
  }
  if (!RemoveFirst(intervals, 7)) {
    auto fifth =
        std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 6 || i == 8; });
    if (fifth == intervals.end()) {
      suffix.no5 = true;
    } else {
      suffix.variant.Push({Kind::Fifth, *fifth == 8 ? '+' : '-'});
      intervals.erase(fifth);
    }
  }
  for (int interval : intervals) {
    if (auto piece = IntervalPiece(interval)) suffix.variant.Push(*piece);
  }
  return suffix;
}

struct Rewrite {
  Variant variant;
  bool suspended;  // rule 1: its mark is only " (no5)"
  std::uint64_t fingerprint;
};

// The rewrites of one variant, each applied to the variant as it was taken:
// 1 "/4" becomes a leading "/sus4" (without a third), 2 "/6+" becomes "/7",
// 3 the "2" of "/add2" becomes "9", 4 "/4" becomes "/add11", 5 "/6"
// becomes "/add13" (each on the first such piece; a sign stays in place).
// fingerprint: the variant's; each rewrite's is made from it.
int RewritesOf(const Variant& v, std::uint64_t fingerprint, bool no3, std::array<Rewrite, 5>& out) {
  // The first piece each rewrite applies to, in one pass.
  int fourth = -1, sharpSixth = -1, second = -1, sixth = -1;
  for (int i = v.size - 1; i >= 0; --i) {
    const Piece& piece = v.pieces[static_cast<std::size_t>(i)];
    if (piece.kind == Kind::Fourth) fourth = i;
    if (piece.kind == Kind::Add2) second = i;
    if (piece.kind == Kind::Sixth) {
      sixth = i;
      if (piece.sign == '+') sharpSixth = i;
    }
  }
  // Each rewrite is made in its slot (a copy of a just-changed variant
  // would wait for the changes to be written).
  int count = 0;
  auto taken = [&](bool suspended) -> Rewrite& {
    Rewrite& rewrite = out[static_cast<std::size_t>(count++)];
    rewrite.variant = v;
    rewrite.suspended = suspended;
    rewrite.fingerprint = fingerprint;
    return rewrite;
  };
  auto renamed = [&](int at, Kind kind) {
    Rewrite& rewrite = taken(false);
    Piece piece = v.pieces[static_cast<std::size_t>(at)];
    piece.kind = kind;
    rewrite.variant.Rename(static_cast<std::size_t>(at), piece, rewrite.fingerprint);
  };
  if (no3 && fourth >= 0) {
    Rewrite& rewrite = taken(true);
    Variant& sus = rewrite.variant;
    if (sus.pieces[static_cast<std::size_t>(fourth)].sign == 0) {
      sus.Erase(fourth);
    } else {
      sus.pieces[static_cast<std::size_t>(fourth)].kind = Kind::Bare;
    }
    sus.Insert(0, {Kind::Sus4, 0});
    rewrite.fingerprint = sus.Fingerprint();  // every piece moved
  }
  if (sharpSixth >= 0) {
    Rewrite& rewrite = taken(false);
    rewrite.variant.Rename(static_cast<std::size_t>(sharpSixth), {Kind::Seventh, 0},
                           rewrite.fingerprint);
  }
  if (second >= 0) renamed(second, Kind::Add9);
  if (fourth >= 0) renamed(fourth, Kind::Add11);
  if (sixth >= 0) renamed(sixth, Kind::Add13);
  return count;
}

// The diminished form of a suffix such as "m/5-/6", or nothing.
std::optional<Variant> DiminishedForm(const Variant& suffix) {
  if (suffix.size == 0 || suffix.pieces[0].kind != Kind::Minor) return {};
  if (!suffix.Has(Kind::Fifth, '-') || !suffix.Has(Kind::Sixth)) return {};
  if (suffix.Has(Kind::Fifth, '+') || suffix.Has(Kind::Sixth, '+') || suffix.Has(Kind::Sixth, '-'))
    return {};
  Variant dim = suffix;
  dim.Erase(0);
  dim.Erase(dim.Find(Kind::Fifth, '-'));
  dim.Erase(dim.Find(Kind::Sixth, 0));
  dim.Insert(0, {Kind::Dim, 0});
  return dim;
}

// A root's own texts (its name, the slash with the bass, the marks), made
// once per root and padded so that writing one is a fixed-size copy.
struct PaddedText {
  static constexpr std::size_t kPadded = 16;

  explicit PaddedText(std::string_view text = {}) : text(text) {
    if (text.size() <= kPadded) std::copy(text.begin(), text.end(), bytes.begin());
    std::size_t slash = text.find('/');
    firstSlash = slash == std::string_view::npos ? kNoSlash : slash;
  }

  static constexpr std::size_t kNoSlash = static_cast<std::size_t>(-1);
  std::string_view text;
  std::array<char, kPadded> bytes{};
  std::size_t firstSlash;
};

// One name, written in place: appending piece by piece to a string costs a
// capacity check and a call per piece. It notes where its first slash is.
// The caller makes room for RoomFor() bytes.
class NameLine {
 public:
  // Each piece at most eight bytes copied, each text its padding beyond it.
  static std::size_t RoomFor(const PaddedText& root, const PaddedText& slash,
                             const PaddedText& marks) {
    return 12 * 8 + root.text.size() + slash.text.size() + marks.text.size() +
           3 * PaddedText::kPadded;
  }

  explicit NameLine(char* at) : at_(at) {}

  void Append(const PaddedText& text) {
    if (firstSlash_ == PaddedText::kNoSlash && text.firstSlash != PaddedText::kNoSlash)
      firstSlash_ = size_ + text.firstSlash;
    if (text.text.size() <= PaddedText::kPadded) {
      std::memcpy(at_ + size_, text.bytes.data(), PaddedText::kPadded);
    } else {
      std::memcpy(at_ + size_, text.text.data(), text.text.size());
    }
    size_ += text.text.size();
  }
  // The whole padded text is copied; only its length counts.
  void Append(const PieceText& text) {
    firstSlash_ = firstSlash_ == PaddedText::kNoSlash && text.startsWithSlash ? size_ : firstSlash_;
    std::memcpy(at_ + size_, text.bytes.data(), text.bytes.size());
    size_ += text.length;
  }
  std::size_t Size() const { return size_; }
  std::size_t FirstSlash() const { return firstSlash_; }

 private:
  char* at_;
  std::size_t size_ = 0;
  std::size_t firstSlash_ = PaddedText::kNoSlash;
};

// Sixteen bytes of a name from its start, the first the highest, zeros past
// its end: padding with zeros never orders two names against their byte
// order (a name sorts before every longer one it begins), and equal leading
// bytes fall back to comparing the whole names.
struct LeadingBytes {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  LeadingBytes() = default;
  LeadingBytes(const char* name, std::size_t length)
      : high(Keep(BigEndian(name), length)),
        low(Keep(BigEndian(name + 8), length > 8 ? length - 8 : 0)) {}

 private:
  static std::uint64_t BigEndian(const char* bytes) {
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::little) value = __builtin_bswap64(value);
    return value;
  }
  static std::uint64_t Keep(std::uint64_t value, std::size_t bytes) {
    if (bytes >= 8) return value;
    return bytes == 0 ? 0 : value & ~(~std::uint64_t{0} >> (8 * bytes));
  }
};

// Every name of every candidate root, written one after another into one
// buffer, then put in byte order; the list is made of the buffer itself.
class NameBuffer {
 public:
  NameBuffer() : text_(kFirstBytes, '\0') { entries_.reserve(128); }

  void Add(const PaddedText& root, const Variant& variant, const PaddedText& slash,
           const PaddedText& marks) {
    std::size_t room = used_ + NameLine::RoomFor(root, slash, marks);
    if (room > text_.size()) text_.resize(std::max(room, 2 * text_.size()));
    NameLine line(text_.data() + used_);
    line.Append(root);
    variant.Write(line);
    line.Append(slash);
    line.Append(marks);
    std::uint16_t firstSlash = line.FirstSlash() == PaddedText::kNoSlash
                                   ? kNoSlash
                                   : static_cast<std::uint16_t>(line.FirstSlash());
    entries_.push_back({{},
                        static_cast<std::uint32_t>(used_),
                        static_cast<std::uint16_t>(line.Size()),
                        firstSlash});
    used_ += line.Size();
  }

  // The list: the names in byte order, a name whose text (less trailing
  // blanks) repeats the one before dropped, and every name after the first
  // without its first slash.
  ChordNameList TakeList() {
    SortEntries();
    std::vector<ChordNameList::Span> spans;
    spans.reserve(entries_.size());
    std::string_view previous;
    for (const Entry& entry : entries_) {
      std::string_view text = Trimmed(ViewOf(entry));
      if (!spans.empty() && text == previous) continue;
      previous = text;
      spans.push_back({entry.start, entry.length});
    }
    // Only now, as the comparisons above read the names as written: the
    // slash goes by moving the bytes before it one place on.
    std::size_t kept = 0;
    for (const Entry& entry : entries_) {
      if (kept == spans.size()) break;
      ChordNameList::Span& span = spans[kept];
      if (span.start != entry.start) continue;
      if (kept++ == 0 || entry.firstSlash == kNoSlash) continue;
      char* name = text_.data() + span.start;
      std::memmove(name + 1, name, entry.firstSlash);
      ++span.start;
      --span.length;
    }
    return ChordNameList(std::move(text_), std::move(spans));
  }

 private:
  static constexpr std::size_t kFirstBytes = 2048;
  static constexpr std::uint16_t kNoSlash = 0xFFFF;

  struct Entry {
    LeadingBytes leading;
    std::uint32_t start;
    std::uint16_t length;
    std::uint16_t firstSlash;  // kNoSlash: none
  };

  static std::string_view Trimmed(std::string_view name) {
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
  }

  void SortEntries() {
    // Read once all the names are written: reading a name's bytes right after
    // writing them would wait for the writes.
    for (Entry& entry : entries_)
      entry.leading = LeadingBytes(text_.data() + entry.start, entry.length);
    std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
      if (a.leading.high != b.leading.high) return a.leading.high < b.leading.high;
      if (a.leading.low != b.leading.low) return a.leading.low < b.leading.low;
      return ViewOf(a) < ViewOf(b);
    });
  }

  std::string_view ViewOf(const Entry& entry) const {
    return {text_.data() + entry.start, entry.length};
  }

  std::string text_;  // the names, then room for the next
  std::size_t used_ = 0;
  std::vector<Entry> entries_;
};

// What naming from each root needs, made once for all the roots.
struct Scratch {
  std::vector<int> intervals;
  std::vector<Variant> variants;
  std::vector<std::uint64_t> fingerprints;  // of the variants

  void Clear() {
    variants.clear();
    fingerprints.clear();
    slots.fill(0);
  }
  void Keep(const Variant& variant) { Keep(variant, variant.Fingerprint()); }
  std::uint64_t FingerprintOf(std::size_t kept) const { return fingerprints[kept]; }
  // Keeps a variant not met before; false when it was. The kept variants are
  // found by their fingerprints in an open-addressed table, or, past what
  // the table indexes (more variants than any chord has), by a plain scan.
  bool KeepIfNew(const Variant& variant, std::uint64_t fingerprint) {
    auto same = [&](std::size_t kept) {
      return fingerprints[kept] == fingerprint && variants[kept] == variant;
    };
    if (variants.size() < kIndexed) {
      for (std::size_t slot = SlotOf(fingerprint); slots[slot] != 0;
           slot = (slot + 1) % slots.size())
        if (same(slots[slot] - 1u)) return false;
    } else {
      for (std::size_t kept = 0; kept < variants.size(); ++kept)
        if (same(kept)) return false;
    }
    Keep(variant, fingerprint);
    return true;
  }

 private:
  static constexpr std::size_t kIndexed = 96;  // of 128 slots: probes stay short

  static std::size_t SlotOf(std::uint64_t fingerprint) {
    return static_cast<std::size_t>((fingerprint * 0x9E3779B97F4A7C15u) >> 57);
  }
  void Keep(const Variant& variant, std::uint64_t fingerprint) {
    variants.push_back(variant);
    fingerprints.push_back(fingerprint);
    if (variants.size() > kIndexed) return;
    std::size_t slot = SlotOf(fingerprint);
    while (slots[slot] != 0) slot = (slot + 1) % slots.size();
    slots[slot] = static_cast<std::uint8_t>(variants.size());
  }

  std::array<std::uint8_t, 128> slots{};  // index + 1 of a kept variant; 0: empty
};

void NamesForRoot(const std::vector<int>& notes, std::size_t j, int bass, Accidentals names,
                  NameBuffer& out, Scratch& scratch) {
  int root = notes[j];
  std::string_view rootName = NoteNameOf(names, root);
  std::string slash;
  if (bass != root) slash.append("/").append(NoteNameOf(names, bass));
  std::vector<int>& intervals = scratch.intervals;
  intervals.clear();
  for (int note : notes) intervals.push_back(WrapPitchClass(note - root));
  std::sort(intervals.begin(), intervals.end());
  Suffix suffix = BuildSuffix(intervals);
  std::string_view no3Mark = suffix.no3 ? " (no3)" : "";
  std::string_view no5Mark = suffix.no5 ? " (no5)" : "";
  const std::string bothMarks = std::string(no3Mark) + std::string(no5Mark);
  const PaddedText rootText(rootName), slashText(slash), noSlash, noMarks;
  const PaddedText marks(bothMarks), no5Only(no5Mark);

  // The chord's own root never carries the bass on its plain name.
  out.Add(rootText, suffix.variant, j > 0 ? slashText : noSlash, marks);
  std::vector<Variant>& variants = scratch.variants;
  scratch.Clear();
  scratch.Keep(suffix.variant);
  if (auto diminished = DiminishedForm(suffix.variant)) {
    out.Add(rootText, *diminished, slashText, noMarks);
    scratch.Keep(*diminished);
  }
  // A variant reached again by another order of rewrites gets the same name
  // again (its mark depends only on its text), which the list drops later;
  // so each variant is named and walked once.
  std::array<Rewrite, 5> rewrites;
  for (std::size_t i = 0; i < variants.size(); ++i) {
    int count = RewritesOf(variants[i], scratch.FingerprintOf(i), suffix.no3, rewrites);
    for (int r = 0; r < count; ++r) {
      const Rewrite& rewrite = rewrites[static_cast<std::size_t>(r)];
      if (!scratch.KeepIfNew(rewrite.variant, rewrite.fingerprint)) continue;
      bool markNo3 = !rewrite.suspended && suffix.no3 && !rewrite.variant.Has(Kind::Sus4);
      out.Add(rootText, rewrite.variant, slashText, markNo3 ? marks : no5Only);
    }
  }
}

}  // namespace

ChordNameList ListChordNames(std::vector<int> notes, int bassPitchClass, Accidentals names) {
  // A repeated note names nothing new, and repeats would multiply the
  // variants without bound; the names are those of the distinct notes.
  notes = DistinctInOrder(notes);
  if (std::find(notes.begin(), notes.end(), bassPitchClass) == notes.end())
    notes.push_back(bassPitchClass);
  NameBuffer buffer;
  Scratch scratch;
  scratch.intervals.reserve(notes.size());
  scratch.variants.reserve(64);
  scratch.fingerprints.reserve(64);
  for (std::size_t j = 0; j < notes.size(); ++j)
    NamesForRoot(notes, j, bassPitchClass, names, buffer, scratch);
  return buffer.TakeList();
}

}  // namespace corvanta
