// Loads a module of the program (drawing, export, synthesizer) by name.
#pragma once

#include <string>

namespace corvanta {

// Finds a module of the program in the folder CORVANTA_MODULE_PATH names,
// beside the executable (the build tree) or in the installed library folder, opens it and returns
// the named entry function's result, or nullptr with the reason in error.
void* LoadModuleEntry(const std::string& moduleName, const char* entryName, std::string& error);

}  // namespace corvanta
