#ifndef RECORDEDLIBRARY_H
#define RECORDEDLIBRARY_H

#include "device/RzCallList.h"

// The device library's calls as the families make them: each the library's
// own, recorded by CallRecorder when recording is on, its status as an int.
// One member per entry of RZ_LIBRARY_CALLS, named and declared as the
// library's.
class RecordedLibrary
{
public:
#define RZ_RECORDED_DECLARATION(name, status, parameters, arguments, record) static int name parameters;
    RZ_LIBRARY_CALLS(RZ_RECORDED_DECLARATION)
#undef RZ_RECORDED_DECLARATION
};

#endif
