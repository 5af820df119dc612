# The keys the updater trusts to sign a release (see "Signing a release" in
# docs/maker.md).
#
# The updater looks for PREFIX/share/rz-firmware-updater/keys/*.pub, PREFIX
# being the folder above its own bin/. In the build tree that is the build
# folder, so the folder below is what the build's programs trust and what
# the package ships:
#   - built with the simulated instrument: the demo key that the build makes
#     for `rzsim firmware`, and any keys RZ_RELEASE_KEYS names;
#   - built against the maker's library: only the keys RZ_RELEASE_KEYS names,
#     which it requires. The demo key signs nothing a real instrument takes.
# RZ_REVOKED_KEYS names a revoked-keys file to ship beside them.
#
# The demo key pair is made once, by the build, in demo-key/ (never in the
# sources). Its secret half stays there; a new key would only make the
# folders signed with the old one untrusted.

set(RZ_RELEASE_KEYS "" CACHE PATH
    "Folder of minisign public keys (*.pub) that sign the maker's releases; required with RZ_API_LIBRARY")
set(RZ_REVOKED_KEYS "" CACHE FILEPATH "Revoked-keys file (key IDs, one a line) to ship with the package")

set(RZ_KEYS_DIR ${CMAKE_BINARY_DIR}/share/rz-firmware-updater/keys)
set(RZ_REVOKED_KEYS_FILE ${CMAKE_BINARY_DIR}/share/rz-firmware-updater/revoked-keys)

if(RZ_API_LIBRARY AND NOT RZ_RELEASE_KEYS)
  message(FATAL_ERROR "Built against the maker's library, the updater trusts only the maker's release keys: "
                      "name their folder with -DRZ_RELEASE_KEYS=<folder of .pub files>")
endif()

# Laid anew at each configure, so a key dropped from RZ_RELEASE_KEYS is no
# longer trusted.
file(REMOVE_RECURSE ${RZ_KEYS_DIR} ${RZ_REVOKED_KEYS_FILE})
file(MAKE_DIRECTORY ${RZ_KEYS_DIR})
if(RZ_RELEASE_KEYS)
  file(GLOB rz_release_key_files CONFIGURE_DEPENDS "${RZ_RELEASE_KEYS}/*.pub")
  if(NOT rz_release_key_files)
    message(FATAL_ERROR "RZ_RELEASE_KEYS: no *.pub file in '${RZ_RELEASE_KEYS}'")
  endif()
  # A file that is no public key would trust nothing, silently. The key line
  # is 42 bytes in base64: "Ed", the key ID and the 32-byte key.
  foreach(key IN LISTS rz_release_key_files)
    file(READ "${key}" key_text)
    if(NOT key_text MATCHES "^untrusted comment: [^\n]*\n(RW[A-Za-z0-9+/]+)\r?\n?$")
      message(FATAL_ERROR "RZ_RELEASE_KEYS: ${key} is not a minisign public key file")
    endif()
    string(LENGTH "${CMAKE_MATCH_1}" key_length)
    if(NOT key_length EQUAL 56)
      message(FATAL_ERROR "RZ_RELEASE_KEYS: ${key} is not a minisign public key file")
    endif()
  endforeach()
  file(COPY ${rz_release_key_files} DESTINATION ${RZ_KEYS_DIR})
endif()
if(RZ_REVOKED_KEYS)
  if(NOT EXISTS "${RZ_REVOKED_KEYS}" OR IS_DIRECTORY "${RZ_REVOKED_KEYS}")
    message(FATAL_ERROR "RZ_REVOKED_KEYS must name a file, not '${RZ_REVOKED_KEYS}'")
  endif()
  # One line the updater cannot read makes it trust no key at all.
  file(STRINGS "${RZ_REVOKED_KEYS}" revoked_lines)
  # rz_revoked_key_ids: each revoked ID in capitals without leading zeros.
  set(rz_revoked_key_ids)
  foreach(line IN LISTS revoked_lines)
    # At most the 16 hex digits of 64 bits after any leading zeros.
    set(digits "")
    if(line MATCHES "^[ \t]*0*([0-9A-Fa-f]*)[ \t]*(#.*)?\r?$")
      string(LENGTH "${CMAKE_MATCH_1}" digits)
      string(TOUPPER "${CMAKE_MATCH_1}" revoked_id)
    endif()
    if(digits STREQUAL "" OR digits GREATER 16)
      message(FATAL_ERROR "RZ_REVOKED_KEYS: '${line}' is neither a key ID nor a comment")
    endif()
    if(digits GREATER 0)
      list(APPEND rz_revoked_key_ids "${revoked_id}")
    endif()
  endforeach()
  configure_file("${RZ_REVOKED_KEYS}" ${RZ_REVOKED_KEYS_FILE} COPYONLY)
endif()

add_custom_command(
  OUTPUT ${RZ_DEMO_KEY_DIR}/rzsim.key ${RZ_DEMO_KEY_DIR}/rzsim.pub
  COMMAND rzsim keygen ${RZ_DEMO_KEY_DIR}
  COMMENT "Making the demo key that signs the simulated firmware"
  VERBATIM)
set(rz_trusted_demo_key)
if(NOT RZ_API_LIBRARY)
  set(rz_trusted_demo_key ${RZ_KEYS_DIR}/rzsim-demo.pub)
  add_custom_command(
    OUTPUT ${rz_trusted_demo_key}
    COMMAND ${CMAKE_COMMAND} -E copy ${RZ_DEMO_KEY_DIR}/rzsim.pub ${rz_trusted_demo_key}
    DEPENDS ${RZ_DEMO_KEY_DIR}/rzsim.pub
    VERBATIM)
endif()
add_custom_target(rz_release_keys ALL DEPENDS ${RZ_DEMO_KEY_DIR}/rzsim.key ${rz_trusted_demo_key})
# The updater is of no use without the keys it trusts.
add_dependencies(rz-firmware-updater rz_release_keys)
