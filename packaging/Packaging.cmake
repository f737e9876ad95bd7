# Installation layout and the Debian package (`make package`, or `cpack -G DEB` in the
# build folder). Included at the end of the top-level CMakeLists.txt.

include(GNUInstallDirs)

# The reverse-DNS id names the .desktop file, the metainfo file and the icon alike.
set(KELT_APP_ID "com.sarvelsoftwares.KeltDescendantAstrology")
set(KELT_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(KELT_ICON_DIR "${PROJECT_SOURCE_DIR}/content/icon")

if(WIN32)
    # The program icon Explorer shows for the .exe.
    target_sources(KeltFreeDescendantAstrology PRIVATE "${KELT_PACKAGING_DIR}/kelt.rc")
    set_source_files_properties("${KELT_PACKAGING_DIR}/kelt.rc" PROPERTIES
        INCLUDE_DIRECTORIES "${KELT_PACKAGING_DIR}")
endif()

install(TARGETS KeltFreeDescendantAstrology RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${KELT_PACKAGING_DIR}/${KELT_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${KELT_PACKAGING_DIR}/${KELT_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES "${KELT_ICON_DIR}/kelt-${size}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
        RENAME "${KELT_APP_ID}.png")
endforeach()
install(FILES "${KELT_ICON_DIR}/kelt.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${KELT_APP_ID}.svg")

# --- CPack: one Debian package -------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kelt-descendant-astrology")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Sarvel Softwares")
set(CPACK_PACKAGE_CONTACT "Sarvel Softwares <support@sarvelsoftwares.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find your descendant sign in Western astrology")
# The long description, wrapped for the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Kelt Descendant Astrology tells you your descendant sign in Western astrology.\n\
Type your name, pick your date of birth and the two-hour slot you were born in,\n\
and the program shows the sign, its picture and a paragraph on the kind of\n\
partner and relationship that descendant stands for.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sarvel Softwares <support@sarvelsoftwares.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.sarvelsoftwares.com")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Library dependencies come from dpkg-shlibdeps. The plugins Qt loads at run time (the
# xcb platform plugin and the JPEG image plugin for the sign pictures) are not seen by
# it, but on Debian 12 both ship in libqt6gui6, which the program links against, so no
# hand-written Depends is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for Verdana; without it fontconfig falls back to DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
