# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt-free core alone, with the web face's C++ and their GoogleTest tests, without Qt,
# SQLite, libxlsxwriter or threads. The WebAssembly build (preset wasm) is this; that it
# compiles proves that no core library reaches a Qt header. The libraries and test programs
# are the desktop build's own declarations (core/CMakeLists.txt, cmake/CoreTargets.cmake).
include(${PROJECT_SOURCE_DIR}/cmake/CoreTargets.cmake)

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
endif()

add_subdirectory(core)
if(VANTREL_BUILD_TESTS)
  include(${PROJECT_SOURCE_DIR}/tests/support/TestSupport.cmake)
  vantrel_core_tests()
endif()
add_subdirectory(web)
add_subdirectory(tools/timing)
