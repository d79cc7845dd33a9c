# The Debian package: `cpack -G DEB` in the build folder makes
# korvalen_<version>_amd64.deb with the installed tree under /usr.

if(TARGET korvalen)
    install(TARGETS korvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS korvalen-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME korvalen)
set(CPACK_PACKAGE_VENDOR "Korvalen")
set(CPACK_PACKAGE_CONTACT "Korvalen developers <developers@korvalen.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of unofficial concert recordings (bootlegs)")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvalen keeps a collector's lists of bootlegs: band, date, city, country, venue, title, source, media, \
quality, number, cover pictures, an information text and a comment. Each list is one compressed .kvu file shown \
as a tab with an editable grid. Tour files drive a band-and-tour filter and fill in a concert's place; lists are \
compared, searched for duplicates, joined and exported to padded text. korvalen-cli does the same batch work \
without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvalen.org/")
set(CPACK_GENERATOR DEB)
include(CPack)
