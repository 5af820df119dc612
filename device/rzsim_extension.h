/* An extension only the simulated device library has, beside the maker's
 * calls in rz_api.h. The maker's library does not export it: the updater
 * never links against it, and looks it up at run time (dlsym) instead,
 * taking its absence for a library that answers for a real instrument.
 */
#ifndef RZSIM_EXTENSION_H
#define RZSIM_EXTENSION_H

#ifdef __cplusplus
extern "C" {
#endif

/* The name to look up. */
#define RZSIM_REPLAY_SOURCE "rzsimReplaySource"

/* The recording the library answers from (RZ_SIM_REPLAY), as an absolute
 * path in the file system's encoding; NULL when it simulates an instrument.
 * The text stays valid as long as the library is loaded. */
typedef const char* (*RzsimReplaySourceCall)(void);
const char* rzsimReplaySource(void);

#ifdef __cplusplus
}
#endif

#endif
