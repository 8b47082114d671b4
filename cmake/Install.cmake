# What `cmake --install` and the Debian package put on the machine:
#   lib/gavelor/gavelor, lib/gavelor/gavelorhelpfile.rtf  the program looks for its help beside itself
#   lib/gavelor/gavelor-instance.so                       and for its socket module
#   bin/gavelor                                           a symbolic link to it
#   share/applications, share/icons/hicolor, share/metainfo
include(GNUInstallDirs)

# Installing and packaging need only the program, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(GAVELOR_PROGRAM_DIR lib/gavelor)

install(TARGETS gavelor RUNTIME DESTINATION ${GAVELOR_PROGRAM_DIR})
install(TARGETS gavelor_instance_channel LIBRARY DESTINATION ${GAVELOR_PROGRAM_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/gavelorhelpfile.rtf DESTINATION ${GAVELOR_PROGRAM_DIR})

# A relative link, so that the tree can be staged anywhere (DESTDIR, the package build).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ../${GAVELOR_PROGRAM_DIR}/gavelor ${CMAKE_BINARY_DIR}/install/gavelor SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/gavelor DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/resources/gavelor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/com.tarnwick.gavelor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/gavelor-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME gavelor.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/gavelor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# `make package`: a Debian package whose library dependencies dpkg-shlibdeps works out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gavelor)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_CONTACT "Tarnwick <gavelor@tarnwick.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Auction scoreboard for the sale room")
set(CPACK_PACKAGE_DESCRIPTION
    "Gavelor shows the lot on the block and the current bid in LED digits that fill a projector or a large\n"
    "monitor, driven by single keys, with a lot editor, an options dialog and a help viewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarnwick.com/gavelor")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not library dependencies of the executable, but needed on the desktop: Qt's platform
# plugins (X11, Wayland) and the fonts the windows name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
include(CPack)
