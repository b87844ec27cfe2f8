# What `cmake --install` puts into a prefix, and the Debian package CPack makes of it.
set(TOLVANE_APP_ID com.kelvadore.Tolvane)
set(TOLVANE_TOOLCHAIN_DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tolvane)

# The stand-in compilers form a toolchain folder of their own (bin/brcc32 ...), which the
# installed program finds beside its bin/ (platform/LinuxPlatform.cpp).
install(TARGETS brcc32 dcc32 extract RUNTIME DESTINATION ${TOLVANE_TOOLCHAIN_DESTINATION}/bin)
if(TARGET tolvane-build)
    install(TARGETS tolvane-build RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TOLVANE_BUILD_UI)
    install(TARGETS tolvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${TOLVANE_MANUAL_CAB} DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvane)
    install(FILES ${CMAKE_BINARY_DIR}/manual/TOLVANE.PDF DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane
            RENAME Tolvane.pdf)
    install(FILES packaging/${TOLVANE_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${TOLVANE_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES packaging/${TOLVANE_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TOLVANE_APP_ID}.xml)
    foreach(size 16 22 24 32 48 64 128 256)
        install(FILES packaging/icons/${size}x${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TOLVANE_APP_ID}.png)
    endforeach()
    install(FILES packaging/icons/scalable.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TOLVANE_APP_ID}.svg)
endif()

# The package's copyright and the manual's registration; Debian's changelog is added by
# packaging/debian/Finish.cmake, since only the package carries it.
install(FILES packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane)
if(TOLVANE_BUILD_UI)
    install(FILES packaging/debian/tolvane.doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
            RENAME tolvane)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR Kelvadore)
set(CPACK_PACKAGE_CONTACT "Kelvadore <tolvane@kelvadore.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resource script, .res and resource-only DLL builder")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/description)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/Finish.cmake)
set(CPACK_TOLVANE_STRIP ${CMAKE_STRIP})
set(CPACK_TOLVANE_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)
# The libraries come from dpkg-shlibdeps, the X11 platform plugin with libqt6gui6. What is
# started as a program is named here: llvm-rc, lld-link (either the versioned package or the one
# that adds the plain names) and cabextract.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "llvm-14 | llvm, lld-14 | lld, cabextract")
if(TOLVANE_BUILD_UI)
    # Wayland sessions, and printing the script through lp.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups-client)
endif()
include(CPack)
