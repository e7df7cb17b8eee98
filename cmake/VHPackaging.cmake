# The Debian package of the whole product: "cpack -G DEB" in the build folder.
# Everything installs below the prefix (/usr) except the font alias
# (/etc/fonts/conf.d) and the translations, whose folder the program names in
# full.
set(CPACK_PACKAGE_NAME vhsettings)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Varnholt)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Settings application of the Varnholt label printers")
set(CPACK_PACKAGE_DESCRIPTION
  "The touch window, command-line tool and local socket that change the\n\
appliance's settings, its QML modules, fonts and translations, and the\n\
system bus utility daemon vh-utilityd with its bus policy and systemd unit.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Varnholt appliance software <software@varnholt.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from the binaries themselves; the rest is what they
# start or import at run time: the QML modules the documents import, the
# fonts of the alias, the on-screen keyboard (its input-method plugin, and
# the folder model its own documents import, which Debian's package does not
# pull in), the boot-loader and clock tools, "lp", the system bus.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml-module-qtquick2, qml-module-qtquick-controls2, \
qml-module-qtquick-window2, qml-module-qtquick-virtualkeyboard, qtvirtualkeyboard-plugin, \
qml-module-qt-labs-folderlistmodel, fontconfig, fonts-roboto-unhinted, fonts-wqy-microhei, \
libubootenv-tool, cups-client, dbus, systemd")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, qtwayland5")
# A file in /etc is the administrator's: kept on remove, gone on purge.
set(vh_conffiles ${CMAKE_BINARY_DIR}/package/conffiles)
file(WRITE ${vh_conffiles} "${CMAKE_INSTALL_FULL_SYSCONFDIR}/fonts/conf.d/60-varnholt-airvesk.conf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${vh_conffiles})

include(CPack)
