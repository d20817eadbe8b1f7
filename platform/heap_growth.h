// How the process's heap grows. A large scene is read in millions of small allocations, and
// by default the C library takes memory from the system a little at a time (a helper thread's
// heap a page per system call). The batch tool and the desktop let it take large steps.
#pragma once

// Called once at the start of the process, before any helper thread runs.
void GrowHeapInLargeSteps();
