// A module whose entry table says it comes from another build of the program.
#include "modules/module_library.h"

namespace {
struct ForeignModule {
  vantrel::ModuleHeader header;
};
constexpr ForeignModule kEntry{{"another build"}};
}  // namespace

VANTREL_MODULE_ENTRY(kEntry)
