# SPDX-License-Identifier: GPL-3.0-or-later
# Fakes and recorders shared by every test program without Qt, in the desktop build and the
# core-only build alike.
add_library(vantrel_test_support STATIC
            ${CMAKE_CURRENT_LIST_DIR}/fakes.cc ${CMAKE_CURRENT_LIST_DIR}/fakes.h
            ${CMAKE_CURRENT_LIST_DIR}/spreadsheet_fakes.h ${CMAKE_CURRENT_LIST_DIR}/service_fakes.h
            ${CMAKE_CURRENT_LIST_DIR}/spoken_language.cc ${CMAKE_CURRENT_LIST_DIR}/spoken_language.h)
set_target_properties(vantrel_test_support PROPERTIES AUTOMOC OFF)
target_link_libraries(vantrel_test_support PUBLIC vantrel_organism vantrel_population vantrel_messages
                                                  vantrel_storage vantrel_gallery vantrel_history
                                                  GTest::gtest)
if(VANTREL_CORE_ONLY)
  # Tests that speak German or Dutch read the build's catalogues, as the page would; the
  # desktop build holds them built in.
  target_compile_definitions(vantrel_test_support
                             PRIVATE VANTREL_TEST_CATALOGUE_DIR="${PROJECT_BINARY_DIR}/catalogues")
endif()
