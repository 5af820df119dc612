#ifndef RZCALLLIST_H
#define RZCALLLIST_H

// The device library's calls, each once: the recording wrappers
// (families/RecordedLibrary) and the simulated library's exported entry
// points (simulator/RzApi.cpp) are made from this list. A new call is added
// here and in rz_api.h, whose declarations stay the maker's.
//
// RZ_LIBRARY_CALLS(X) calls X(name, status, parameters, arguments, record)
// for each call:
//   name        the library's function
//   status      what it returns, as rz_api.h declares it
//   parameters  its parameter list, as rz_api.h declares it
//   arguments   the same names, to pass them on
//   record      what a recording keeps of the call, in the order it keeps
//               them, named as the parameters are named (the simulated
//               library's replay compares them by these names):
//     RZ_IN(p)          an input
//     RZ_OUT(p)         an output, read where p points after the call
//     RZ_IN_OUT(p)      the value where p points on entry and on return
//     RZ_IMAGE(p)       an image path: its name, size and digest
//     RZ_OUT_LIST(p, n) the list p of at most *n entries on entry, *n on return
// The user of the list defines the RZ_* kinds before expanding it.
//
// rzGetAPIVersion is not among them: it heads a recording rather than being
// one of its calls.
#define RZ_LIBRARY_CALLS(X)                                                                                        \
    /* Plain functions: an operational instrument. */                                                             \
    X(rzOpenDevice, int, (int* handle), (handle), RZ_IN_OUT(handle))                                              \
    X(rzCloseDevice, int, (int handle), (handle), RZ_IN(handle))                                                  \
    X(rzGetDeviceInfo, int, (int handle, RzDeviceType* type, int* serial), (handle, type, serial),               \
      RZ_IN(handle) RZ_OUT(type) RZ_OUT(serial))                                                                  \
    X(rzGetFirmwareVersion, int, (int handle, int* boot, int* run, int* fpga), (handle, boot, run, fpga),        \
      RZ_IN(handle) RZ_OUT(boot) RZ_OUT(run) RZ_OUT(fpga))                                                        \
    /* USB configuration family. */                                                                               \
    X(rzConfigUSBOpenDevice, RzInitStatus, (int* handle), (handle), RZ_IN_OUT(handle))                            \
    X(rzConfigUSBOpenDeviceBySerial, RzInitStatus, (int* handle, int serial), (handle, serial),                   \
      RZ_IN_OUT(handle) RZ_IN(serial))                                                                            \
    X(rzConfigUSBBootstrapDevice, RzInitStatus, (int* handle, const char* bootImagePath), (handle, bootImagePath), \
      RZ_IN_OUT(handle) RZ_IMAGE(bootImagePath))                                                                  \
    X(rzConfigUSBGetDeviceSerial, RzInitStatus, (int handle, int* serial), (handle, serial),                      \
      RZ_IN(handle) RZ_OUT(serial))                                                                               \
    X(rzConfigUSBGetDeviceType, RzInitStatus, (int handle, RzDeviceType* type), (handle, type),                   \
      RZ_IN(handle) RZ_OUT(type))                                                                                 \
    X(rzConfigUSBGetSerialFromFlash, RzInitStatus, (int handle, int* serial), (handle, serial),                   \
      RZ_IN(handle) RZ_OUT(serial))                                                                               \
    X(rzConfigUSBCloseDevice, RzInitStatus, (int handle), (handle), RZ_IN(handle))                                \
    X(rzConfigUSBClearBootSector, RzInitStatus, (int handle), (handle), RZ_IN(handle))                            \
    X(rzConfigUSBWriteBootSector, RzInitStatus, (int handle, const char* imagePath, int serial),                  \
      (handle, imagePath, serial), RZ_IN(handle) RZ_IMAGE(imagePath) RZ_IN(serial))                               \
    X(rzConfigUSBClearRunSector, RzInitStatus, (int handle), (handle), RZ_IN(handle))                             \
    X(rzConfigUSBWriteRunSector, RzInitStatus, (int handle, const char* imagePath, int serial),                   \
      (handle, imagePath, serial), RZ_IN(handle) RZ_IMAGE(imagePath) RZ_IN(serial))                               \
    X(rzConfigUSBClearFPGAProgram, RzInitStatus, (int handle, double* progress), (handle, progress),              \
      RZ_IN(handle) RZ_OUT(progress))                                                                             \
    X(rzConfigUSBWriteFPGAProgram, RzInitStatus, (int handle, const char* imagePath, double* progress),           \
      (handle, imagePath, progress), RZ_IN(handle) RZ_IMAGE(imagePath) RZ_OUT(progress))                          \
    /* Network configuration family. */                                                                           \
    X(rzConfigNetGetDeviceList, RzStatus, (int* serials, int* count), (serials, count),                           \
      RZ_IN_OUT(count) RZ_OUT_LIST(serials, count))                                                               \
    X(rzConfigNetOpenDevice, RzStatus, (int* handle, int serial), (handle, serial), RZ_IN_OUT(handle) RZ_IN(serial)) \
    X(rzConfigNetBootstrapDevice, RzStatus, (int* handle, const char* bootImagePath), (handle, bootImagePath),     \
      RZ_IN_OUT(handle) RZ_IMAGE(bootImagePath))                                                                  \
    X(rzConfigNetGetSerialFromFlash, RzStatus, (int handle, int* serial), (handle, serial),                       \
      RZ_IN(handle) RZ_OUT(serial))                                                                               \
    X(rzConfigNetGetFirmwareVersion, RzStatus, (int handle, int* firmwareNumber), (handle, firmwareNumber),       \
      RZ_IN(handle) RZ_OUT(firmwareNumber))                                                                       \
    X(rzConfigNetGetFPGAStatus, RzStatus, (int handle, int* state), (handle, state), RZ_IN(handle) RZ_OUT(state)) \
    X(rzConfigNetCloseDevice, RzStatus, (int handle), (handle), RZ_IN(handle))                                    \
    X(rzConfigNetClearFx3, RzStatus, (int handle), (handle), RZ_IN(handle))                                       \
    X(rzConfigNetWriteFx3, RzStatus, (int handle, const char* imagePath, int serial), (handle, imagePath, serial), \
      RZ_IN(handle) RZ_IMAGE(imagePath) RZ_IN(serial))                                                            \
    X(rzConfigNetClearFPGA, RzStatus, (int handle), (handle), RZ_IN(handle))                                      \
    X(rzConfigNetWriteFGPA, RzStatus, (int handle, const char* imagePath), (handle, imagePath),                   \
      RZ_IN(handle) RZ_IMAGE(imagePath))                                                                          \
    X(rzConfigNetPreset, RzStatus, (int handle), (handle), RZ_IN(handle))

#ifdef __cplusplus
#include "device/rz_api.h"

#include <type_traits>

// An entry whose status or parameters differ from the maker's declaration
// stops the build wherever the list is used.
#define RZ_CHECK_DECLARATION(name, status, parameters, arguments, record)                                          \
    static_assert(std::is_same<decltype(&::name), status(*) parameters>::value,                                     \
                  #name " in RzCallList.h differs from its declaration in rz_api.h");
RZ_LIBRARY_CALLS(RZ_CHECK_DECLARATION)
#undef RZ_CHECK_DECLARATION
#endif

#endif
