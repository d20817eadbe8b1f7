// Saving files so that nothing is lost: the scene files, the logs, the pictures the batch tool
// draws and POV-Ray's images, the settings files.
//
// The bytes go to a temporary file in the target's folder, which is written completely and
// flushed to disk before it takes the target's place by a rename; a failure leaves the previous
// file as it was and no temporary file behind. The rules for what may be replaced:
// - a symbolic link is followed, and the file it points to is replaced (the link stays);
// - only a regular file is replaced: a device, a pipe or a socket is refused, and a folder
//   cannot be (the rename fails);
// - a read-only file is refused, also for a user who could replace it (root): what may not be
//   written may not be replaced;
// - the new file keeps the permissions of the old one and, where the process may, its owner
//   and group; a new file gets the usual permissions (0666 less the umask);
// - a file with further hard links is written in place, after the temporary file has been
//   written completely (which proves the room on the disk), so that every link shows the new
//   text; should that write fail, the temporary file is kept and the message names it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct FileResult {
    bool ok = true;
    // what went wrong, with the operating system's reason; empty on success
    std::string error;
};

// On failure the previous file (if any) is untouched and no temporary file is left behind
// (except as described for hard links).
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; a folder, or a file of more than maxBytes, is refused.
FileResult ReadWholeFile(const std::string& path, std::string& bytes,
                         std::size_t maxBytes = static_cast<std::size_t>(-1));
