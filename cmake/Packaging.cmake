# The Debian package: the program as /usr/bin/lethora, the empty table templates under
# /usr/share/lethora, the command-line tools under /usr/lib/lethora, the menu entry and
# its icon. Built with CPack by scripts/package.sh into build/lethora_<version>_amd64.deb.

install(TARGETS lethora RUNTIME DESTINATION bin)
install(TARGETS register-filter register-export read-declaration-page read-submission-list store-migrate
    RUNTIME DESTINATION lib/lethora)
install(DIRECTORY ${LETHORA_WORK_DIR}/ClrTbls ${LETHORA_WORK_DIR}/ClrData
    DESTINATION share/lethora FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES packaging/lethora.desktop DESTINATION share/applications)
install(FILES packaging/lethora.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES README.md DESTINATION share/doc/lethora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lethora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quindel)
set(CPACK_PACKAGE_CONTACT "Quindel <support@quindel.gr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "register of property lease declarations for accounting offices")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Keeps, for each client who owns real property, the register of the lease declarations\n\
filed on the tax authority's lease platform, brought in by driving Chromium; searches,\n\
filters and exports it to a spreadsheet. The interface is in Greek.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what is loaded at run time
# (the SQLite and PostgreSQL drivers of Qt, the font, the browser) is named here. The
# browser is driven over its own DevTools pipe; chromedriver is needed only by offices
# that choose the WebDriver provider ([Browser] Driver=webdriver).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6sql6-psql, fonts-dejavu-core, chromium")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "chromium-driver")
include(CPack)
