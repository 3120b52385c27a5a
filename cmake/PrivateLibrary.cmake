# SPDX-License-Identifier: GPL-3.0-or-later
# The program's one private shared library: every folder library (core and desktop) the
# program and its plugins share, whole, so that each table, cache and metaobject exists
# once in the process. Installed beside the plugins; the program finds it through its
# RUNPATH, a plugin through its own folder. Included after every folder has added its
# libraries (vantrel_core_library, vantrel_desktop_library) and its extra sources
# (VANTREL_PRIVATE_SOURCES).
get_property(parts GLOBAL PROPERTY VANTREL_PRIVATE_PARTS)
get_property(extra_sources GLOBAL PROPERTY VANTREL_PRIVATE_SOURCES)
add_library(vantrel_private SHARED ${extra_sources})
# No RUNPATH of its own, in the build tree as installed: everything it needs is in the
# system's folders, where an empty entry would only send the loader looking elsewhere first.
set_target_properties(vantrel_private PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${VANTREL_PLUGIN_BUILD_DIR}
                                                 BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "")
target_link_libraries(vantrel_private PUBLIC vantrel_options Qt6::Widgets
                                      PRIVATE -Wl,--whole-archive ${parts} -Wl,--no-whole-archive)
if(NOT VANTREL_BUILD_FUZZ)
  target_link_options(vantrel_private PRIVATE -Wl,--no-undefined)
endif()
install(TARGETS vantrel_private LIBRARY DESTINATION ${VANTREL_PLUGIN_INSTALL_DIR})

# Every plugin, for whatever may load them.
get_property(plugins GLOBAL PROPERTY VANTREL_PLUGINS)
add_custom_target(vantrel_every_plugin)
add_dependencies(vantrel_every_plugin ${plugins})
