# The Debian package of the desktop edition, made by `cpack -G DEB` in the build folder:
# joukowsky-streamlines_<version>_amd64.deb with both programs, the desktop entry, the icons, the
# metainfo and the manual pages, installed under /usr. dpkg-shlibdeps finds its dependencies.

# What Debian's policy asks of every package: the copyright file and the changelog, compressed,
# in /usr/share/doc/<package>/.
set(jouk_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/joukowsky-streamlines)
set(jouk_changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
find_program(GZIP gzip)
if(GZIP)
  add_custom_command(OUTPUT ${jouk_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${jouk_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
    COMMENT "Compressing the package's changelog"
    VERBATIM)
  add_custom_target(package-changelog ALL DEPENDS ${jouk_changelog})
  install(FILES ${jouk_changelog} DESTINATION ${jouk_doc_dir} COMPONENT package EXCLUDE_FROM_ALL)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${jouk_doc_dir}
        COMPONENT package EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME joukowsky-streamlines)
set(CPACK_PACKAGE_VENDOR "The Joukowsky Streamlines contributors")
set(CPACK_PACKAGE_CONTACT "The Joukowsky Streamlines contributors <joukowsky-streamlines@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch potential flow stream around a Joukowsky airfoil")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/joukowsky-streamlines")
# The long description, in paragraphs; CPack indents it as Debian's control format asks.
set(CPACK_PACKAGE_DESCRIPTION
  "Joukowsky Streamlines is a teaching tool for two-dimensional potential flow.
It computes the streamlines of inviscid, incompressible flow around a
Joukowsky airfoil, the flow around a circular cylinder with circulation
carried to the airfoil by a conformal map, draws the section and animates
the streamlines like smoke filaments in a wind tunnel. Scroll bars set the
thickness, camber, angle of attack, circulation, streamline spacing and
scale; a second window shows the lift and the surface pressure.

The command-line program joukowsky-export runs the same computation without
a window and writes the streamlines as CSV and the picture as PNG, SVG or a
looping GIF.")
# Everything an installation puts in place, and the files only the package adds.
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};package;/")
include(CPack)
