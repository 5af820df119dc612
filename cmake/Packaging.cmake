# Installation and the Debian package.
#
#   cmake --install build --prefix P    P/bin, P/lib, P/share/...
#   cd build && cpack -G DEB            rz-firmware-updater_<version>_<arch>.deb (/usr)

include(GNUInstallDirs)

# The simulated device library is the updater's own, not one for other
# programs: it goes to the private lib/rz-firmware-updater/, where a maker's
# library installed system-wide cannot collide with it, and the updater finds
# it there through its RUNPATH (relative, so any prefix works). Built against
# the maker's library, nothing is installed there and the updater has no
# RUNPATH: the dynamic linker finds the maker's library where it looks anyway.
set(RZ_INSTALL_LIBDIR lib/rz-firmware-updater)
set(RZ_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/rz-firmware-updater)
set(RZ_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/rz-firmware-updater)

install(TARGETS rz-firmware-updater rzsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT RZ_API_LIBRARY)
  set_target_properties(rz-firmware-updater PROPERTIES INSTALL_RPATH "$ORIGIN/../${RZ_INSTALL_LIBDIR}")
  install(TARGETS rz_api LIBRARY DESTINATION ${RZ_INSTALL_LIBDIR})
endif()

# This release's firmware images, written by the built rzsim.
set(RZ_RELEASE_FIRMWARE_DIR ${CMAKE_BINARY_DIR}/release/firmware)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/release/firmware.stamp
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${RZ_RELEASE_FIRMWARE_DIR}
  COMMAND rzsim firmware ${RZ_RELEASE_FIRMWARE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/release/firmware.stamp
  DEPENDS rzsim
  COMMENT "Writing this release's firmware images"
  VERBATIM)
add_custom_target(rz_release_firmware ALL DEPENDS ${CMAKE_BINARY_DIR}/release/firmware.stamp)
install(DIRECTORY ${RZ_RELEASE_FIRMWARE_DIR}/ DESTINATION ${RZ_INSTALL_SHAREDIR}/firmware)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The menu entry starts the updater in the folder holding the shipped firmware/.
# That folder depends on the prefix given at install time (cmake --install
# --prefix, or CPack's /usr), so the entry is written then.
install(CODE "
  set(RZ_SHARE_DIR \"\${CMAKE_INSTALL_PREFIX}/${RZ_INSTALL_SHAREDIR}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/release/rz-firmware-updater.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/release/rz-firmware-updater.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rz-firmware-updater)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "RZ updater team <updater@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Firmware updater for RZ610/RZ870 RF instruments")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_PACKAGE_DESCRIPTION "Brings one connected RZ610R, RZ610S, RZ610T or RZ870S instrument to the
firmware this release carries: check, update or restore. Ships this
release's images.")
# Dependencies come from dpkg-shlibdeps (dpkg-dev). It runs in the package's
# staging folder, where it does not resolve $ORIGIN: -l usr/lib lets it find
# librz_api.so inside the package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ".${CPACK_PACKAGING_INSTALL_PREFIX}/${RZ_INSTALL_LIBDIR}")
include(CPack)
