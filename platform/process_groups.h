// The programs we start (POV-Ray, the image viewer) run in process groups of their own, and
// those groups end with us: when we exit, when a signal ends us, and when the user stops them.
// A program that POV-Ray or a wrapper script starts in turn belongs to the same group.
//
// POSIX only, no toolkit: the batch tool and the desktop application share it.
#pragma once

namespace process_groups {

// Call in the child between fork and exec: puts it in a group of its own and asks the kernel
// to end it (SIGTERM) when the parent dies in a way no handler sees (SIGKILL). parentPid is
// the parent's pid taken before the fork. Async-signal-safe.
void PrepareChild(int parentPid);

// Remembers a group to end at exit, or forgets it (it ended on its own).
void Add(int group);
void Remove(int group);

// Ends a group: SIGTERM (and SIGCONT, so that a stopped group sees it), or SIGKILL when force.
void End(int group, bool force);

// Ends every remembered group with SIGTERM. Async-signal-safe.
void EndAll();

// Ends the remembered groups at normal exit (atexit) and on SIGINT, SIGTERM, SIGHUP and
// SIGQUIT, after which the signal takes its default course. Call once, early in main.
void InstallExitHandlers();

}  // namespace process_groups
