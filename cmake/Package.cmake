# The Debian package: "cpack -G DEB" (scripts/package.sh) builds
# vxl-r381_<version>-1_<arch>.deb from the install rules, with the library
# dependencies computed by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "${VXL_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "HALVORD")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "VXL-R381 developers <dev@vxl-r381.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory editor for the QV-R381 transceiver")
if(VXL_HOMEPAGE_URL)
  set(CPACK_PACKAGE_HOMEPAGE_URL "${VXL_HOMEPAGE_URL}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_PACKAGE_NAME "${VXL_PACKAGE_NAME}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the editor needs Qt's display platform plugins, and
# its windows are laid out for Times New Roman, whose metric-compatible
# stand-in on Debian is Liberation Serif.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own translations (standard buttons and dialogs in the user's
# language) and a font with Japanese glyphs for the Japanese translation;
# the editor runs without them, in English buttons or with missing glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"The editor reads the whole memory of the QV-R381 dual-band mobile FM
transceiver over a serial cable: 193 memory channels, two CALL channels,
up to five VFOs and ten DTMF memories. It edits them in lists and
dialogs checked against the radio's band plan, keeps them in .381 files,
prints a listing or exports it as a PDF file, and writes it all back.
.
The package holds the editor (vxl-r381), a command-line tool for backups,
restores and listings (vxl-r381-cli) and a simulated radio on a
pseudo-terminal (qv-r381-sim) to try the program without a radio.")

include(CPack)
