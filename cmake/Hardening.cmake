# Debian's hardening, as every Debian package is built: stack protector,
# _FORTIFY_SOURCE, format checks, read-only relocations bound at start-up
# (-z relro -z now) and position-independent executables. The flags come from
# dpkg-buildflags (dpkg-dev) with every hardening feature on, so they follow
# the distribution's defaults; its -g and -O2 repeat what the build type
# gives. A sanitizer build goes without them: _FORTIFY_SOURCE needs the
# optimisation that build leaves out.

option(RZ_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

if(RZ_HARDENING AND NOT RZ_SANITIZE)
  find_program(RZ_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT RZ_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (package dpkg-dev) gives the hardening flags; "
                        "install it, or configure with -DRZ_HARDENING=OFF")
  endif()
  foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${RZ_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(rz_hardening_${kind} ${flags})
  endforeach()
  add_compile_options(${rz_hardening_CPPFLAGS} ${rz_hardening_CXXFLAGS})
  add_link_options(${rz_hardening_LDFLAGS})
endif()
