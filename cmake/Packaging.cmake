# SPDX-License-Identifier: GPL-3.0-or-later
# What an installation carries beside the programs (manual pages, copyright, changelog) and the
# Debian package made from it: `cpack -G DEB` in a build folder gives vantrel_<version>_<arch>.deb.
# Included last from the top-level CMakeLists.txt, so these install rules run after those of
# every folder (policy CMP0082) and see what they installed.

# Manual pages and the changelog, compressed as Debian wants them: gzip -9 without name or
# time stamp, so the same text always gives the same bytes.
find_program(VANTREL_GZIP gzip REQUIRED)
set(compressed_files "")
foreach(source IN ITEMS docs/man/vantrel.1 docs/man/vantrel-lab.1 resources/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/compressed
                     COMMAND ${VANTREL_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${compressed}
                     DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed_files ${compressed})
endforeach()
add_custom_target(vantrel_compressed_docs ALL DEPENDS ${compressed_files})

set(man1_dir ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/compressed/vantrel.1.gz DESTINATION ${man1_dir})
# vantrel-lab's page goes wherever vantrel-lab itself was installed, and only then.
install(CODE "
  set(lab \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vantrel-lab\")
  if(EXISTS \"\${lab}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${man1_dir}\" TYPE FILE
         FILES \"${PROJECT_BINARY_DIR}/compressed/vantrel-lab.1.gz\")
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
