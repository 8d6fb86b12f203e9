# Installation as a desktop program, and the Debian package.
#
#   bin/sevenstud                     launcher: starts the game in its data folder
#   libexec/sevenstud/sevenstud       the executable
#   share/sevenstud/                  kaveltable.bmp and the sounds, read from the working directory
#   share/applications/sevenstud.desktop
#   share/icons/hicolor/<N>x<N>/apps/sevenstud.png
include(GNUInstallDirs)

set(STUD_DATA_REL ${CMAKE_INSTALL_DATADIR}/sevenstud)
set(STUD_EXEC_REL ${CMAKE_INSTALL_LIBEXECDIR}/sevenstud)

if(TARGET sevenstud)
    install(TARGETS sevenstud RUNTIME DESTINATION ${STUD_EXEC_REL})
endif()

file(GLOB stud_run_files ${PROJECT_SOURCE_DIR}/assets/data/*.bmp ${PROJECT_SOURCE_DIR}/assets/data/*.wav)
install(FILES ${stud_run_files} DESTINATION ${STUD_DATA_REL})

configure_file(${PROJECT_SOURCE_DIR}/packaging/sevenstud.in ${PROJECT_BINARY_DIR}/packaging/sevenstud @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/sevenstud DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${PROJECT_SOURCE_DIR}/packaging/sevenstud.desktop.in
               ${PROJECT_BINARY_DIR}/packaging/sevenstud.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/sevenstud.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

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
simulation at four levels from Amateur to Genius. Cash and options are kept\n\
from one run to the next.")
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
    "qt6-qpa-plugins, libqt6multimedia6, libpulse0, libjpeg62-turbo, fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
