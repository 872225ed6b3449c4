# The Debian package "zelvane-e-qsl", built by `cpack -G DEB` from a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr (scripts/package-deb.sh does both).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvane-e-qsl)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ZELVANE_E_QSL developers")
set(CPACK_PACKAGE_CONTACT "${EQSL_DEB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronic QSL cards from an ADIF log")
# The install scripts (launcher, desktop entry) see the final prefix and write under DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${EQSL_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${EQSL_HOMEPAGE}")
# The long description under the summary; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZELVANE_E_QSL is a desktop program for radio amateurs. It reads the ADIF log
that nearly every logging program exports, lets the user pick the QSOs to
confirm (one by one, all at once or by a range of lines) and writes one QSL
card picture per picked QSO: the user's background picture with the callsign,
date, time, band, mode and report drawn where the layout editor placed them.

Its windows speak French; the words printed on the cards are French or
English. A sample background and a sample log come with it for a first trial.")
# The libraries from the executable; the rest is what it needs at run time beside them: the
# card's typeface and the lists' fixed-pitch one, and Qt's French texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
