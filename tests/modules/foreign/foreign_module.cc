// A module whose entry table says it comes from another build of the program.
#include "modules/module_library.h"

namespace {
constexpr vantrel::ModuleHeader kHeader{"another build"};
}  // namespace

extern "C" __attribute__((visibility("default"))) const vantrel::ModuleHeader*
vantrel_module_entry() {
  return &kHeader;
}
