// Opens the program's loadable modules and finds their entries.
#include "modules/module_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#ifndef CORVANTA_MODULE_DIR
#define CORVANTA_MODULE_DIR ""
#endif

namespace corvanta {
namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

}  // namespace

const void* LoadModuleTable(const std::string& moduleName, std::string& error) {
  std::vector<std::filesystem::path> places;
  // A folder named by the environment first (the tests, run from their own).
  if (const char* folder = std::getenv("CORVANTA_MODULE_PATH"); folder != nullptr && *folder != 0)
    places.push_back(std::filesystem::path(folder) / moduleName);
  if (auto folder = ExecutableFolder(); !folder.empty()) {
    places.push_back(folder / moduleName);                        // the build tree
    places.push_back(folder / CORVANTA_MODULE_DIR / moduleName);  // an installation
  }
  error = "the module " + moduleName + " is not installed";
  for (const auto& place : places) {
    if (!std::filesystem::exists(place)) continue;
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      error = "cannot load " + place.string() + ": " + dlerror();
      return nullptr;
    }
    using Entry = const void* (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(module, kModuleEntryName));
    if (entry == nullptr) {
      error = place.string() + " has no " + kModuleEntryName;
      return nullptr;
    }
    return entry();
  }
  return nullptr;
}

}  // namespace corvanta
