// Where a named output goes, resolved once.
#pragma once

#include <sys/types.h>

#include <string>

#include "files/unique_fd.h"

namespace corvanta {

// Where a named output goes, resolved once: the folder that holds the file,
// held open, and the file's name in it. Whatever is checked here is what
// the file is written through (created and renamed within that folder), so
// a link planted after the check is replaced, never followed.
//
// Links are followed one at a time, as the kernel's protected-symlinks rule
// would, whatever the kernel is set to: a link in a sticky, world-writable
// folder (as /tmp) is followed only when it belongs to the user or to the
// folder's owner, since anyone else could have planted it there.
struct OutputTarget {
  UniqueFd folder;      // the folder holding the file
  std::string name;     // the file's name in it
  bool exists = false;  // an existing regular file is replaced
  mode_t mode = 0;      // the permissions the file keeps or gets (no set-id bits)
  uid_t owner = 0;      // an existing file's owner and group, kept when root writes
  gid_t group = 0;
  std::string refusal;  // why it cannot be written; empty when it can
};

// The path resolved (not a descriptor's name: see output_descriptor.h).
OutputTarget ResolveOutputTarget(const std::string& path);

}  // namespace corvanta
