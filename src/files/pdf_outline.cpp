// PDF bookmarks appended to a finished document, for writers without an
// outline of their own (QPdfWriter has none).
#include "files/pdf_outline.h"

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string_view>

namespace corvanta {
namespace {

constexpr int kDeepestPageTree = 32;

bool IsDelimiter(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0' || c == '/' ||
         c == '<' || c == '>' || c == '[' || c == ']' || c == '(' || c == ')';
}

// The integer of the references in a text such as "/Root 12 0 R".
std::optional<int> ReferenceAfter(std::string_view text, std::string_view key) {
  std::size_t at = 0;
  while ((at = text.find(key, at)) != std::string_view::npos) {
    at += key.size();
    if (at < text.size() && !IsDelimiter(text[at])) continue;  // "/Pages" is not "/PagesX"
    std::size_t from = text.find_first_not_of(" \r\n\t", at);
    int number = 0, generation = -1;
    if (from == std::string_view::npos) return std::nullopt;
    if (std::sscanf(std::string(text.substr(from, 32)).c_str(), "%d %d R", &number, &generation) ==
            2 &&
        number > 0)
      return number;
    return std::nullopt;
  }
  return std::nullopt;
}

// The outermost dictionary's inside ("<<" ... ">>") of an object's text.
std::optional<std::string_view> DictionaryOf(std::string_view object) {
  const std::size_t open = object.find("<<");
  if (open == std::string_view::npos) return std::nullopt;
  int depth = 0;
  for (std::size_t i = open; i + 1 < object.size(); ++i) {
    if (object[i] == '<' && object[i + 1] == '<') {
      ++depth;
      ++i;
    } else if (object[i] == '>' && object[i + 1] == '>') {
      if (--depth == 0) return object.substr(open + 2, i - open - 2);
      ++i;
    }
  }
  return std::nullopt;
}

// Where each object's text starts ("N 0 obj" at a line's start), its
// latest definition winning as an update's does: found in one pass.
using ObjectIndex = std::map<int, std::size_t>;

ObjectIndex IndexObjects(std::string_view pdf) {
  ObjectIndex index;
  for (std::size_t at = 0; at < pdf.size();) {
    std::size_t digits = at;
    while (digits < pdf.size() && pdf[digits] >= '0' && pdf[digits] <= '9') ++digits;
    if (digits > at && digits - at < 10 && pdf.compare(digits, 6, " 0 obj") == 0) {
      index[std::stoi(std::string(pdf.substr(at, digits - at)))] = digits + 6;
    }
    const std::size_t line = pdf.find_first_of("\r\n", at);
    if (line == std::string_view::npos) break;
    at = line + 1;
  }
  return index;
}

// The text of object `number` between "obj" and "endobj".
std::optional<std::string_view> ObjectText(std::string_view pdf, const ObjectIndex& index,
                                           int number) {
  const auto found = index.find(number);
  if (found == index.end()) return std::nullopt;
  const std::size_t end = pdf.find("endobj", found->second);
  if (end == std::string_view::npos) return std::nullopt;
  return pdf.substr(found->second, end - found->second);
}

// A page tree's leaves in order; a node met twice (a loop, or a page listed
// twice) makes the tree unreadable.
bool CollectPages(std::string_view pdf, const ObjectIndex& index, int node, int depth,
                  std::vector<int>& pages, std::set<int>& seen) {
  if (depth > kDeepestPageTree || !seen.insert(node).second) return false;
  const std::optional<std::string_view> object = ObjectText(pdf, index, node);
  if (!object) return false;
  const std::optional<std::string_view> dictionary = DictionaryOf(*object);
  if (!dictionary) return false;
  const std::size_t kids = dictionary->find("/Kids");
  if (kids == std::string_view::npos) {
    pages.push_back(node);
    return true;
  }
  const std::size_t open = dictionary->find('[', kids);
  const std::size_t close = dictionary->find(']', kids);
  if (open == std::string_view::npos || close == std::string_view::npos || close < open)
    return false;
  std::string list(dictionary->substr(open + 1, close - open - 1));
  const char* at = list.c_str();
  int number = 0, generation = 0, used = 0;
  while (std::sscanf(at, " %d %d R%n", &number, &generation, &used) == 2) {
    if (!CollectPages(pdf, index, number, depth + 1, pages, seen)) return false;
    at += used;
  }
  return true;
}

// The trailer's dictionary and where the last cross-reference section starts.
struct Trailer {
  std::string_view dictionary;
  long long startXref = 0;
};

std::optional<Trailer> LastTrailer(std::string_view pdf) {
  const std::size_t trailer = pdf.rfind("trailer");
  const std::size_t start = pdf.rfind("startxref");
  if (trailer == std::string_view::npos || start == std::string_view::npos || start < trailer)
    return std::nullopt;
  const std::optional<std::string_view> dictionary = DictionaryOf(pdf.substr(trailer));
  if (!dictionary) return std::nullopt;
  long long offset = -1;
  if (std::sscanf(std::string(pdf.substr(start + 9, 24)).c_str(), "%lld", &offset) != 1 ||
      offset < 0)
    return std::nullopt;
  return Trailer{*dictionary, offset};
}

std::optional<int> SizeOf(std::string_view trailer) {
  const std::size_t at = trailer.find("/Size");
  if (at == std::string_view::npos) return std::nullopt;
  int size = 0;
  if (std::sscanf(std::string(trailer.substr(at + 5, 24)).c_str(), "%d", &size) != 1 || size < 1)
    return std::nullopt;
  return size;
}

void AppendUtf16(std::string& hex, unsigned unit) {
  char digits[5];
  std::snprintf(digits, sizeof digits, "%04X", unit & 0xFFFF);
  hex += digits;
}

// A PDF text string of UTF-8: UTF-16BE with its byte-order mark, in hex.
std::string PdfTextString(std::string_view utf8) {
  std::string hex = "<FEFF";
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    unsigned code = 0xFFFD;
    bool good = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    if (good) {
      code = length == 1 ? lead : lead & (0x7F >> length);
      for (int k = 1; k < length; ++k) {
        const unsigned char next =
            static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) good = false;
        code = (code << 6) | (next & 0x3F);
      }
    }
    if (!good || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) code = 0xFFFD;
    i += good ? static_cast<std::size_t>(length) : 1;
    if (code < 0x20) code = ' ';
    if (code >= 0x10000) {
      code -= 0x10000;
      AppendUtf16(hex, 0xD800 + (code >> 10));
      AppendUtf16(hex, 0xDC00 + (code & 0x3FF));
    } else {
      AppendUtf16(hex, code);
    }
  }
  return hex + ">";
}

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

std::vector<int> PagesOf(std::string_view pdf, const ObjectIndex& index) {
  const std::optional<Trailer> trailer = LastTrailer(pdf);
  if (!trailer) return {};
  const std::optional<int> root = ReferenceAfter(trailer->dictionary, "/Root");
  if (!root) return {};
  const std::optional<std::string_view> catalog = ObjectText(pdf, index, *root);
  if (!catalog) return {};
  const std::optional<std::string_view> dictionary = DictionaryOf(*catalog);
  if (!dictionary) return {};
  const std::optional<int> tree = ReferenceAfter(*dictionary, "/Pages");
  std::vector<int> pages;
  std::set<int> seen;
  if (!tree || !CollectPages(pdf, index, *tree, 0, pages, seen)) return {};
  return pages;
}

}  // namespace

std::vector<int> PdfPageObjects(const std::string& pdf) { return PagesOf(pdf, IndexObjects(pdf)); }

std::string AddPdfOutline(std::string& pdf, const std::vector<PdfOutlineItem>& items) {
  if (items.empty()) return {};
  const std::optional<Trailer> trailer = LastTrailer(pdf);
  if (!trailer) return "the PDF has no trailer this can read";
  const std::optional<int> root = ReferenceAfter(trailer->dictionary, "/Root");
  const std::optional<int> size = SizeOf(trailer->dictionary);
  const std::optional<int> info = ReferenceAfter(trailer->dictionary, "/Info");
  if (!root || !size) return "the PDF's trailer names no catalog";
  const ObjectIndex index = IndexObjects(pdf);
  const std::optional<std::string_view> catalogObject = ObjectText(pdf, index, *root);
  const std::optional<std::string_view> catalog =
      catalogObject ? DictionaryOf(*catalogObject) : std::nullopt;
  if (!catalog || catalog->find("/Outlines") != std::string_view::npos)
    return "the PDF's catalog cannot take an outline";
  const std::vector<int> pages = PagesOf(pdf, index);
  for (const PdfOutlineItem& item : items)
    if (item.page < 0 || item.page >= static_cast<int>(pages.size()))
      return "an outline entry names a page the PDF does not have";

  std::string update;
  std::vector<std::pair<int, std::size_t>> offsets;  // object, offset
  if (pdf.empty() || pdf.back() != '\n') pdf += '\n';
  auto add = [&](int number, const std::string& body) {
    offsets.emplace_back(number, pdf.size() + update.size());
    update += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  };
  const int outline = *size;
  const int first = outline + 1;
  const int count = static_cast<int>(items.size());
  add(*root,
      "<<" + std::string(*catalog) + " /Outlines " + Ref(outline) + " /PageMode /UseOutlines >>");
  add(outline, "<< /Type /Outlines /First " + Ref(first) + " /Last " + Ref(first + count - 1) +
                   " /Count " + std::to_string(count) + " >>");
  for (int i = 0; i < count; ++i) {
    const PdfOutlineItem& item = items[static_cast<std::size_t>(i)];
    std::string body = "<< /Title " + PdfTextString(item.title) + " /Parent " + Ref(outline);
    if (i > 0) body += " /Prev " + Ref(first + i - 1);
    if (i + 1 < count) body += " /Next " + Ref(first + i + 1);
    body += " /Dest [" + Ref(pages[static_cast<std::size_t>(item.page)]) + " /Fit] >>";
    add(first + i, body);
  }
  const std::size_t xref = pdf.size() + update.size();
  update += "xref\n0 1\n0000000000 65535 f \n";
  for (const auto& [number, offset] : offsets) {
    char entry[64];
    std::snprintf(entry, sizeof entry, "%d 1\n%010zu 00000 n \n", number, offset);
    update += entry;
  }
  update += "trailer\n<< /Size " + std::to_string(first + count) + " /Root " + Ref(*root);
  if (info) update += " /Info " + Ref(*info);
  update += " /Prev " + std::to_string(trailer->startXref) + " >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
  pdf += update;
  return {};
}

}  // namespace corvanta
