# Install rules: the editor, the command-line tool and the radio simulator,
# the desktop entry with its file type, icon theme files and AppStream
# metadata, the manual pages, the bash completion and the HTML manual.
include(GNUInstallDirs)

set(VXL_APP_ID "com.halvord.vxl_r381")
set(VXL_PACKAGE_NAME "vxl-r381")
set(VXL_HOMEPAGE_URL "" CACHE STRING
    "Public address of the project: the AppStream homepage and the base of its screenshot links (empty: none)")
set(VXL_RELEASE_DATE "2026-12-09")
set(VXL_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/${VXL_PACKAGE_NAME}")
set(VXL_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(VXL_ICON_DIR "${PROJECT_SOURCE_DIR}/data/icons")

install(TARGETS vxl-r381 vxl-r381-cli qv-r381-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES "${VXL_PACKAGING_DIR}/${VXL_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VXL_PACKAGING_DIR}/${VXL_APP_ID}.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
# The homepage and the screenshot's address only when the project has a
# public address: AppStream checks every link it is given.
set(VXL_METAINFO_LINKS "")
if(VXL_HOMEPAGE_URL)
  string(CONCAT VXL_METAINFO_LINKS
    "  <url type=\"homepage\">${VXL_HOMEPAGE_URL}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The main window with the memory channels of a radio</caption>\n"
    "      <image>${VXL_HOMEPAGE_URL}/raw/main/packaging/screenshots/main-window.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file("${VXL_PACKAGING_DIR}/${VXL_APP_ID}.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/packaging/${VXL_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/${VXL_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# The same PNG files the program loads as its window and tool bar icons.
set(VXL_ICON_SIZES 16 24 32 48 64 128 256)
foreach(size ${VXL_ICON_SIZES})
  install(FILES "${VXL_ICON_DIR}/hicolor/${size}x${size}/vxl-r381.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
          RENAME "${VXL_APP_ID}.png")
endforeach()
install(FILES "${VXL_ICON_DIR}/vxl-r381.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${VXL_APP_ID}.svg")

# Manual pages from their scdoc sources, compressed the way Debian wants
# them (gzip -9n: no name or time stamp, so the package is reproducible).
set(VXL_MAN_PAGES vxl-r381 vxl-r381-cli qv-r381-sim)
find_program(SCDOC_EXECUTABLE scdoc)
find_program(GZIP_EXECUTABLE gzip)
set(VXL_GENERATED_DOCS "")
if(SCDOC_EXECUTABLE AND GZIP_EXECUTABLE)
  foreach(page ${VXL_MAN_PAGES})
    set(source "${VXL_PACKAGING_DIR}/man/${page}.1.scd")
    set(roff "${PROJECT_BINARY_DIR}/man/${page}.1")
    add_custom_command(
      OUTPUT "${roff}" "${roff}.gz"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/man"
      COMMAND sh -c "\"$0\" < \"$1\" > \"$2\" && \"$3\" -9nc \"$2\" > \"$2.gz\""
              "${SCDOC_EXECUTABLE}" "${source}" "${roff}" "${GZIP_EXECUTABLE}"
      DEPENDS "${source}"
      COMMENT "Manual page ${page}(1)"
      VERBATIM)
    list(APPEND VXL_GENERATED_DOCS "${roff}" "${roff}.gz")
    install(FILES "${roff}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endforeach()
else()
  message(WARNING "scdoc or gzip not found: the manual pages are neither built nor installed")
endif()

# Debian's change log and copyright file go with the HTML manual.
if(GZIP_EXECUTABLE)
  set(changelog "${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz")
  add_custom_command(
    OUTPUT "${changelog}"
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" "${GZIP_EXECUTABLE}"
            "${VXL_PACKAGING_DIR}/changelog.Debian" "${changelog}"
    DEPENDS "${VXL_PACKAGING_DIR}/changelog.Debian"
    VERBATIM)
  list(APPEND VXL_GENERATED_DOCS "${changelog}")
  install(FILES "${changelog}" DESTINATION "${VXL_DOC_DIR}")
endif()
add_custom_target(vxl-docs ALL DEPENDS ${VXL_GENERATED_DOCS})

install(FILES "${VXL_PACKAGING_DIR}/bash-completion/vxl-r381-cli"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
# lintian's notes on what is meant as it is (see the file).
install(FILES "${VXL_PACKAGING_DIR}/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME "${VXL_PACKAGE_NAME}")

install(FILES "${PROJECT_SOURCE_DIR}/src/ui/info/help/manual.html"
              "${VXL_PACKAGING_DIR}/copyright"
        DESTINATION "${VXL_DOC_DIR}")
