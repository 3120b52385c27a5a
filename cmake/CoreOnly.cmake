# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt-free core alone: its libraries and their GoogleTest tests, without Qt, SQLite,
# libxlsxwriter or threads. The WebAssembly build (preset wasm) is this; that it compiles
# proves that no core library reaches a Qt header.
#
# A folder's core library is every .cc of the folder, its test program every .cc of
# tests/<folder>/, less the files below, which need what this build lacks.
set(VANTREL_CORE_LEFT_OUT
    history/journal.cc  # SQLite, which has no WebAssembly build here
    lab/batch_threads.cc  # threads
    tests/history/journal_test.cc  # SQLite, and a second process that is killed
    tests/lab/batch_threads_test.cc  # threads
    # Compares with floating-point std::to_chars/from_chars, which libc++ 14 lacks.
    tests/lab/decimal_text_charconv_test.cc
    tests/gallery/population_window_test.cc  # Qt
    tests/gallery/raster_reference_test.cc  # compares with QPainter
    tests/gallery/svg_pictures_test.cc  # reads the SVG back with Qt's XML reader
)

# Single tests left out under Node, whose file system has no FIFOs, hard links or
# immutable folders.
set(VANTREL_CORE_TESTS_LEFT_OUT
    TableFileTest.AFailedSaveLeavesTheOldFileAsItWas  # a FIFO as the target
    TableFileTest.SavesIntoAWritableFileInAFolderWhereNothingNewCanBeMade  # chattr +i
    TableFileTest.AHardLinkedTargetIsWrittenInPlaceAndKeepsItsLink  # a hard link
    AtomicFileTest.AWriteThatFailsHalfWayLeavesTheOldBytes  # a hard link
)

if(EMSCRIPTEN)
  # The core reports some failures by exception; Emscripten only catches them when asked.
  # WebAssembly's own exceptions, not JavaScript's: with those every call that may unwind
  # through a destructor goes out to JavaScript and back, which made the engine's shot
  # about 2.5 times slower than native instead of under 2.
  add_compile_options(-fwasm-exceptions)
  add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)
  # Debian's Emscripten ships libc++ built without optimisation, and libc++ declares
  # std::string's members as instantiated in that library, so every append, assign and
  # copy called it there, each size() and data() a call of its own. Instantiated here
  # instead, they are compiled and inlined with the rest: opening a table of 100,000
  # organisms took 230 ms in Node and takes 110 ms.
  add_compile_definitions(_LIBCPP_DISABLE_EXTERN_TEMPLATE)
endif()

if(VANTREL_BUILD_TESTS)
  enable_testing()
  # GoogleTest from Debian's sources (package googletest), built for this target.
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  add_library(vantrel_test_support STATIC ${PROJECT_SOURCE_DIR}/tests/support/fakes.cc)
  target_link_libraries(vantrel_test_support PUBLIC vantrel_population vantrel_ui vantrel_storage
                                                    vantrel_gallery vantrel_history GTest::gtest)
  # Tests that speak German or Dutch read the build's catalogues, as the page would.
  target_sources(vantrel_test_support PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/spoken_language.cc)
  target_compile_definitions(vantrel_test_support
                             PRIVATE VANTREL_TEST_CATALOGUE_DIR="${PROJECT_BINARY_DIR}/catalogues")
endif()

# vantrel_core(FOLDER [LIBS ...]): the core library vantrel_FOLDER, linking LIBS, and the
# test program FOLDER_tests when tests/FOLDER/ has tests.
function(vantrel_core folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cc)
  file(GLOB tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cc)
  foreach(left_out IN LISTS VANTREL_CORE_LEFT_OUT)
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${left_out})
    list(REMOVE_ITEM tests ${PROJECT_SOURCE_DIR}/${left_out})
  endforeach()
  add_library(vantrel_${folder} STATIC ${sources})
  target_link_libraries(vantrel_${folder} PUBLIC vantrel_options ${ARG_LIBS})
  if(tests AND VANTREL_BUILD_TESTS)
    add_executable(${folder}_tests ${tests})
    if(VANTREL_UNITY_TESTS)
      set_target_properties(${folder}_tests PROPERTIES UNITY_BUILD ON)
    endif()
    target_link_libraries(${folder}_tests PRIVATE vantrel_${folder} vantrel_test_support
                                                  GTest::gtest_main)
    if(EMSCRIPTEN)
      # Node runs the tests; they reach the real file system through it.
      target_link_options(${folder}_tests PRIVATE -sENVIRONMENT=node -sNODERAWFS=1
                                                  -sEXIT_RUNTIME=1)
    endif()
    # With a cross-compiling emulator set, CTest runs the program through it (Node).
    set(filter)
    if(EMSCRIPTEN)
      list(JOIN VANTREL_CORE_TESTS_LEFT_OUT ":" left_out)
      set(filter --gtest_filter=-${left_out})
    endif()
    add_test(NAME ${folder} COMMAND ${folder}_tests ${filter})
    set_tests_properties(${folder} PROPERTIES LABELS ${folder})
  endif()
endfunction()

# The core libraries, each after the ones it links.
vantrel_core(language)
include(${PROJECT_SOURCE_DIR}/cmake/Catalogues.cmake)
vantrel_catalogues(vantrel_language)
vantrel_core(organism)
vantrel_core(population LIBS vantrel_organism vantrel_language)
vantrel_core(ui LIBS vantrel_population)
vantrel_core(storage LIBS vantrel_population)
vantrel_core(gallery LIBS vantrel_population)
vantrel_core(history LIBS vantrel_population)
vantrel_core(lab LIBS vantrel_population vantrel_storage)
# Boost.Math (headers only) from the system's Boost. Emscripten must not see the rest of
# /usr/include, whose C library headers would shadow its own, so the build tree gets a
# folder holding only a link to the boost folder.
# Emscripten's toolchain searches its own sysroot alone, hence the path.
find_path(VANTREL_BOOST_INCLUDE_DIR boost/math/distributions/normal.hpp PATHS /usr/include
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/boost_only)
file(CREATE_LINK ${VANTREL_BOOST_INCLUDE_DIR}/boost ${PROJECT_BINARY_DIR}/boost_only/boost
     SYMBOLIC)
target_include_directories(vantrel_lab SYSTEM PRIVATE ${PROJECT_BINARY_DIR}/boost_only)
vantrel_core(engine LIBS vantrel_history vantrel_lab vantrel_storage)
vantrel_core(web LIBS vantrel_engine vantrel_ui vantrel_gallery)
add_subdirectory(web)
vantrel_core(cli LIBS vantrel_language)
target_compile_definitions(vantrel_cli PRIVATE VANTREL_VERSION="${PROJECT_VERSION}")
