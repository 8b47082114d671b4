# What `cmake --install` and the Debian package put on the machine (<triplet>: x86_64-linux-gnu and the like):
#   lib/<triplet>/gavelor/gavelor, gavelorhelpfile.rtf  the program looks for its help beside itself
#   lib/<triplet>/gavelor/gavelor-instance.so           and for its socket module
#   bin/gavelor                                         a symbolic link to it
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1/gavelor.1.gz
#   share/doc/gavelor/copyright, changelog.Debian.gz
# The translations are compiled into the program (resources under :/i18n), so the package carries them as it
# carries the program; Qt's own come from Debian's qt6-translations-l10n, which the package recommends.
include(GNUInstallDirs)

# Installing and packaging need only the program, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The program's private folder under the multiarch library folder: a module right under lib/<name>/
# makes CPack add maintainer scripts that run ldconfig, which a module loaded by path never needs.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(GAVELOR_PROGRAM_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/gavelor)
else()
    set(GAVELOR_PROGRAM_DIR lib/gavelor)
endif()

install(TARGETS gavelor RUNTIME DESTINATION ${GAVELOR_PROGRAM_DIR})
install(TARGETS gavelor_instance_channel LIBRARY DESTINATION ${GAVELOR_PROGRAM_DIR})
# A stripped install (the package) also drops the compiler's notes, as Debian's own stripping does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(binary gavelor $<TARGET_FILE_NAME:gavelor_instance_channel>)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GAVELOR_PROGRAM_DIR}/\${binary}\" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")
install(FILES ${CMAKE_SOURCE_DIR}/resources/gavelorhelpfile.rtf DESTINATION ${GAVELOR_PROGRAM_DIR})

# A relative link, so that the tree can be staged anywhere (DESTDIR, the package build).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ../${GAVELOR_PROGRAM_DIR}/gavelor ${CMAKE_BINARY_DIR}/install/gavelor SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/gavelor DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual page and the package's changelog go compressed as Debian wants them: the highest level,
# no name or time stamp in the header, so that the same sources give the same package.
configure_file(${CMAKE_SOURCE_DIR}/resources/gavelor.1 ${CMAKE_BINARY_DIR}/install/gavelor.1 @ONLY)
set(GAVELOR_GZIPPED ${CMAKE_BINARY_DIR}/install/gavelor.1.gz ${CMAKE_BINARY_DIR}/install/changelog.Debian.gz)
add_custom_command(
    OUTPUT ${GAVELOR_GZIPPED}
    COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/install/gavelor.1 > ${CMAKE_BINARY_DIR}/install/gavelor.1.gz
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/resources/package/changelog
            > ${CMAKE_BINARY_DIR}/install/changelog.Debian.gz
    DEPENDS ${CMAKE_BINARY_DIR}/install/gavelor.1 ${CMAKE_SOURCE_DIR}/resources/package/changelog
    VERBATIM)
add_custom_target(gavelor_documents DEPENDS ${GAVELOR_GZIPPED})
# `make package` builds the program alone; what it installs beside it comes with it.
add_dependencies(gavelor gavelor_documents)
install(FILES ${CMAKE_BINARY_DIR}/install/gavelor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/install/changelog.Debian.gz ${CMAKE_SOURCE_DIR}/resources/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gavelor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/package/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME gavelor)

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
# One text, wrapped within 80 columns: CPack takes the lines as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Gavelor shows the lot on the block and the current bid in LED digits that\n"
    "fill a projector or a large monitor, driven by single keys, with a lot\n"
    "editor, an options dialog and a help viewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of this version: its changelog is changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# A new version needs its changelog entry, or the package would describe another version.
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/package/changelog GAVELOR_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT GAVELOR_CHANGELOG_TOP MATCHES "^gavelor \\(${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}\\) ")
    message(FATAL_ERROR "resources/package/changelog does not begin with the entry for "
                        "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}: ${GAVELOR_CHANGELOG_TOP}")
endif()
# Stripped program and module; the symbols stay in the build tree.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarnwick.com/gavelor")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not library dependencies of the executable, but needed on the desktop: Qt's platform
# plugins (X11, Wayland), the image plugins that read WebP lot pictures, and the fonts the windows name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, fonts-liberation2")
# Qt's own dialogs in the operator's language; English needs nothing more.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
