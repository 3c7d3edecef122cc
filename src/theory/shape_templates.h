#pragma once

#include <string>

namespace corvanta {

// The preferred chord shapes, six fret values each (99 muted, 0 open, -n the
// lowest string of a barre at fret n), separated by " , ". A fingering whose
// value text occurs anywhere in it (plain substring search) is a preferred
// shape; the doubled blanks of three separators never take part in a match.
const std::string& ShapeTemplates();

}  // namespace corvanta
