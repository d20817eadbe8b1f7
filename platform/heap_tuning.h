// How the programs' heap takes and gives back memory. A large scene is read in millions of
// small allocations that touch a few hundred megabytes for the first time; the batch tool and
// the desktop let the heap take that memory in large pages.
#pragma once

// Called once at the start of the process, before any helper thread runs.
void TuneHeapForLargeScenes();

// Gives the memory that the heap holds free back to the system now (a measurement that starts a
// fresh process from this one, say).
void ReturnFreeMemory();
