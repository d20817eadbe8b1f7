// Replacing a file's contents so that a failure never leaves it half written: the bytes go to
// a temporary file in the same folder, which is flushed to disk and renamed over the target.
#pragma once

#include <string>
#include <string_view>

struct FileResult {
    bool ok = true;
    // what went wrong, with the operating system's reason; empty on success
    std::string error;
};

// On failure the previous file (if any) is untouched and no temporary file is left behind.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file.
FileResult ReadWholeFile(const std::string& path, std::string& bytes);
