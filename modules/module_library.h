#ifndef VANTREL_MODULES_MODULE_LIBRARY_H_
#define VANTREL_MODULES_MODULE_LIBRARY_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// The first member of every module's entry table: the build the module comes from.
struct ModuleHeader {
  const char* abi;
};

// The ABI text of this build; a module with another one is refused.
inline constexpr const char* kModuleAbi = VANTREL_MODULE_ABI;

// The name of the function every module exports; it returns the module's entry table.
inline constexpr const char* kModuleEntryFunction = "vantrel_module_entry";

// Defines a module's one exported function, returning its entry table `entry` (a table with
// static storage whose first member is the ModuleHeader `header`). At namespace scope.
#define VANTREL_MODULE_ENTRY(entry)                                                \
  extern "C" __attribute__((visibility("default"))) const ::vantrel::ModuleHeader* \
  vantrel_module_entry() {                                                         \
    return &(entry).header;                                                        \
  }

// The folder the program's modules are in: beside the program's own folder as installed
// (bin/../lib/<arch>/vantrel), and the same in the build tree.
std::string ModuleFolder();

// Loads the module file `file_name` from `folder` (once: it stays loaded until the program
// ends) and returns its entry table, or null with `problem` saying why it cannot be used
// (missing, unreadable, not a module of this build). Safe to call from any thread.
const ModuleHeader* LoadModule(std::string_view file_name, std::string* problem,
                               const std::string& folder = ModuleFolder());

// The entry table of type `Entry` (whose first member is a ModuleHeader named `header`).
template <typename Entry>
const Entry* LoadModuleAs(std::string_view file_name, std::string* problem) {
  static_assert(offsetof(Entry, header) == 0);
  return reinterpret_cast<const Entry*>(LoadModule(file_name, problem));
}

}  // namespace vantrel

#endif  // VANTREL_MODULES_MODULE_LIBRARY_H_
