#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace corvanta::cli {

// Writes a file so that it is either complete or not there: the bytes go to
// a temporary file in the target's folder, which is renamed over the target
// only once everything was written and closed. On any failure the temporary
// file is removed, an existing target is left as it was, and the message
// says what went wrong (empty on success).
std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::ostream&)>& write);

}  // namespace corvanta::cli
