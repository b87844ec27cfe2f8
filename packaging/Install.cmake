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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR Kelvadore)
set(CPACK_PACKAGE_CONTACT "Kelvadore <tolvane@kelvadore.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "compiles resource files into a resource script, a .res file and a resource-only DLL")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The Qt libraries come from dpkg-shlibdeps; what is started as a program or loaded as a plugin
# is named here: the stand-ins' heavy tools, and the desktop's platform plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(TOLVANE_DEB_DEPENDS "llvm, lld, cabextract")
if(TOLVANE_BUILD_UI)
    string(APPEND TOLVANE_DEB_DEPENDS ", qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${TOLVANE_DEB_DEPENDS})
include(CPack)
