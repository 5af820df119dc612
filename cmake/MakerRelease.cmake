# The firmware a package built against the maker's library carries: the
# maker's signed release, named with RZ_RELEASE_FIRMWARE (a folder with the
# images, SHA256SUMS and SHA256SUMS.minisig). It is checked here, when the
# build is configured, as the updater will check it: the list signed by one
# of the keys RZ_RELEASE_KEYS names and not revoked by RZ_REVOKED_KEYS, every
# image it lists matching its digest. Such a build never packages the demo-signed images rzsim writes,
# which it would refuse.
#
# Sets rz_maker_release_files: the files to install, the two of the list and
# its signature last.

set(RZ_RELEASE_FIRMWARE "" CACHE PATH
    "The maker's signed release (images, SHA256SUMS, SHA256SUMS.minisig) to package; required with RZ_API_LIBRARY")

# The key ID minisign prints for a public key file: the 8 bytes after "Ed"
# in its key line, a little-endian number, in 16 capital hex digits.
function(rz_key_id result key_file)
  file(STRINGS "${key_file}" key_lines REGEX "^RW")
  set(encoded "${CMAKE_CURRENT_BINARY_DIR}/key-id.b64")
  set(decoded "${CMAKE_CURRENT_BINARY_DIR}/key-id.bin")
  file(WRITE "${encoded}" "${key_lines}\n")
  execute_process(COMMAND base64 --decode "${encoded}" OUTPUT_FILE "${decoded}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot read the key ID of ${key_file}")
  endif()
  file(READ "${decoded}" id_bytes OFFSET 2 LIMIT 8 HEX)
  file(REMOVE "${encoded}" "${decoded}")
  set(id "")
  foreach(at RANGE 14 0 -2)
    string(SUBSTRING "${id_bytes}" ${at} 2 byte)
    string(APPEND id "${byte}")
  endforeach()
  string(TOUPPER "${id}" id)
  set(${result} "${id}" PARENT_SCOPE)
endfunction()

set(rz_maker_release_files)
if(RZ_API_LIBRARY)
  if(NOT RZ_RELEASE_FIRMWARE)
    message(FATAL_ERROR "Built against the maker's library, the package carries the maker's release: "
                        "name its folder with -DRZ_RELEASE_FIRMWARE=<folder with the images, SHA256SUMS "
                        "and SHA256SUMS.minisig>")
  endif()
  set(list_file "${RZ_RELEASE_FIRMWARE}/SHA256SUMS")
  set(signature_file "${RZ_RELEASE_FIRMWARE}/SHA256SUMS.minisig")
  foreach(file IN ITEMS "${list_file}" "${signature_file}")
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: no file ${file}")
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list_file}" "${signature_file}")

  find_program(RZ_MINISIGN minisign)
  if(NOT RZ_MINISIGN)
    message(FATAL_ERROR "minisign checks the maker's release; install it (package minisign)")
  endif()
  set(signed_by "")
  foreach(key IN LISTS rz_release_key_files)
    execute_process(COMMAND ${RZ_MINISIGN} -Vq -m "${list_file}" -x "${signature_file}" -p "${key}"
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(status EQUAL 0)
      set(signed_by "${key}")
      break()
    endif()
  endforeach()
  if(NOT signed_by)
    message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${list_file} is not signed by a key of RZ_RELEASE_KEYS")
  endif()
  rz_key_id(signed_id "${signed_by}")
  string(REGEX REPLACE "^0+" "" signed_id_digits "${signed_id}")
  if(signed_id_digits IN_LIST rz_revoked_key_ids)
    message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${list_file} is signed by key ${signed_id}, "
                        "which RZ_REVOKED_KEYS revokes: the updater would refuse it")
  endif()

  # Lines as sha256sum writes them: the digest, two spaces (or a space and
  # "*") and a file of the folder.
  file(STRINGS "${list_file}" list_lines)
  foreach(line IN LISTS list_lines)
    if(NOT line MATCHES "^([0-9a-fA-F]+) [ *]([^/]+)$")
      message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${list_file} has a line sha256sum did not write: '${line}'")
    endif()
    set(listed "${CMAKE_MATCH_1}")
    set(image "${RZ_RELEASE_FIRMWARE}/${CMAKE_MATCH_2}")
    if(NOT EXISTS "${image}" OR IS_DIRECTORY "${image}")
      message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${image}, listed in SHA256SUMS, is missing")
    endif()
    file(SHA256 "${image}" digest)
    string(TOLOWER "${listed}" listed)
    if(NOT digest STREQUAL listed)
      message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${image} does not match its digest in SHA256SUMS")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${image}")
    list(APPEND rz_maker_release_files "${image}")
  endforeach()
  if(NOT rz_maker_release_files)
    message(FATAL_ERROR "RZ_RELEASE_FIRMWARE: ${list_file} lists no image")
  endif()
  list(APPEND rz_maker_release_files "${list_file}" "${signature_file}")
  get_filename_component(signed_by "${signed_by}" NAME)
  message(STATUS "The maker's release in ${RZ_RELEASE_FIRMWARE} is signed by ${signed_by}")
endif()
