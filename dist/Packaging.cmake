# The Debian package (scripts/package makes it with cpack -G DEB): everything the
# install rules put under the prefix, plus the files Debian asks of a package.

# What goes to /usr/share/doc/corkcrafter: Debian's copyright file and the
# changelog, compressed the way lintian wants (-9, no name or time stamp).
set(DIST_OUT "${CMAKE_BINARY_DIR}/dist")
add_custom_command(
  OUTPUT "${DIST_OUT}/corkcrafter.1.gz" "${DIST_OUT}/changelog.Debian.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${DIST_OUT}"
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2\" && gzip -9nc \"$3\" > \"$4\"" sh
          "${CMAKE_CURRENT_SOURCE_DIR}/dist/linux/corkcrafter.1" "${DIST_OUT}/corkcrafter.1.gz"
          "${CMAKE_CURRENT_SOURCE_DIR}/dist/debian/changelog" "${DIST_OUT}/changelog.Debian.gz"
  DEPENDS dist/linux/corkcrafter.1 dist/debian/changelog
  COMMENT "Compressing the man page and the changelog"
  VERBATIM)
add_custom_target(corkcrafter_dist ALL DEPENDS "${DIST_OUT}/corkcrafter.1.gz" "${DIST_OUT}/changelog.Debian.gz")

install(FILES "${DIST_OUT}/corkcrafter.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/linux/org.example.corkcrafter.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/debian/copyright "${DIST_OUT}/changelog.Debian.gz"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corkcrafter)
install(FILES dist/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME corkcrafter)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corkcrafter)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR "Corkcrafter developers")
set(CPACK_PACKAGE_CONTACT "Corkcrafter developers <maintainers@corkcrafter.example.org>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corkcrafter.example.org/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "label designer for home brewers and wine makers
Corkcrafter designs bottle labels for home-made beers and wines: size,
border frame, background colour, texts, pictures and QR codes. It prints
whole sheets of identical labels with margins, gaps and cut marks, on
stock sheets picked by their product code or measured by hand, to a
printer or to PDF, also from the command line and filled from CSV data.")
# The libraries come from dpkg-shlibdeps; what Qt loads as plugins at run time
# no library scan finds: JPEG/GIF are in libqt6gui6, but TIFF, WebP and the
# other picture formats are plugins of their own, and the manual's help
# engine opens its index through Qt's SQLite driver.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "glabels-data, qt6-wayland, cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
