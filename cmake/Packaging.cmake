# Installation and the Debian package.
#
#   cmake --install build --prefix P    P/bin, P/lib/rz-firmware-updater, P/share/...
#   cd build && cpack -G DEB            rz-firmware-updater_<version>_<arch>.deb (/usr), and with
#                                       the simulated instrument rz-firmware-simulator_<version>_<arch>.deb
#
# Two components: "updater", everything the updater needs to run (with the
# simulated instrument, the simulated library too), and "simulator", the
# rzsim tool and its manual page, installed only with the simulated
# instrument: a build against the maker's library has no use for it.

include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME updater)

# The simulated device library is the updater's own, not one for other
# programs: it goes to the private lib/rz-firmware-updater/, where a maker's
# library installed system-wide cannot collide with it, and the updater finds
# it there through its RUNPATH (relative, so any prefix works). Built against
# the maker's library, nothing is installed there and the updater has no
# RUNPATH: the dynamic linker finds the maker's library where it looks anyway.
set(RZ_INSTALL_LIBDIR lib/rz-firmware-updater)
set(RZ_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/rz-firmware-updater)

install(TARGETS rz-firmware-updater RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT RZ_API_LIBRARY)
  set_target_properties(rz-firmware-updater PROPERTIES INSTALL_RPATH "$ORIGIN/../${RZ_INSTALL_LIBDIR}")
  install(TARGETS rz_api LIBRARY DESTINATION ${RZ_INSTALL_LIBDIR})
  install(TARGETS rzsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT simulator)
endif()

# This release's firmware images. Built with the simulated instrument: written
# and signed with the demo key by the built rzsim. Built against the maker's
# library: the maker's release, checked by cmake/MakerRelease.cmake. The
# updater uses the installed release where its working folder has no
# firmware/; the build keeps its own in release/, never in the build tree's
# share/rz-firmware-updater/, where the build's programs, tests and benches
# would take it for an installed one.
include(${CMAKE_CURRENT_LIST_DIR}/MakerRelease.cmake)
if(RZ_API_LIBRARY)
  install(FILES ${rz_maker_release_files} DESTINATION ${RZ_INSTALL_SHAREDIR}/firmware)
else()
  set(RZ_RELEASE_FIRMWARE_DIR ${CMAKE_BINARY_DIR}/release/firmware)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/release/firmware.stamp
    COMMAND ${CMAKE_COMMAND} -E remove_directory ${RZ_RELEASE_FIRMWARE_DIR}
    COMMAND rzsim firmware ${RZ_RELEASE_FIRMWARE_DIR} --key ${RZ_DEMO_KEY_DIR}/rzsim.key
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/release/firmware.stamp
    DEPENDS rzsim ${RZ_DEMO_KEY_DIR}/rzsim.key
    COMMENT "Writing this release's firmware images"
    VERBATIM)
  add_custom_target(rz_release_firmware ALL DEPENDS ${CMAKE_BINARY_DIR}/release/firmware.stamp)
  # The key's rule belongs to rz_release_keys alone: without this, a parallel
  # build may run it from both targets at once, and the second keygen fails.
  add_dependencies(rz_release_firmware rz_release_keys)
  install(DIRECTORY ${RZ_RELEASE_FIRMWARE_DIR}/ DESTINATION ${RZ_INSTALL_SHAREDIR}/firmware)
endif()

# The keys the build trusts (cmake/ReleaseKeys.cmake), and the revoked-keys
# file when one was given.
install(DIRECTORY ${RZ_KEYS_DIR}/ DESTINATION ${RZ_INSTALL_SHAREDIR}/keys)
if(RZ_REVOKED_KEYS)
  install(FILES ${RZ_REVOKED_KEYS_FILE} DESTINATION ${RZ_INSTALL_SHAREDIR})
endif()

# The copyright file, the changelog and the manual pages, the last two
# compressed as Debian wants them: gzip -n leaves out name and time stamp, so
# the same sources make the same package. The changelog's top entry is this
# version's.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog rz_changelog_top LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
if(NOT rz_changelog_top MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with an entry for ${PROJECT_VERSION}")
endif()
find_program(RZ_GZIP gzip REQUIRED)
set(rz_doc_dir ${CMAKE_BINARY_DIR}/release/doc)
set(rz_compressed_docs)
foreach(name IN ITEMS changelog rz-firmware-updater.1 rzsim.1)
  add_custom_command(
    OUTPUT ${rz_doc_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${name} ${rz_doc_dir}/${name}
    COMMAND ${RZ_GZIP} -n9f ${rz_doc_dir}/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${name}
    VERBATIM)
  list(APPEND rz_compressed_docs ${rz_doc_dir}/${name}.gz)
endforeach()
add_custom_target(rz_release_docs ALL DEPENDS ${rz_compressed_docs})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${rz_doc_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${rz_doc_dir}/rz-firmware-updater.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(NOT RZ_API_LIBRARY)
  # Every Debian package carries its own copyright file and changelog.
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${rz_doc_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rz-firmware-simulator COMPONENT simulator)
  install(FILES ${rz_doc_dir}/rzsim.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT simulator)
endif()

# Bash completion, where Debian's bash-completion loads it on the first Tab
# after the command's name.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME rz-firmware-updater)

# The one-updater lock, made at boot (systemd-tmpfiles reads /usr/lib/tmpfiles.d).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.tmpfiles
  DESTINATION lib/tmpfiles.d RENAME rz-firmware-updater.conf)

# The desktop's view of the updater: the icon, as drawn and as the two PNG
# sizes the icon theme asks for (drawn from the SVG by rsvg-convert, from
# librsvg2-bin); the menu entry and the software centre's entry, both named
# by the one reverse-DNS id.
set(RZ_APPSTREAM_ID com.example.rz_firmware_updater)
set(RZ_HOMEPAGE "https://updater.example.com/" CACHE STRING
    "The updater's home page, ending in /, for the software centre; its docs/ holds the screenshots")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(RZ_RSVG_CONVERT rsvg-convert)
if(NOT RZ_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (package librsvg2-bin) draws the PNG icons; install it")
endif()
set(rz_icons)
foreach(size IN ITEMS 48 256)
  set(icon ${CMAKE_BINARY_DIR}/release/icons/${size}x${size}/rz-firmware-updater.png)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/release/icons/${size}x${size}
    COMMAND ${RZ_RSVG_CONVERT} --width ${size} --height ${size} --output ${icon}
            ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.svg
    VERBATIM)
  list(APPEND rz_icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(rz_release_icons ALL DEPENDS ${rz_icons})
configure_file(${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/release/${RZ_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/release/${RZ_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The menu entry starts the updater in the folder holding the shipped firmware/.
# That folder depends on the prefix given at install time (cmake --install
# --prefix, or CPack's /usr), so the entry is written then.
install(CODE "
  set(RZ_SHARE_DIR \"\${CMAKE_INSTALL_PREFIX}/${RZ_INSTALL_SHAREDIR}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/packaging/rz-firmware-updater.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/release/${RZ_APPSTREAM_ID}.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/release/${RZ_APPSTREAM_ID}.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

# USB access for the operator: Debian's udev gives USB device nodes to root
# alone. Built with the maker's run-mode and boot-mode IDs, -DRZ_USB_IDS=
# VID:PID,VID:PID (hex), the package ships a rule giving those devices to
# plugdev and to the user at the seat; postinst has udev read it.
set(RZ_USB_IDS "" CACHE STRING "The instruments' USB IDs, VID:PID in hex, comma-separated, for the udev rule")
if(RZ_USB_IDS)
  set(rz_udev_rules "# The RZ610R, RZ610S and RZ870S instruments, in run and boot mode, for\n")
  string(APPEND rz_udev_rules "# the plugdev group and the user at the seat.\n")
  string(REPLACE "," ";" rz_usb_ids "${RZ_USB_IDS}")
  foreach(id IN LISTS rz_usb_ids)
    string(STRIP "${id}" id)
    if(NOT id MATCHES "^([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]):([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f])$")
      message(FATAL_ERROR "RZ_USB_IDS: '${id}' is not VID:PID, four hex digits each")
    endif()
    string(TOLOWER "${CMAKE_MATCH_1}" vendor)
    string(TOLOWER "${CMAKE_MATCH_2}" product)
    string(APPEND rz_udev_rules "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"${vendor}\", ATTR{idProduct}==\"${product}\", "
                                "GROUP=\"plugdev\", MODE=\"0660\", TAG+=\"uaccess\"\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/release/60-rz-firmware-updater.rules "${rz_udev_rules}")
  install(FILES ${CMAKE_BINARY_DIR}/release/60-rz-firmware-updater.rules DESTINATION lib/udev/rules.d)
else()
  file(REMOVE ${CMAKE_BINARY_DIR}/release/60-rz-firmware-updater.rules)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
if(RZ_API_LIBRARY)
  set(CPACK_COMPONENTS_ALL updater)
else()
  set(CPACK_COMPONENTS_ALL updater simulator)
endif()
set(CPACK_PACKAGE_NAME rz-firmware-updater)
set(CPACK_DEBIAN_UPDATER_PACKAGE_NAME rz-firmware-updater)
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_NAME rz-firmware-simulator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "RZ updater team <updater@example.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Each package's summary is the first line of its description. (CPack would
# put one CPACK_PACKAGE_DESCRIPTION_SUMMARY above both, so none is set.)
set(CPACK_DEBIAN_UPDATER_DESCRIPTION "Firmware updater for RZ610/RZ870 RF instruments
Brings one connected RZ610R, RZ610S, RZ610T or RZ870S instrument to the
firmware this release carries: check, update or restore. Ships this
release's images and the keys that sign releases; writes only firmware
signed by a trusted key.")
set(CPACK_DEBIAN_SIMULATOR_DESCRIPTION "Simulated RZ610/RZ870 instrument for the firmware updater
The rzsim tool of the demo updater's simulated instrument: creates the
instrument, its faults and its firmware state, writes and signs simulated
firmware releases with a key it is given, and summarizes recordings of the
device library's calls for support engineers.")
# Dependencies come from dpkg-shlibdeps (dpkg-dev). It does not resolve
# $ORIGIN, so it is told where librz_api.so is: in the package's staging
# folder, or the maker's library's own folder. The latter belongs to no
# package, so the package does not depend on it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The update history needs Qt's SQLite driver, a plugin that no library
# links, so dpkg-shlibdeps cannot find it: the one of the Qt built with.
if(RZ_QT_MAJOR STREQUAL "6")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
  set(rz_qt_translations_package qt6-translations-l10n)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite")
  set(rz_qt_translations_package qttranslations5-l10n)
endif()
# Qt's own translations, for its dialogs' buttons in the operator's language;
# a URL opener, for "Open Log Folder" and a session log in the history
# (without one the window shows the path instead); a font with Japanese and
# Chinese glyphs, without which those windows draw boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${rz_qt_translations_package}, xdg-utils, fonts-noto-cjk")
# rzsim drives the simulated library the updater's package carries.
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_DEPENDS "rz-firmware-updater (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_RECOMMENDS "")
if(RZ_API_LIBRARY)
  get_filename_component(rz_api_folder "${RZ_API_LIBRARY}" DIRECTORY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${rz_api_folder}")
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ".${CPACK_PACKAGING_INSTALL_PREFIX}/${RZ_INSTALL_LIBDIR}")
endif()
# The machine-wide state folder is made by the package, owned root:plugdev.
set(CPACK_DEBIAN_UPDATER_PACKAGE_CONTROL_EXTRA "${CMAKE_SOURCE_DIR}/packaging/postinst;${CMAKE_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
