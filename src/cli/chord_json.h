// The fields a chord command writes about its Chord and its voicings.
#pragma once

#include "cli/commands.h"
#include "cli/output.h"
#include "session/session.h"
#include "theory/chord.h"
#include "theory/degree_codes.h"

namespace corvanta::cli {

// The root and the bass as the chord spells them ("rootName", "bassName").
void AddNoteNames(JsonFields& json, const Chord& chord);

// The search's fields into the command's object; the voicings' text is
// returned apart for DumpSearchJson.
SearchOutput AddResult(JsonFields& json, const VoicedChord& result, const Session& session,
                       const SearchOptionText& options, const Chord& chord);

// With shape names under a capo, the chord the shape sounds.
void AddSounding(JsonFields& json, const Chord& chord, const SearchOptionText& options);

// The check-list items whose flag is the one wanted, as JSON list text.
std::string ItemsWhere(const std::array<bool, kDegreeItemCount>& flags, bool wanted);

}  // namespace corvanta::cli
