# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop face: each folder of desktop/ is a static library of its own, with Qt.
#
#   vantrel_desktop_library(NAME [IN_PLUGIN] [LIBS ...])
#
# gives vantrel_desktop_NAME from every .cc and .h of desktop/NAME/, linking LIBS, folded
# into the program's one private shared library, vantrel_private
# (cmake/PrivateLibrary.cmake): the program and its plugins link that, so every table and
# metaobject exists once. IN_PLUGIN keeps it out, for a plugin of its own; it then links
# vantrel_private for everything else.
function(vantrel_desktop_library name)
  cmake_parse_arguments(ARG "IN_PLUGIN" "" "LIBS" ${ARGN})
  set(folder ${PROJECT_SOURCE_DIR}/desktop/${name})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cc ${folder}/*.h)
  add_library(vantrel_desktop_${name} STATIC ${sources})
  if(ARG_IN_PLUGIN)
    target_link_libraries(vantrel_desktop_${name} PUBLIC vantrel_private ${ARG_LIBS})
  else()
    target_link_libraries(vantrel_desktop_${name} PUBLIC vantrel_options Qt6::Widgets ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY VANTREL_PRIVATE_PARTS vantrel_desktop_${name})
  endif()
endfunction()

# A part of the program loaded when first used (see desktop/plugins/): a Qt plugin in the plugin
# folder of the build tree and of the installation, beside the private library it links.
# Its metadata names this build (desktop/plugins/build.json.in), which the loader reads before
# any code of the plugin runs.
#
#   vantrel_plugin(TARGET FILE_NAME SOURCES ...)
function(vantrel_plugin target file_name)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file_name}
                        LIBRARY_OUTPUT_DIRECTORY ${VANTREL_PLUGIN_BUILD_DIR}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
                        BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "$ORIGIN")
  # Static libraries linked into a plugin alone (the notebook window) stay private to it.
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  # Q_PLUGIN_METADATA finds the build's metadata file here.
  target_include_directories(${target} PRIVATE ${VANTREL_PLUGIN_METADATA_DIR})
  # Every symbol resolved at link time, so that a missing one fails the build, not the
  # program; not in fuzzing builds, whose coverage hooks come from the fuzzing program.
  if(NOT VANTREL_BUILD_FUZZ)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  # The private library first and needed whatever the linker's defaults: a core library
  # linked after it (the journal's) then takes what it calls from there, never a copy of
  # its own from the core's archives, which the linker would otherwise prefer to a shared
  # library it has not yet found needed.
  target_link_libraries(${target} PRIVATE -Wl,--push-state,--no-as-needed vantrel_private
                                          -Wl,--pop-state)
  install(TARGETS ${target} LIBRARY DESTINATION ${VANTREL_PLUGIN_INSTALL_DIR})
  # Whatever links the private library and may load plugins (the program, its tests, the
  # benchmarks) depends on vantrel_every_plugin, so that it finds them built.
  set_property(GLOBAL APPEND PROPERTY VANTREL_PLUGINS ${target})
endfunction()
