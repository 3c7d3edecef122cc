// The preferred chord shapes, six fret values each.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// The preferred chord shapes, six fret values each (99 muted, 0 open, -n the
// lowest string of a barre at fret n), separated by " , ". A fingering whose
// value text occurs anywhere in it (plain substring search) is a preferred
// shape; the doubled blanks of three separators never take part in a match.
const std::string& ShapeTemplates();

// Whether a fingering's value text occurs in the templates, answered on the numbers: its text
// "v0 v1 v2 v3 v4 v5 " occurs in the templates exactly when a template has
// the values v1..v5 after a first value whose text ends with v0's text
// (so "1 3 3 2 1 1" matches inside "-1 3 3 2 1 1").
bool IsTemplateShape(const std::array<int, 6>& values);

// Every value list IsTemplateShape accepts (a template once per first value
// that matches it), for lookups built on other keys.
const std::vector<std::array<int, 6>>& TemplateShapeValueLists();

}  // namespace corvanta
