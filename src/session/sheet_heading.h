// The heading of a chord sheet and the file name it suggests.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The heading of a chord sheet, as the window exports it and the CLI draws
// it: the symbols, a dash, the tuning and the capo if there is one:
// "Am7  —  Standard tuning, capo 2" (UTF-8). When the symbols name shapes
// above the capo, the chords they sound follow:
// "G  D  —  Standard tuning, capo 2: shapes, sounding A  E".
std::string SheetHeading(std::string_view symbols, std::string_view tuning, int capo,
                         std::string_view soundingSymbols = {});

// A file name (without extension) an export suggests for a chord symbol:
// the symbol with every character a file name cannot hold or a shell would
// read specially replaced by '-' ("Am/7/G" → "Am-7-G"); "chords" for none.
std::string FileNameForSymbol(std::string_view symbol);

}  // namespace corvanta
