#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The preferred chord shapes, six fret values each (99 muted, 0 open, -n the
// lowest string of a barre at fret n), separated by " , ". A fingering whose
// value text occurs anywhere in it (plain substring search) is a preferred
// shape; the doubled blanks of three separators never take part in a match.
const std::string& ShapeTemplates();

// Whether the text occurs anywhere inside the shape templates. Answers the
// same as ShapeTemplates().find(text) for texts of any length, but looks
// fingering-sized texts up in a table instead of scanning the whole text.
bool OccursInShapeTemplates(std::string_view text);

}  // namespace corvanta
