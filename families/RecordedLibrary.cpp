#include "families/RecordedLibrary.h"

#include "families/CallRecorder.h"

// Each call's inputs are taken before it and its outputs read after it, in
// the order the list gives them.
#define RZ_IN(p) .in(#p, p)
#define RZ_OUT(p) .out(#p, p)
#define RZ_IN_OUT(p) .inOut(#p, p)
#define RZ_IMAGE(p) .image(#p, p)
// The room is read before the call writes the count.
#define RZ_OUT_LIST(p, n) .outList(#p, p, n ? *n : 0, n)

#define RZ_RECORDED_DEFINITION(name, status, parameters, arguments, record)                                        \
    int RecordedLibrary::name parameters                                                                            \
    {                                                                                                               \
        return CallRecorder::Call(#name) record.made([=] { return ::name arguments; });                            \
    }

RZ_LIBRARY_CALLS(RZ_RECORDED_DEFINITION)
