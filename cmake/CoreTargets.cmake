# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt-free core's libraries are declared once, in core/CMakeLists.txt, for the desktop
# build and the core-only build (WebAssembly) alike; so are their test programs.
include_guard(GLOBAL)

#   vantrel_core_library(NAME [LIBS ...] [DESKTOP_LIBS ...] [DESKTOP_ONLY FILE ...]
#                        [APART FILE ...])
#
# gives vantrel_NAME from every .cc and .h of core/NAME/, linking LIBS. DESKTOP_ONLY files
# need what the core-only build lacks (threads): only the desktop build compiles them, and
# links DESKTOP_LIBS for them. There the library is folded into the program's private
# library (cmake/PrivateLibrary.cmake). APART files are left out in every build, for a
# library of their own that the program does not link (vantrel_core_part_library).
# The page runs the core as WebAssembly whatever the build type, so the core's code is
# compiled with -O2 there, as the module is linked, rather than with the wasm preset's -O1
# (kept for its tests' own files): a first load of 100,000 organisms in the module took
# about a tenth more processor time at -O1.
function(vantrel_optimised_for_the_page target)
  if(EMSCRIPTEN)
    target_compile_options(${target} PRIVATE -O2)
  endif()
endfunction()

function(vantrel_core_library name)
  cmake_parse_arguments(ARG "" "" "LIBS;DESKTOP_LIBS;DESKTOP_ONLY;APART" ${ARGN})
  set(folder ${PROJECT_SOURCE_DIR}/core/${name})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cc ${folder}/*.h)
  foreach(file IN LISTS ARG_APART)
    list(REMOVE_ITEM sources ${folder}/${file})
  endforeach()
  if(VANTREL_CORE_ONLY)
    foreach(file IN LISTS ARG_DESKTOP_ONLY)
      list(REMOVE_ITEM sources ${folder}/${file})
    endforeach()
  endif()
  add_library(vantrel_${name} STATIC ${sources})
  set_target_properties(vantrel_${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_link_libraries(vantrel_${name} PUBLIC vantrel_options ${ARG_LIBS})
  vantrel_optimised_for_the_page(vantrel_${name})
  if(NOT VANTREL_CORE_ONLY)
    target_link_libraries(vantrel_${name} PUBLIC ${ARG_DESKTOP_LIBS})
    set_property(GLOBAL APPEND PROPERTY VANTREL_PRIVATE_PARTS vantrel_${name})
  endif()
  set_property(GLOBAL APPEND PROPERTY VANTREL_CORE_FOLDERS ${name})
endfunction()

#   vantrel_core_part_library(TARGET FOLDER FILES ... LIBS ...)
#
# A desktop-only library of a few files of core/FOLDER/ that a core library left APART, for
# what links a large library of its own (SQLite): not folded into the private library, so
# the program does not load it at start; a plugin, tests and benchmarks link it. A plugin
# that links it finds LIBS's code in the private library, which it links first.
function(vantrel_core_part_library target folder)
  cmake_parse_arguments(ARG "" "" "FILES;LIBS" ${ARGN})
  list(TRANSFORM ARG_FILES PREPEND ${PROJECT_SOURCE_DIR}/core/${folder}/)
  add_library(${target} STATIC ${ARG_FILES})
  set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_link_libraries(${target} PUBLIC vantrel_options ${ARG_LIBS})
endfunction()

#   vantrel_gtest_program(NAME LABEL SOURCES ... LIBS ...)
#
# A GoogleTest program without Qt, run by CTest under LABEL; under Emscripten Node runs it
# (through the cross-compiling emulator) with the tests Node cannot run left out.
function(vantrel_gtest_program name label)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  if(VANTREL_UNITY_TESTS)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vantrel_test_support GTest::gtest_main)
  if(EMSCRIPTEN)
    # Node runs the tests; they reach the real file system through it.
    target_link_options(${name} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1)
    list(JOIN VANTREL_CORE_TESTS_LEFT_OUT ":" left_out)
    add_test(NAME ${label} COMMAND ${name} --gtest_filter=-${left_out})
    # Local time under Node follows the zone Node starts in, not one a test sets: the
    # tests' zone, an hour ahead of UTC all year round, is given from outside.
    set_tests_properties(${label} PROPERTIES LABELS ${label} ENVIRONMENT "TZ=Etc/GMT-1")
  elseif(VANTREL_CORE_ONLY)
    add_test(NAME ${label} COMMAND ${name})
    set_tests_properties(${label} PROPERTIES LABELS ${label})
  else()
    gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                         LABELS ${label} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Test files that need what the core-only build lacks.
set(VANTREL_CORE_ONLY_LEFT_OUT_TESTS
    history/journal_test.cc  # SQLite, and a second process that is killed
    lab/batch_threads_test.cc  # threads
    # Compares with floating-point std::to_chars/from_chars, which libc++ 14 lacks.
    lab/decimal_text_charconv_test.cc
)
# Single tests left out under Node, whose file system has no FIFOs, hard links or
# immutable folders.
set(VANTREL_CORE_TESTS_LEFT_OUT
    TableFileTest.AFailedSaveLeavesTheOldFileAsItWas  # a FIFO as the target
    TableFileTest.SavesIntoAWritableFileInAFolderWhereNothingNewCanBeMade  # chattr +i
    TableFileTest.AHardLinkedTargetIsWrittenInPlaceAndKeepsItsLink  # a hard link
    AtomicFileTest.AWriteThatFailsHalfWayLeavesTheOldBytes  # a hard link
)

# A test program for each core library with tests in tests/core/NAME/, named NAME_tests.
function(vantrel_core_tests)
  get_property(folders GLOBAL PROPERTY VANTREL_CORE_FOLDERS)
  foreach(name IN LISTS folders)
    file(GLOB tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/${name}/*.cc)
    if(VANTREL_CORE_ONLY)
      foreach(left_out IN LISTS VANTREL_CORE_ONLY_LEFT_OUT_TESTS)
        list(REMOVE_ITEM tests ${PROJECT_SOURCE_DIR}/tests/core/${left_out})
      endforeach()
    endif()
    if(tests)
      vantrel_gtest_program(${name}_tests ${name} SOURCES ${tests} LIBS vantrel_${name})
    endif()
  endforeach()
endfunction()
