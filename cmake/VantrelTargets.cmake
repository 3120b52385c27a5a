# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder builds a Qt-free core library from its own sources and, where it has a qt/
# subfolder, a second library with the Qt edge that links the core.
#
#   vantrel_folder_libraries(NAME [CORE_LIBS ...] [QT_LIBS ...])
#
# gives vantrel_NAME (core) and vantrel_NAME_qt (only when qt/ holds sources).
function(vantrel_folder_libraries name)
  cmake_parse_arguments(ARG "" "" "CORE_LIBS;QT_LIBS" ${ARGN})
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cc ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB qt CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/qt/*.cc
       ${CMAKE_CURRENT_SOURCE_DIR}/qt/*.h)
  set(core_cc ${core})
  list(FILTER core_cc INCLUDE REGEX "\\.cc$")
  if(core_cc)
    add_library(vantrel_${name} STATIC ${core})
    set_target_properties(vantrel_${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(vantrel_${name} PUBLIC vantrel_options ${ARG_CORE_LIBS})
  else()
    add_library(vantrel_${name} INTERFACE ${core})
    target_link_libraries(vantrel_${name} INTERFACE vantrel_options ${ARG_CORE_LIBS})
  endif()
  if(qt)
    add_library(vantrel_${name}_qt STATIC ${qt})
    target_link_libraries(vantrel_${name}_qt PUBLIC vantrel_${name} Qt6::Widgets ${ARG_QT_LIBS})
  endif()
endfunction()

# A part of the program loaded when first used (see modules/): a shared module in the
# modules folder of the build tree and of the installation. Only its entry function is
# exported; the static libraries it links stay private to it.
#
#   vantrel_module(TARGET FILE_NAME SOURCES ...)
function(vantrel_module target file_name)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file_name}
                        LIBRARY_OUTPUT_DIRECTORY ${VANTREL_MODULE_BUILD_DIR}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  # Every symbol resolved at link time, so that a missing one fails the build, not the
  # program; not in fuzzing builds, whose coverage hooks come from the fuzzing program.
  if(NOT VANTREL_BUILD_FUZZ)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  target_link_libraries(${target} PRIVATE vantrel_modules)
  install(TARGETS ${target} LIBRARY DESTINATION ${VANTREL_MODULE_INSTALL_DIR})
endfunction()
