/* Declarations of the instrument maker's device library.
 *
 * Every call the updater makes to an instrument goes through these functions.
 * The project ships its own implementation (a simulated instrument, simulator/);
 * the maker's library exports the same symbols and can be used in its place.
 *
 * Statuses: 0 is success, any other value is a failure. Callers test only
 * zero against non-zero. Integers are 32-bit signed. Text is NUL-terminated
 * 8-bit; image paths are relative to the working directory.
 */
#ifndef RZ_API_H
#define RZ_API_H

#ifdef __cplusplus
/* A fixed underlying type keeps every 32-bit value a library may report valid
 * in C++ (an unknown device type must not be undefined behaviour), while the
 * layout stays that of the C enums below. */
#define RZ_ENUM(name) enum name : int
#define RZ_ENUM_END(name)
extern "C" {
#else
#define RZ_ENUM(name) typedef enum name
#define RZ_ENUM_END(name) name
#endif

RZ_ENUM(RzDeviceType) {
    RZ_DEVICE_RZ610R = 0,
    RZ_DEVICE_RZ610S = 1,
    RZ_DEVICE_RZ610T = 2,
    RZ_DEVICE_RZ870S = 3
} RZ_ENUM_END(RzDeviceType);

/* Status of the USB configuration family. */
RZ_ENUM(RzInitStatus) {
    RZ_INIT_SUCCESS = 0,
    RZ_INIT_NO_DEVICE = 1,
    RZ_INIT_INVALID_HANDLE = 2,
    RZ_INIT_INVALID_ARGUMENT = 3,
    RZ_INIT_BAD_IMAGE = 4,
    RZ_INIT_IO_ERROR = 5,
    RZ_INIT_FAILURE = 6
} RZ_ENUM_END(RzInitStatus);

/* Status of the network configuration family. */
RZ_ENUM(RzStatus) {
    RZ_SUCCESS = 0,
    RZ_NO_DEVICE = 1,
    RZ_INVALID_HANDLE = 2,
    RZ_INVALID_ARGUMENT = 3,
    RZ_BAD_IMAGE = 4,
    RZ_IO_ERROR = 5,
    RZ_FAILURE = 6
} RZ_ENUM_END(RzStatus);

/* Values the plain functions return as int. */
RZ_ENUM(RzApiStatus) {
    RZ_API_SUCCESS = 0,
    RZ_API_NO_DEVICE = 1,
    RZ_API_INVALID_HANDLE = 2,
    RZ_API_INVALID_ARGUMENT = 3,
    RZ_API_FAILURE = 6
} RZ_ENUM_END(RzApiStatus);

/* FPGA states reported by rzConfigNetGetFPGAStatus. */
#define RZ_FPGA_LOADED 1
#define RZ_FPGA_FAILED_TO_LOAD 2

/* Plain functions: an operational instrument. */
const char*  rzGetAPIVersion(void);
int          rzOpenDevice(int* handle);
int          rzCloseDevice(int handle);
int          rzGetDeviceInfo(int handle, RzDeviceType* type, int* serial);
int          rzGetFirmwareVersion(int handle, int* boot, int* run, int* fpga);

/* USB configuration family: RZ610R, RZ610S, RZ870S. The progress value of
 * the two FPGA calls is a percentage, 0 to 100, raised while the call works. */
RzInitStatus rzConfigUSBOpenDevice(int* handle);
RzInitStatus rzConfigUSBOpenDeviceBySerial(int* handle, int serial);
RzInitStatus rzConfigUSBBootstrapDevice(int* handle, const char* bootImagePath);
RzInitStatus rzConfigUSBGetDeviceSerial(int handle, int* serial);
RzInitStatus rzConfigUSBGetDeviceType(int handle, RzDeviceType* type);
RzInitStatus rzConfigUSBGetSerialFromFlash(int handle, int* serial);
RzInitStatus rzConfigUSBCloseDevice(int handle);
RzInitStatus rzConfigUSBClearBootSector(int handle);
RzInitStatus rzConfigUSBWriteBootSector(int handle, const char* imagePath, int serial);
RzInitStatus rzConfigUSBClearRunSector(int handle);
RzInitStatus rzConfigUSBWriteRunSector(int handle, const char* imagePath, int serial);
RzInitStatus rzConfigUSBClearFPGAProgram(int handle, double* progress);
RzInitStatus rzConfigUSBWriteFPGAProgram(int handle, const char* imagePath, double* progress);

/* Network configuration family: RZ610T. On entry *count is the room in
 * serials; on return it is the number of instruments found. */
RzStatus     rzConfigNetGetDeviceList(int* serials, int* count);
RzStatus     rzConfigNetOpenDevice(int* handle, int serial);
RzStatus     rzConfigNetBootstrapDevice(int* handle, const char* bootImagePath);
RzStatus     rzConfigNetGetSerialFromFlash(int handle, int* serial);
RzStatus     rzConfigNetGetFirmwareVersion(int handle, int* firmwareNumber);
RzStatus     rzConfigNetGetFPGAStatus(int handle, int* state);
RzStatus     rzConfigNetCloseDevice(int handle);
RzStatus     rzConfigNetClearFx3(int handle);
RzStatus     rzConfigNetWriteFx3(int handle, const char* imagePath, int serial);
RzStatus     rzConfigNetClearFPGA(int handle);
RzStatus     rzConfigNetWriteFGPA(int handle, const char* imagePath);
RzStatus     rzConfigNetPreset(int handle);

#ifdef __cplusplus
}
#endif

#undef RZ_ENUM
#undef RZ_ENUM_END

#endif
