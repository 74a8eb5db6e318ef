#pragma once
/* The engine library's second C entry: runs one job in a named folder and
 * hands its outcome to the caller, for programs that run several jobs side by
 * side or want the outcome without reading the report back. The folder holds
 * the control file, as the current folder does for IORVANE. Plain C types
 * only: the library and the programs share nothing else. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* How one analysed set ended. */
typedef struct OrvaneSetEnd {
    int32_t iteration;  /* iterations run */
    int32_t offCurve;   /* nonzero: a deflection went past the end of a p-y curve */
    int32_t exceeded;   /* nonzero: the allowable deflection was exceeded (the station) */
    int32_t notClosed;  /* nonzero: the iteration did not close within the tolerance */
} OrvaneSetEnd;

/* Receives the outcome on the calling thread before the entry returns: one
 * call of `set` per analysed set in order, then `message` once when the job
 * did not complete. Either may be null. They must not throw. */
typedef struct OrvaneJobSink {
    void* context;
    void (*set)(void* context, const OrvaneSetEnd* set);
    void (*message)(void* context, const char* text);
} OrvaneJobSink;

/* Same interface number and result words as IORVANE. */
typedef int32_t (*OrvaneJobEntry)(int32_t interfaceNumber, const char* workDir, const OrvaneJobSink* sink);

#define ORVANE_JOB_ENTRY_NAME "IORVANE_JOB"

#ifdef __cplusplus
}
#endif
