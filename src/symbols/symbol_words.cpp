// Looks up the words of typed chord symbols.
#include "symbols/symbol_words.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "theory/degree_codes.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// Every typed word is looked up several times while a symbol is read; the
// item texts (at most seven bytes) are compared as one integer each: the
// bytes, and the length in the top byte.
using WordKey = std::uint64_t;
constexpr std::size_t kLongestKeyWord = 7;
constexpr WordKey kNoKey = ~WordKey{0};

constexpr WordKey KeyOf(std::string_view word, bool folded) {
  if (word.size() > kLongestKeyWord) return kNoKey;
  WordKey key = static_cast<WordKey>(word.size()) << 56;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = folded ? AsciiLower(word[i]) : word[i];
    key |= static_cast<WordKey>(static_cast<unsigned char>(c)) << (8 * i);
  }
  return key;
}

constexpr std::array<WordKey, kDegreeItemCount> ItemKeys(bool folded) {
  std::array<WordKey, kDegreeItemCount> keys{};
  for (int item = 0; item < kDegreeItemCount; ++item)
    keys[item] = KeyOf(kDegreeItems[item].text, folded);
  return keys;
}
constexpr std::array<WordKey, kDegreeItemCount> kExactKeys = ItemKeys(false);
constexpr std::array<WordKey, kDegreeItemCount> kFoldedKeys = ItemKeys(true);
// The item texts are written in lowercase: a word's first item in any case
// is then its first item typed exactly, if it has one (the reader relies on it).
constexpr bool AllLowercase() {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (kExactKeys[item] != kFoldedKeys[item]) return false;
  }
  return true;
}
static_assert(AllLowercase());

// The keys with their items, sorted by key and then item: a word's first
// item is the first entry of its key, found by halving.
struct KeyedItem {
  WordKey key = kNoKey;
  int item = -1;
};
using ItemIndex = std::array<KeyedItem, kDegreeItemCount>;

constexpr ItemIndex IndexOf(const std::array<WordKey, kDegreeItemCount>& keys) {
  ItemIndex index{};
  for (int item = 0; item < kDegreeItemCount; ++item) {
    // Insertion by hand: std::sort is not constexpr on every standard
    // library the core is built with.
    int at = item;
    while (at > 0 && index[at - 1].key > keys[item]) {
      index[at] = index[at - 1];
      --at;
    }
    index[at] = {keys[item], item};
  }
  return index;
}
constexpr ItemIndex kExactIndex = IndexOf(kExactKeys);
constexpr ItemIndex kFoldedIndex = IndexOf(kFoldedKeys);

int ItemOfKey(const ItemIndex& index, WordKey key) {
  if (key == kNoKey) return -1;
  auto found = std::lower_bound(index.begin(), index.end(), key,
                                [](const KeyedItem& entry, WordKey k) { return entry.key < k; });
  return found != index.end() && found->key == key ? found->item : -1;
}

}  // namespace

int DegreeItemNamed(std::string_view word) { return ItemOfKey(kFoldedIndex, KeyOf(word, true)); }

int DegreeItemExactly(std::string_view word) { return ItemOfKey(kExactIndex, KeyOf(word, false)); }

std::size_t CharacterLength(std::string_view text, std::size_t at) {
  return std::max<std::size_t>(1, Utf8SequenceLength(text, at));
}

TypedRoot ReadTypedRoot(std::string_view text) {
  std::size_t first = text.empty() ? 0 : CharacterLength(text, 0);
  std::size_t second = first < text.size() ? first + CharacterLength(text, first) : first;
  if (int two = PitchClassOfName(text.substr(0, second)); two != kNoPitchClass)
    return {two, second};
  return {PitchClassOfName(text.substr(0, first)), first};
}

}  // namespace corvanta
