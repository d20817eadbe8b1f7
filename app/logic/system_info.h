// What the about box reports of the machine: the physical memory, and the free space of the
// file system that holds the current folder. Reading the file system runs on a worker thread
// with a time limit, so that a hung network mount never blocks the box.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

struct FreeSpace {
    uint64_t kilobytes = 0;
    std::string mountPoint;  // the file system's mount point (the folder when it is unknown)
};

// total physical memory in KB; nothing when the system does not tell
std::optional<uint64_t> PhysicalMemoryKb();
// The space available to the user on the file system of folder (the current folder when
// empty); nothing when it cannot be read within timeout.
std::optional<FreeSpace> FreeDiskSpace(const std::string& folder,
                                       std::chrono::milliseconds timeout);

// the about box's two lines, in the user's language (UTF-8)
std::string MemoryText(std::optional<uint64_t> kilobytes);
std::string FreeSpaceText(const std::optional<FreeSpace>& space);
