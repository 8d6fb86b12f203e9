# Installation as a desktop program, and the Debian package.
#
#   bin/sevenstud                     launcher: starts the game in its data folder
#                                     (games/sevenstud in the Debian package)
#   libexec/sevenstud/sevenstud       the executable
#   share/sevenstud/                  kaveltable.bmp (and its @2x and @4x sizes) and the sounds,
#                                     read from the working directory
#   share/applications/org.example.sevenstud.desktop   menu entry
#   share/metainfo/org.example.sevenstud.metainfo.xml  software-centre entry
#   share/icons/hicolor/<N>x<N>/apps/sevenstud.png
#   share/man/man6/sevenstud.6.gz
#   share/doc/sevenstud/copyright, changelog.Debian.gz
include(GNUInstallDirs)

# The menu entry, the software-centre entry and the Wayland app id share
# this name; ui/main.cpp gives it to Qt.
set(STUD_APP_ID org.example.sevenstud)

set(STUD_DATA_REL ${CMAKE_INSTALL_DATADIR}/sevenstud)
set(STUD_EXEC_REL ${CMAKE_INSTALL_LIBEXECDIR}/sevenstud)

if(TARGET sevenstud)
    install(TARGETS sevenstud RUNTIME DESTINATION ${STUD_EXEC_REL})
endif()

# The table at four times its size is a PNG: as a bitmap it would weigh 30 MB.
file(GLOB stud_run_files ${PROJECT_SOURCE_DIR}/assets/data/*.bmp ${PROJECT_SOURCE_DIR}/assets/data/*.png
     ${PROJECT_SOURCE_DIR}/assets/data/*.wav)
install(FILES ${stud_run_files} DESTINATION ${STUD_DATA_REL})

configure_file(${PROJECT_SOURCE_DIR}/packaging/sevenstud.in ${PROJECT_BINARY_DIR}/packaging/sevenstud @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/sevenstud DESTINATION ${CMAKE_INSTALL_BINDIR})

# The entry runs "sevenstud" from PATH, so the same file is right for every
# prefix: ~/.local/bin, /usr/local/bin, and /usr/games in the package.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${STUD_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${STUD_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the Debian changelog go compressed, as Debian wants
# them; -n keeps the name and time out, so a rebuild gives the same bytes.
function(stud_gzip source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9nc ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
endfunction()
stud_gzip(${PROJECT_SOURCE_DIR}/packaging/sevenstud.6 ${PROJECT_BINARY_DIR}/packaging/sevenstud.6.gz)
stud_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog
          ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
add_custom_target(stud_packaging_docs ALL
                  DEPENDS ${PROJECT_BINARY_DIR}/packaging/sevenstud.6.gz
                          ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/sevenstud.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME sevenstud)

foreach(size 32 48 64 128 256)
    set(icon ${PROJECT_SOURCE_DIR}/assets/icons/sevenstud-${size}.png)
    if(EXISTS ${icon})
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME sevenstud.png)
    endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---- Debian package ------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sevenstud)
set(CPACK_PACKAGE_VENDOR "The Seven Stud developers")
set(CPACK_PACKAGE_CONTACT "Seven Stud developers <sevenstud@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "seven-card stud poker against four computer opponents")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Seven Stud is a fixed-limit seven-card stud poker game for the desktop.\n\
You play against Peter, Anna, George and Maria, who judge their hands by\n\
simulation at four levels from Amateur to Genius. Every seat's cash and the\n\
options are kept from one run to the next.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/sevenstud")
# The libraries the executable links come from dpkg-shlibdeps; the plugins Qt
# loads at run time (the X11 platform, the sound output) must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6multimedia6, libpulse0, libjpeg62-turbo, libsqlite3-0, fonts-dejavu-core")
# Without Qt's Wayland plugin the game runs through XWayland on a Wayland
# desktop; with it, natively.
# Qt's own words (the message boxes' Yes, No and OK) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian keeps the programs of section games in /usr/games; an install into a
# prefix keeps bin/, which is on the user's PATH. The launcher finds its data
# from its own place, one folder below the prefix, so it works from either.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debgames.cmake.in ${PROJECT_BINARY_DIR}/cmake/debgames.cmake
               @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_BINARY_DIR}/cmake/debgames.cmake)
include(CPack)
