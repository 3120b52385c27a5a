# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder builds a Qt-free core library from its own sources and, where it has a qt/
# subfolder, a second library with the Qt edge that links the core.
#
#   vantrel_folder_libraries(NAME [QT_IN_PLUGIN] [CORE_LIBS ...] [QT_LIBS ...])
#
# gives vantrel_NAME (core) and vantrel_NAME_qt (only when qt/ holds sources). Both are
# static libraries, and both are folded into the program's one private shared library,
# vantrel_private (cmake/PrivateLibrary.cmake): the program and its plugins link that, so
# every table and metaobject exists once. QT_IN_PLUGIN keeps the Qt edge out of it, for a
# plugin of its own; that edge then links vantrel_private for everything else.
function(vantrel_folder_libraries name)
  cmake_parse_arguments(ARG "QT_IN_PLUGIN" "" "CORE_LIBS;QT_LIBS" ${ARGN})
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cc ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB qt CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/qt/*.cc
       ${CMAKE_CURRENT_SOURCE_DIR}/qt/*.h)
  set(core_cc ${core})
  list(FILTER core_cc INCLUDE REGEX "\\.cc$")
  if(core_cc)
    add_library(vantrel_${name} STATIC ${core})
    set_target_properties(vantrel_${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(vantrel_${name} PUBLIC vantrel_options ${ARG_CORE_LIBS})
    set_property(GLOBAL APPEND PROPERTY VANTREL_PRIVATE_PARTS vantrel_${name})
  else()
    add_library(vantrel_${name} INTERFACE ${core})
    target_link_libraries(vantrel_${name} INTERFACE vantrel_options ${ARG_CORE_LIBS})
  endif()
  if(qt AND ARG_QT_IN_PLUGIN)
    add_library(vantrel_${name}_qt STATIC ${qt})
    target_link_libraries(vantrel_${name}_qt PUBLIC vantrel_private ${ARG_QT_LIBS})
  elseif(qt)
    add_library(vantrel_${name}_qt STATIC ${qt})
    target_link_libraries(vantrel_${name}_qt PUBLIC vantrel_${name} Qt6::Widgets ${ARG_QT_LIBS})
    set_property(GLOBAL APPEND PROPERTY VANTREL_PRIVATE_PARTS vantrel_${name}_qt)
  endif()
endfunction()

# A part of the program loaded when first used (see plugins/): a Qt plugin in the plugin
# folder of the build tree and of the installation, beside the private library it links.
# Its metadata names this build (plugins/build.json.in), which the loader reads before
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
  target_link_libraries(${target} PRIVATE vantrel_private)
  install(TARGETS ${target} LIBRARY DESTINATION ${VANTREL_PLUGIN_INSTALL_DIR})
  # Whatever links the private library and may load plugins (the program, its tests, the
  # benchmarks) depends on vantrel_every_plugin, so that it finds them built.
  set_property(GLOBAL APPEND PROPERTY VANTREL_PLUGINS ${target})
endfunction()
