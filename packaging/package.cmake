# The Debian package, made by "cpack -G DEB" in the build folder from exactly
# what "cmake --install" installs, plus the copyright and changelog Debian asks for.
set(ZEMRA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zemra6)
find_program(GZIP gzip REQUIRED)
# -n keeps the name and time out of the archive, so every build is the same.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(zemra_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${ZEMRA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zemra6)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based sword-and-card role-playing game")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The ZEMRA6 developers <developers@zemra6.org>")
# CPack puts the summary on the first line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ZEMRA6 (ヴァルミナ・クェル) is a single-player role-playing game with a
Japanese interface. You are a sword master on an endless field: your life,
your hit rate and even your name come from the swords you carry. Battles are
fought with a hand of five cards; most swords carry a drive that heals,
hurts, shoots, or opens an inn, stairs or a church. Walk the field down
through eight depths to a sword that bears the name you gave.
.
The package holds the game's window (zemra6) and a text front end for
tests and automation (zemra6-text).")
# The libraries come from dpkg-shlibdeps; the Japanese font is not a library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

add_test(NAME debian_package
  COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/package_test.sh ${CMAKE_BINARY_DIR} ${ZEMRA_APP_ID} ${PROJECT_VERSION})
add_test(NAME debian_package_lintian COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/lintian_test.sh ${CMAKE_BINARY_DIR})
# Making a package runs the build tree's own build: one such test at a time,
# never beside another test that builds in the tree.
set_tests_properties(debian_package debian_package_lintian PROPERTIES TIMEOUT 300 RESOURCE_LOCK build_tree)
set_tests_properties(debian_package_lintian PROPERTIES SKIP_RETURN_CODE 77)
