#include "platform/heap_tuning.h"

// any C library header tells which C library this is
#include <cstdlib>

#if defined(ORVANTA_MIMALLOC)
#include <mimalloc.h>
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

void TuneHeapForLargeScenes() {
#if defined(ORVANTA_MIMALLOC)
    // The programs allocate through mimalloc. Its memory comes in 2 MB pages where the system
    // gives them on request (transparent huge pages): such a page takes one page fault where
    // 4 kB pages take 512, and the processor misses its address cache less often. Untouched
    // memory is never resident, so the process grows no larger for it. The environment's
    // MIMALLOC_... settings still come first.
    mi_option_set_enabled_default(mi_option_large_os_pages, true);
    mi_option_set_default(mi_option_eager_commit_delay, 0);
    // Memory freed stays with the process for a second before it goes back to the system: an
    // import frees what it has mapped while it goes on allocating the rest.
    mi_option_set_default(mi_option_decommit_delay, 1000);
    mi_option_set_default(mi_option_segment_decommit_delay, 1000);
#elif defined(__GLIBC__)
    // 64 MB is a whole heap of a thread's arena: it is made usable in one step.
    mallopt(M_TOP_PAD, 64 << 20);
#endif
}

void ReturnFreeMemory() {
#if defined(ORVANTA_MIMALLOC)
    // without the second's delay
    const long delay = mi_option_get(mi_option_decommit_delay);
    const long segmentDelay = mi_option_get(mi_option_segment_decommit_delay);
    mi_option_set(mi_option_decommit_delay, 0);
    mi_option_set(mi_option_segment_decommit_delay, 0);
    mi_collect(true);
    mi_option_set(mi_option_decommit_delay, delay);
    mi_option_set(mi_option_segment_decommit_delay, segmentDelay);
#elif defined(__GLIBC__)
    malloc_trim(0);
#endif
}
