#include "symbols/chord_names.h"

#include <algorithm>
#include <optional>

#include "theory/chord_entry.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// Texts of the intervals left once the third and the fifth are taken out.
std::string_view IntervalText(int interval) {
  switch (interval) {
    case 1:
      return "/add2-";
    case 2:
      return "/add2";
    case 5:
      return "/4";
    case 6:
      return "/4+";
    case 8:
      return "/6-";
    case 9:
      return "/6";
    case 10:
      return "/6+";
    case 11:
      return "/7+";
    default:
      return "";  // 0 is the root; 3, 4 and 7 are read as third and fifth
  }
}

bool Contains(std::string_view text, std::string_view pattern) {
  return text.find(pattern) != std::string_view::npos;
}

// The text with its first occurrence of pattern replaced, after a prefix;
// built in one allocation, as the variant walk makes many of these.
std::string ReplaceFirst(std::string_view text, std::string_view pattern, std::string_view with,
                         std::string_view prefix = {}) {
  std::size_t at = text.find(pattern);
  std::string result;
  result.reserve(prefix.size() + text.size() + with.size());
  result.append(prefix);
  if (at == std::string_view::npos) return result.append(text);
  return result.append(text.substr(0, at)).append(with).append(text.substr(at + pattern.size()));
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (std::string_view part : parts) text.append(part);
  return text;
}

bool RemoveFirst(std::vector<int>& list, int value) {
  auto found = std::find(list.begin(), list.end(), value);
  if (found == list.end()) return false;
  list.erase(found);
  return true;
}

struct Suffix {
  std::string text;
  bool no3 = false;
  bool no5 = false;
};

// The chord read from one candidate root: third, fifth, then the rest.
Suffix BuildSuffix(std::vector<int> intervals) {
  Suffix suffix;
  auto third =
      std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 3 || i == 4; });
  if (third == intervals.end()) {
    suffix.no3 = true;
  } else {
    if (*third == 3) suffix.text += "m";
    intervals.erase(third);
  }
  if (!RemoveFirst(intervals, 7)) {
    auto fifth =
        std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 6 || i == 8; });
    if (fifth == intervals.end()) {
      suffix.no5 = true;
    } else {
      suffix.text += *fifth == 8 ? "/5+" : "/5-";
      intervals.erase(fifth);
    }
  }
  for (int interval : intervals) suffix.text += IntervalText(interval);
  return suffix;
}

struct Rewrite {
  std::string text;
  bool suspended;  // rule 1: its mark is only " (no5)"
};

// The rewrites of one variant, each applied to the variant as it was taken.
std::vector<Rewrite> RewritesOf(const std::string& v, bool no3) {
  std::vector<Rewrite> out;
  out.reserve(5);
  if (no3 && Contains(v, "/4")) out.push_back({ReplaceFirst(v, "/4", "", "/sus4"), true});
  if (Contains(v, "/6+")) out.push_back({ReplaceFirst(v, "/6+", "/7"), false});
  if (Contains(v, "2")) out.push_back({ReplaceFirst(v, "2", "9"), false});
  if (Contains(v, "/4")) out.push_back({ReplaceFirst(v, "/4", "/add11"), false});
  if (Contains(v, "/6")) out.push_back({ReplaceFirst(v, "/6", "/add13"), false});
  return out;
}

// The diminished form of a suffix such as "m/5-/6", or nothing.
std::optional<std::string> DiminishedForm(const std::string& suffix) {
  if (suffix.rfind("m", 0) != 0 || !Contains(suffix, "/5-") || !Contains(suffix, "/6")) return {};
  if (Contains(suffix, "/5+") || Contains(suffix, "/6+") || Contains(suffix, "/6-")) return {};
  std::string text = ReplaceFirst(ReplaceFirst(ReplaceFirst(suffix, "m", ""), "/5-", ""), "/6", "");
  return "/dim" + text;
}

void NamesForRoot(const std::vector<int>& notes, std::size_t j, int bass, Accidentals names,
                  std::vector<std::string>& out) {
  int root = notes[j];
  std::string rootName(NoteGridText(names, root));
  std::string slash = bass == root ? "" : "/" + std::string(NoteGridText(names, bass));
  std::vector<int> intervals;
  for (int note : notes) intervals.push_back(WrapPitchClass(note - root));
  std::sort(intervals.begin(), intervals.end());
  Suffix suffix = BuildSuffix(intervals);
  std::string no3Mark = suffix.no3 ? " (no3)" : "";
  std::string no5Mark = suffix.no5 ? " (no5)" : "";

  // The chord's own root never carries the bass on its plain name.
  out.push_back(rootName + suffix.text + (j > 0 ? slash : "") + no3Mark + no5Mark);
  std::vector<std::string> variants{suffix.text};
  if (auto diminished = DiminishedForm(suffix.text)) {
    out.push_back(rootName + *diminished + slash);
    variants.push_back(*diminished);
  }
  // A variant reached again by another order of rewrites gets the same name
  // again (its mark depends only on its text), which the list drops later;
  // so each variant is named and walked once.
  // (A few dozen short texts at most: a linear look-up beats hashing.)
  for (std::size_t i = 0; i < variants.size(); ++i) {
    for (Rewrite& rewrite : RewritesOf(variants[i], suffix.no3)) {
      if (std::find(variants.begin(), variants.end(), rewrite.text) != variants.end()) continue;
      std::string mark =
          rewrite.suspended
              ? no5Mark
              : (suffix.no3 && !Contains(rewrite.text, "sus") ? no3Mark : "") + no5Mark;
      out.push_back(Joined({rootName, rewrite.text, slash, mark}));
      variants.push_back(std::move(rewrite.text));
    }
  }
}

}  // namespace

std::vector<std::string> ListChordNames(std::vector<int> notes, int bassPitchClass,
                                        Accidentals names) {
  // A repeated note names nothing new, and repeats would multiply the
  // variants without bound; the names are those of the distinct notes.
  notes = DistinctInOrder(notes);
  if (std::find(notes.begin(), notes.end(), bassPitchClass) == notes.end())
    notes.push_back(bassPitchClass);
  std::vector<std::string> all;
  all.reserve(notes.size() * 16);
  for (std::size_t j = 0; j < notes.size(); ++j) NamesForRoot(notes, j, bassPitchClass, names, all);
  std::sort(all.begin(), all.end());

  std::vector<std::string> shown;
  if (all.empty()) return shown;
  shown.push_back(all.front());
  std::string_view previous = TrimTrailingBlanks(all.front());
  for (std::size_t i = 1; i < all.size(); ++i) {
    if (TrimTrailingBlanks(all[i]) == previous) continue;
    previous = TrimTrailingBlanks(all[i]);
    std::string name = all[i];
    std::size_t slashAt = name.find('/');
    if (slashAt != std::string::npos) name.erase(slashAt, 1);
    shown.push_back(std::move(name));
  }
  return shown;
}

}  // namespace corvanta
