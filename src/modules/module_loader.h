// Opens the program's loadable modules: each exports one function under one
// name, which returns the module's table of plain function pointers.
#pragma once

#include <string>

namespace corvanta {

// The one entry every module exports (CORVANTA_MODULE below defines it).
inline constexpr const char* kModuleEntryName = "corvanta_module";

// Finds a module of the program in the folder CORVANTA_MODULE_PATH names,
// beside the executable (the build tree) or in the installed library
// folder, opens it and returns its table, or nullptr with the reason in
// error.
const void* LoadModuleTable(const std::string& moduleName, std::string& error);

// The module's table as the type its header declares: a struct of function
// pointers, the only thing that crosses dlopen's boundary.
template <typename Table>
const Table* LoadModule(const std::string& moduleName, std::string& error) {
  return static_cast<const Table*>(LoadModuleTable(moduleName, error));
}

}  // namespace corvanta

// In a module's one source file, after its table: exports the table.
#define CORVANTA_MODULE(table)                                                      \
  extern "C" __attribute__((visibility("default"))) const void* corvanta_module() { \
    return &(table);                                                                \
  }
