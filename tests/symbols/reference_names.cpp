// The plain reference chord naming.
#include "reference_names.h"

#include <algorithm>

namespace corvanta::reference {
namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The text with the first occurrence of `from` replaced by `to`.
std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string IntervalText(int interval) {
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
      return "";
  }
}

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::vector<std::string> ChordNames(const std::vector<int>& chordTones, int bassPitchClass,
                                    Accidentals accidentals) {
  const NoteNameRow& grid = NoteNamesFor(accidentals);
  auto nameOf = [&](int p) { return p >= 0 && p < 12 ? std::string(grid[p]) : std::string(); };
  std::vector<int> notes = chordTones;
  if (std::find(notes.begin(), notes.end(), bassPitchClass) == notes.end())
    notes.push_back(bassPitchClass);

  std::vector<std::string> list;
  for (std::size_t j = 0; j < notes.size(); ++j) {
    const int r = notes[j];
    const std::string rootName = nameOf(r);
    const std::string slash = bassPitchClass == r ? "" : "/" + nameOf(bassPitchClass);
    std::vector<int> intervals;
    for (int n : notes) intervals.push_back(((n - r) % 12 + 12) % 12);
    std::sort(intervals.begin(), intervals.end());
    std::string suffix;
    bool no3 = false, no5 = false;

    auto third =
        std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 3 || i == 4; });
    if (third == intervals.end()) {
      no3 = true;
    } else {
      if (*third == 3) suffix += "m";
      intervals.erase(third);
    }
    auto fifth = std::find(intervals.begin(), intervals.end(), 7);
    if (fifth != intervals.end()) {
      intervals.erase(fifth);
    } else {
      auto altered =
          std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 8 || i == 6; });
      if (altered == intervals.end()) {
        no5 = true;
      } else {
        suffix += *altered == 8 ? "/5+" : "/5-";
        intervals.erase(altered);
      }
    }
    for (int i : intervals) suffix += IntervalText(i);

    std::string base = rootName + suffix + (j > 0 ? slash : "");
    if (no3) base += " (no3)";
    if (no5) base += " (no5)";
    list.push_back(base);

    std::vector<std::string> variants{suffix};
    if (suffix.find('m') == 0 && Has(suffix, "/5-") && Has(suffix, "/6") && !Has(suffix, "/5+") &&
        !Has(suffix, "/6+") && !Has(suffix, "/6-")) {
      std::string dim =
          ReplaceFirst(ReplaceFirst(ReplaceFirst(suffix, "m", ""), "/5-", ""), "/6", "");
      dim = "/dim" + dim;
      list.push_back(rootName + dim + slash);
      variants.push_back(dim);
    }
    auto standardMark = [&](const std::string& v) {
      std::string mark;
      if (no3 && !Has(v, "sus")) mark += " (no3)";
      if (no5) mark += " (no5)";
      return mark;
    };
    for (std::size_t k = 0; k < variants.size(); ++k) {
      const std::string v = variants[k];
      std::vector<std::pair<std::string, std::string>> made;  // v', mark
      if (no3 && Has(v, "/4")) {
        std::string w = "/sus4" + ReplaceFirst(v, "/4", "");
        made.push_back({w, no5 ? " (no5)" : ""});
      }
      if (Has(v, "/6+")) made.push_back({ReplaceFirst(v, "/6+", "/7"), ""});
      if (Has(v, "2")) made.push_back({ReplaceFirst(v, "2", "9"), ""});
      if (Has(v, "/4")) made.push_back({ReplaceFirst(v, "/4", "/add11"), ""});
      if (Has(v, "/6")) made.push_back({ReplaceFirst(v, "/6", "/add13"), ""});
      for (std::size_t m = 0; m < made.size(); ++m) {
        const std::string& w = made[m].first;
        // Rule 1 carries its own mark; the others the standard one.
        const bool ruleOne = no3 && Has(v, "/4") && m == 0;
        list.push_back(rootName + w + slash + (ruleOne ? made[m].second : standardMark(w)));
        variants.push_back(w);
      }
    }
  }
  std::sort(list.begin(), list.end());
  std::vector<std::string> shown;
  if (list.empty()) return shown;
  shown.push_back(list[0]);
  std::string previous = list[0];
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (TrimRight(list[i]) == TrimRight(previous)) continue;
    previous = list[i];
    shown.push_back(ReplaceFirst(list[i], "/", ""));
  }
  return shown;
}

}  // namespace corvanta::reference
