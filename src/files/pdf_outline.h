#pragma once

#include <string>
#include <vector>

namespace corvanta {

// One outline entry (a bookmark a PDF viewer lists beside the pages).
struct PdfOutlineItem {
  std::string title;  // UTF-8
  int page = 0;       // 0-based, in the document's page order
};

// Adds the entries to a PDF as an incremental update: the bytes written stay
// as they are, a new catalog (pointing at the outline and asking viewers to
// show it), the outline and a cross-reference section for them are appended.
// Reads what a plain writer writes (a classic xref table, one catalog, a page
// tree). Empty on success; else why not, the bytes then unchanged.
std::string AddPdfOutline(std::string& pdf, const std::vector<PdfOutlineItem>& items);

// The pages of a PDF, each as its object number, in page order (empty when
// the page tree cannot be read): for AddPdfOutline and its tests.
std::vector<int> PdfPageObjects(const std::string& pdf);

}  // namespace corvanta
