# The Debian package (scripts/package makes it with cpack -G DEB): everything the
# install rules put under the prefix, plus the files Debian asks of a package.

# The man page carries the version and the date of its release. The date is
# the one the AppStream metadata gives this version, so a new version cannot be
# built before its release is written down there, and the page does not change
# from one build to the next.
set(METAINFO "${CMAKE_CURRENT_SOURCE_DIR}/dist/linux/org.example.corkcrafter.metainfo.xml")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${METAINFO}")
file(STRINGS "${METAINFO}" release_line REGEX "<release version=\"${PROJECT_VERSION}\"")
if(NOT release_line MATCHES "date=\"([0-9]+-[0-9]+-[0-9]+)\"")
  message(FATAL_ERROR "${METAINFO} has no dated <release> for version ${PROJECT_VERSION}")
endif()
set(CORKCRAFTER_RELEASE_DATE "${CMAKE_MATCH_1}")
set(DIST_OUT "${CMAKE_BINARY_DIR}/dist")
configure_file(dist/linux/corkcrafter.1.in "${DIST_OUT}/corkcrafter.1" @ONLY)

# What goes to /usr/share/doc/corkcrafter: Debian's copyright file and the
# changelog, compressed the way lintian wants (-9, no name or time stamp), and
# the man page likewise.
add_custom_command(
  OUTPUT "${DIST_OUT}/corkcrafter.1.gz" "${DIST_OUT}/changelog.Debian.gz"
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2\" && gzip -9nc \"$3\" > \"$4\"" sh
          "${DIST_OUT}/corkcrafter.1" "${DIST_OUT}/corkcrafter.1.gz"
          "${CMAKE_CURRENT_SOURCE_DIR}/dist/debian/changelog" "${DIST_OUT}/changelog.Debian.gz"
  DEPENDS "${DIST_OUT}/corkcrafter.1" dist/debian/changelog
  COMMENT "Compressing the man page and the changelog"
  VERBATIM)
add_custom_target(corkcrafter_dist ALL DEPENDS "${DIST_OUT}/corkcrafter.1.gz" "${DIST_OUT}/changelog.Debian.gz")

install(FILES "${DIST_OUT}/corkcrafter.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/linux/org.example.corkcrafter.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/debian/copyright "${DIST_OUT}/changelog.Debian.gz"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corkcrafter)
install(FILES dist/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME corkcrafter)

# The package build (scripts/package) makes only what is installed: the
# benchmarks and the sample and picture makers of the source folder stay out of
# its "all". Deferred, so that it sees the tools defined after this file.
option(CORKCRAFTER_DEV_TOOLS "Build the benchmarks and the sample and picture makers" ON)
function(corkcrafter_leave_out_dev_tools)
  get_property(targets DIRECTORY "${CMAKE_SOURCE_DIR}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS targets)
    if(t MATCHES "^corkcrafter-(bench-.*|samples|help-pictures)$")
      set_property(TARGET ${t} PROPERTY EXCLUDE_FROM_ALL ON)
    endif()
  endforeach()
endfunction()
if(NOT CORKCRAFTER_DEV_TOOLS)
  cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL corkcrafter_leave_out_dev_tools)
endif()

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
# Labels name Windows' fonts (Arial, Times New Roman) or the Liberation fonts
# drawn to their measures; without these fontconfig puts wider fonts in their
# place and texts no longer fit where they were laid out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "glabels-data, qt6-wayland, cups, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
