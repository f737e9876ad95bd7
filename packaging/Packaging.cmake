# Installation layout and the Debian package (`make package`, or `cpack -G DEB` in the
# build folder). Included at the end of the top-level CMakeLists.txt.

include(GNUInstallDirs)

# The reverse-DNS id names the .desktop file, the metainfo file and the icon alike.
set(KELT_APP_ID "com.sarvelsoftwares.kelt_descendant_astrology")
set(KELT_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(KELT_ICON_DIR "${PROJECT_SOURCE_DIR}/content/icon")

if(WIN32)
    # The icon and the version details Explorer shows for the .exe.
    configure_file("${KELT_PACKAGING_DIR}/windows/kelt.rc.in" "${PROJECT_BINARY_DIR}/kelt.rc" @ONLY)
    target_sources(KeltFreeDescendantAstrology PRIVATE "${PROJECT_BINARY_DIR}/kelt.rc")

    # Uninstall.exe, which only the installer carries. Linked statically: while it runs, it
    # must hold none of the DLLs the uninstaller removes.
    configure_file("${KELT_PACKAGING_DIR}/windows/uninstall.rc.in"
        "${PROJECT_BINARY_DIR}/uninstall.rc" @ONLY)
    add_executable(kelt_uninstall WIN32 "${KELT_PACKAGING_DIR}/windows/uninstall.cpp"
        "${PROJECT_BINARY_DIR}/uninstall.rc")
    set_target_properties(kelt_uninstall PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
        MSVC_RUNTIME_LIBRARY MultiThreaded)
    if(MINGW)
        target_link_options(kelt_uninstall PRIVATE -municode -static)
    endif()
    # The resource compiler reports no dependencies: a redrawn icon must rebuild both.
    set_source_files_properties("${PROJECT_BINARY_DIR}/kelt.rc" "${PROJECT_BINARY_DIR}/uninstall.rc"
        TARGET_DIRECTORY KeltFreeDescendantAstrology kelt_uninstall
        PROPERTIES OBJECT_DEPENDS "${KELT_ICON_DIR}/kelt.ico")
endif()

# The program finds Qt where the system keeps it; an installed copy carries no run path.
set_target_properties(KeltFreeDescendantAstrology PROPERTIES INSTALL_RPATH "")
install(TARGETS KeltFreeDescendantAstrology RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${KELT_PACKAGING_DIR}/${KELT_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${KELT_PACKAGING_DIR}/${KELT_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# Each size, and for screens scaled to 2 the picture of twice that size in the "@2" folder.
foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES "${KELT_ICON_DIR}/kelt-${size}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
        RENAME "${KELT_APP_ID}.png")
    math(EXPR double "${size} * 2")
    install(FILES "${KELT_ICON_DIR}/kelt-${double}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps"
        RENAME "${KELT_APP_ID}.png")
endforeach()
install(FILES "${KELT_ICON_DIR}/kelt.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${KELT_APP_ID}.svg")

if(UNIX AND NOT APPLE)
    # What Debian's own build helpers do for a program: every relocation resolved and made
    # read-only at start, and the compiler's version strings (.comment) stripped along with
    # the symbols.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_link_options(KeltFreeDescendantAstrology PRIVATE "LINKER:-z,relro,-z,now")
    endif()
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP AND EXISTS \"${CMAKE_OBJCOPY}\")
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/KeltFreeDescendantAstrology\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")

    # A command that is easy to type, as a link, so that the program still finds its own
    # file name, KeltFreeDescendantAstrology, for its setting and its lock.
    set(KELT_COMMAND "kelt-descendant-astrology")
    set(KELT_PACKAGE_BUILD_DIR "${CMAKE_CURRENT_BINARY_DIR}/packaging")
    file(MAKE_DIRECTORY "${KELT_PACKAGE_BUILD_DIR}/bin" "${KELT_PACKAGE_BUILD_DIR}/man1"
        "${KELT_PACKAGE_BUILD_DIR}/doc")
    file(CREATE_LINK KeltFreeDescendantAstrology "${KELT_PACKAGE_BUILD_DIR}/bin/${KELT_COMMAND}"
        SYMBOLIC)
    install(FILES "${KELT_PACKAGE_BUILD_DIR}/bin/${KELT_COMMAND}"
        DESTINATION "${CMAKE_INSTALL_BINDIR}")

    # The manual page under both names, and the changelog, compressed as Debian policy
    # asks: gzip -9, without a name or a time stamp, so the package is the same each build.
    find_program(KELT_GZIP gzip REQUIRED)
    set(KELT_MAN_PAGE "${KELT_PACKAGE_BUILD_DIR}/man1/${KELT_COMMAND}.1")
    set(KELT_CHANGELOG "${KELT_PACKAGE_BUILD_DIR}/doc/changelog.Debian")
    add_custom_command(OUTPUT "${KELT_MAN_PAGE}.gz"
        COMMAND "${CMAKE_COMMAND}" -E copy "${KELT_PACKAGING_DIR}/${KELT_COMMAND}.1"
            "${KELT_MAN_PAGE}"
        COMMAND "${KELT_GZIP}" -9nf "${KELT_MAN_PAGE}"
        DEPENDS "${KELT_PACKAGING_DIR}/${KELT_COMMAND}.1"
        VERBATIM)
    add_custom_command(OUTPUT "${KELT_CHANGELOG}.gz"
        COMMAND "${CMAKE_COMMAND}" -E copy "${KELT_PACKAGING_DIR}/changelog.Debian"
            "${KELT_CHANGELOG}"
        COMMAND "${KELT_GZIP}" -9nf "${KELT_CHANGELOG}"
        DEPENDS "${KELT_PACKAGING_DIR}/changelog.Debian"
        VERBATIM)
    add_custom_target(kelt_package_docs ALL DEPENDS "${KELT_MAN_PAGE}.gz" "${KELT_CHANGELOG}.gz")
    file(CREATE_LINK "${KELT_COMMAND}.1.gz"
        "${KELT_PACKAGE_BUILD_DIR}/man1/KeltFreeDescendantAstrology.1.gz" SYMBOLIC)
    install(FILES "${KELT_MAN_PAGE}.gz"
        "${KELT_PACKAGE_BUILD_DIR}/man1/KeltFreeDescendantAstrology.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

    set(KELT_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/kelt-descendant-astrology")
    install(FILES "${KELT_PACKAGING_DIR}/copyright" "${KELT_CHANGELOG}.gz"
        DESTINATION "${KELT_DOC_DIR}")
    install(FILES "${KELT_PACKAGING_DIR}/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides"
        RENAME kelt-descendant-astrology)
endif()

# --- CPack: one Debian package -------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kelt-descendant-astrology")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
# The package's revision comes from the newest entry of its changelog, whose upstream part
# must be this version.
file(STRINGS "${KELT_PACKAGING_DIR}/changelog.Debian" KELT_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT KELT_CHANGELOG_TOP MATCHES "^kelt-descendant-astrology \\(([^)-]+)-([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog.Debian: cannot read the newest version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog.Debian is for ${CMAKE_MATCH_1}, "
                        "the program is ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE "${CMAKE_MATCH_2}")
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

# The architecture is the one the compiler builds for (its library triplet, e.g.
# x86_64-linux-gnu, named as dpkg names it), so a cross build is labelled for its target.
if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
    set(KELT_TRIPLET "${CMAKE_LIBRARY_ARCHITECTURE}")
    if(NOT KELT_TRIPLET AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -dumpmachine
            OUTPUT_VARIABLE KELT_TRIPLET OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    find_program(KELT_DPKG_ARCHITECTURE dpkg-architecture)
    if(KELT_TRIPLET AND KELT_DPKG_ARCHITECTURE)
        execute_process(COMMAND "${KELT_DPKG_ARCHITECTURE}" -t "${KELT_TRIPLET}" -qDEB_HOST_ARCH
            OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(UNIX AND NOT APPLE AND NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
        message(WARNING "No Debian architecture for the compiler's target '${KELT_TRIPLET}'; "
                        "the package takes the build machine's")
    endif()
endif()
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sarvel Softwares <support@sarvelsoftwares.com>")
# Freeware that anyone may pass on unchanged but not modify: Debian files such a package
# under non-free.
set(CPACK_DEBIAN_PACKAGE_SECTION "non-free/misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.sarvelsoftwares.com")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Library dependencies come from dpkg-shlibdeps. The plugins Qt loads at run time (the
# xcb platform plugin and the JPEG image plugin for the sign pictures) are not seen by
# it, but on Debian 12 both ship in libqt6gui6, which the program links against, so no
# hand-written Depends is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for Verdana; without it fontconfig falls back to DejaVu Sans. On a Wayland
# desktop the program runs natively once Qt's Wayland plugin is there (X11 through
# XWayland otherwise).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")

# The package is the same, byte for byte, each time the same source is packed: every time
# stamp in it is the newest changelog entry's, unless the caller set SOURCE_DATE_EPOCH.
file(STRINGS "${KELT_PACKAGING_DIR}/changelog.Debian" KELT_CHANGELOG_TRAILER
    REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" KELT_CHANGELOG_DATE "${KELT_CHANGELOG_TRAILER}")
execute_process(COMMAND date -u -d "${KELT_CHANGELOG_DATE}" +%s
    OUTPUT_VARIABLE KELT_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE KELT_DATE_RESULT)
if(NOT KELT_DATE_RESULT EQUAL 0 OR NOT KELT_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "packaging/changelog.Debian: cannot read the date of the newest entry")
endif()
set(KELT_CPACK_PROJECT_CONFIG "${CMAKE_CURRENT_BINARY_DIR}/packaging/CPackProjectConfig.cmake")
file(WRITE "${KELT_CPACK_PROJECT_CONFIG}"
    "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n"
    "    set(ENV{SOURCE_DATE_EPOCH} ${KELT_SOURCE_DATE_EPOCH})\n"
    "endif()\n")
set(CPACK_PROJECT_CONFIG_FILE "${KELT_CPACK_PROJECT_CONFIG}")

include(CPack)
