#include "modules/module_library.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>

namespace vantrel {

std::string ModuleFolder() {
  // The program does not move while it runs: one look is enough.
  static const std::string folder = [] {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::string();
    return (program.parent_path() / VANTREL_MODULE_DIR_FROM_BIN).lexically_normal().string();
  }();
  return folder;
}

const ModuleHeader* LoadModule(std::string_view file_name, std::string* problem,
                               const std::string& folder) {
  // Modules are never closed: windows and objects they made may live until the end.
  static std::mutex mutex;
  static std::map<std::string, const ModuleHeader*, std::less<>> loaded;
  const std::string path =
      folder.empty() ? std::string(file_name) : folder + '/' + std::string(file_name);
  const std::lock_guard lock(mutex);
  if (const auto found = loaded.find(path); found != loaded.end()) return found->second;

  if (folder.empty()) {
    *problem = "the program's own folder cannot be found";
    return nullptr;
  }
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    *problem = reason != nullptr ? reason : path + ": cannot be loaded";
    return nullptr;
  }
  using EntryFunction = const ModuleHeader* (*)();
  auto* entry = reinterpret_cast<EntryFunction>(dlsym(handle, kModuleEntryFunction));
  const ModuleHeader* header = entry != nullptr ? entry() : nullptr;
  if (header == nullptr || header->abi == nullptr || std::strcmp(header->abi, kModuleAbi) != 0) {
    *problem = path + ": not a module of this build of Vantrel";
    dlclose(handle);
    return nullptr;
  }
  loaded.emplace(path, header);
  return header;
}

}  // namespace vantrel
