#include "platform/heap_growth.h"

// any C library header tells which C library this is
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void GrowHeapInLargeSteps() {
#if defined(__GLIBC__)
    // 64 MB is a whole heap of a thread's arena: it is made usable in one step. Memory that is
    // not touched is never resident, so the process grows no larger for it.
    mallopt(M_TOP_PAD, 64 << 20);
#endif
}
