# SPDX-License-Identifier: GPL-3.0-or-later
# The program's translations come from Qt Linguist files, i18n/<area>_<language>.ts. The
# build turns them into catalogues the Qt-free core reads (tools/catalogues/ts_to_catalogue.py):
# ${PROJECT_BINARY_DIR}/catalogues/vantrel_<language>.cat, one per language and one for the
# pseudo-language, and a C++ file that holds them for BuiltInCatalogue(). The WebAssembly
# build holds none: the page fetches the one it needs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB VANTREL_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/i18n/*.ts)
set(VANTREL_CATALOGUE_DIR ${PROJECT_BINARY_DIR}/catalogues)
set(VANTREL_PSEUDO_TS ${VANTREL_CATALOGUE_DIR}/vantrel_pseudo.ts)

# vantrel_catalogues(TARGET): adds the generated C++ file to TARGET.
function(vantrel_catalogues target)
  set(cc ${VANTREL_CATALOGUE_DIR}/built_in_catalogues.cc)
  set(built_in)
  if(EMSCRIPTEN)
    set(built_in --cc-languages=)
  endif()
  add_custom_command(
    OUTPUT ${cc} ${VANTREL_PSEUDO_TS}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/catalogues/ts_to_catalogue.py
            --out ${VANTREL_CATALOGUE_DIR} --cc ${cc} ${built_in} --pseudo-ts ${VANTREL_PSEUDO_TS}
            ${VANTREL_TS_FILES}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/catalogues/ts_to_catalogue.py ${VANTREL_TS_FILES}
    COMMENT "Making the catalogues of the translations"
    VERBATIM)
  target_sources(${target} PRIVATE ${cc})
  # For the desktop's .qm files, which are made from the pseudo-language's .ts in another
  # folder.
  add_custom_target(vantrel_catalogue_files DEPENDS ${cc} ${VANTREL_PSEUDO_TS})
endfunction()
