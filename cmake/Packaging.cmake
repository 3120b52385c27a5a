# SPDX-License-Identifier: GPL-3.0-or-later
# What an installation carries beside the programs (manual pages, copyright, changelog) and the
# Debian package made from it: `cpack -G DEB` in a build folder gives vantrel_<version>_<arch>.deb.
# Included last from the top-level CMakeLists.txt, so these install rules run after those of
# every folder (policy CMP0082) and see what they installed.

# Manual pages and the changelog, compressed as Debian wants them: gzip -9 without name or
# time stamp, so the same text always gives the same bytes. The manual pages come in English
# (docs/man/) and in each translation (docs/man/<language>/), installed where man looks for
# the reader's language: share/man/<language>/man1.
set(man_languages de nl)
set(man_sources docs/man/vantrel.1 docs/man/vantrel-lab.1)
foreach(language IN LISTS man_languages)
  list(APPEND man_sources docs/man/${language}/vantrel.1 docs/man/${language}/vantrel-lab.1)
endforeach()
find_program(VANTREL_GZIP gzip REQUIRED)
set(compressed_files "")
foreach(source IN LISTS man_sources ITEMS resources/changelog)
  get_filename_component(name ${source} NAME)
  get_filename_component(folder ${source} DIRECTORY)
  # docs/man/de/vantrel.1 becomes compressed/de/vantrel.1.gz; the rest go to compressed/.
  string(REGEX REPLACE "^(docs/man|resources)/?" "" language "${folder}")
  set(out_dir ${PROJECT_BINARY_DIR}/compressed)
  if(language)
    set(out_dir ${out_dir}/${language})
  endif()
  set(compressed ${out_dir}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
                     COMMAND ${VANTREL_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${compressed}
                     DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed_files ${compressed})
endforeach()
add_custom_target(vantrel_compressed_docs ALL DEPENDS ${compressed_files})

set(man1_dir ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/compressed/vantrel.1.gz DESTINATION ${man1_dir})
foreach(language IN LISTS man_languages)
  install(FILES ${PROJECT_BINARY_DIR}/compressed/${language}/vantrel.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
endforeach()
# vantrel-lab's pages go wherever vantrel-lab itself was installed, and only then.
set(install_lab_pages "")
foreach(language IN ITEMS "" ${man_languages})
  set(from ${PROJECT_BINARY_DIR}/compressed)
  set(to ${CMAKE_INSTALL_MANDIR})
  if(language)
    set(from ${from}/${language})
    set(to ${to}/${language})
  endif()
  string(APPEND install_lab_pages "
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${to}/man1\" TYPE FILE
         FILES \"${from}/vantrel-lab.1.gz\")")
endforeach()
install(CODE "
  set(lab \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vantrel-lab\")
  if(EXISTS \"\${lab}\")${install_lab_pages}
  endif()
")

# Machine-readable copyright and the changelog, where Debian looks for them (a version
# without a Debian revision makes this a native package: changelog.gz).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vantrel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION ${doc_dir})
install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${doc_dir})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_CONTACT "The Vantrel developers <vantrel@quorvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.quorvane.example/vantrel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "evolution game for the biology classroom")
# Lines of at most 79 characters once dpkg indents them.
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrel shows natural selection at work. Every organism is a 13-digit DNA
string drawn as a figure: a line up to an eleven-sided polygon with its own
colour, pen width, line style, size, rotation and spokes. The player feeds the
organisms that fit and shoots the others; each shot organism is replaced by a
child of two random parents, made by crossover and mutation.

A class uses it to evolve a described organism, to compare small and large
populations, more or less mutation and strict or loose judging, and to count
and export the clicks each run takes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vantrel_2.1.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from the binaries and the plugins; what the program runs
# (xdg-open) and the fonts it asks for by name are not visible there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation")
set(CPACK_STRIP_FILES ON)
# Debian's own directory modes, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
