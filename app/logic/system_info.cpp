#include "app/logic/system_info.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <fstream>
#include <future>
#include <memory>
#include <sstream>
#include <thread>

#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

// the longest mount point of /proc/self/mounts that holds path
std::string MountPointOf(const std::string& path) {
    std::ifstream mounts("/proc/self/mounts");
    std::string line, best;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint))
            continue;
        const bool holds = path == mountPoint || mountPoint == "/" ||
                           (path.compare(0, mountPoint.size(), mountPoint) == 0 &&
                            path.size() > mountPoint.size() && path[mountPoint.size()] == '/');
        if (holds && mountPoint.size() > best.size())
            best = mountPoint;
    }
    return best.empty() ? path : best;
}

std::optional<FreeSpace> ReadFreeSpace(std::string folder) {
    if (folder.empty()) {
        char buffer[4096];
        if (!getcwd(buffer, sizeof buffer))
            return std::nullopt;
        folder = buffer;
    }
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0)
        return std::nullopt;
    FreeSpace space;
    space.kilobytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize / 1024;
    space.mountPoint = MountPointOf(folder);
    return space;
}

// the German text's %lu and %s/%c given as C printf arguments
std::string FormatMessage(const std::string& format, uint64_t number, const std::string& text) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && format.compare(i, 3, "%lu") == 0) {
            out += std::to_string(number);
            i += 2;
        } else if (format[i] == '%' && i + 1 < format.size() &&
                   (format[i + 1] == 's' || format[i + 1] == 'c')) {
            out += text;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace

std::optional<uint64_t> PhysicalMemoryKb() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return std::nullopt;
    return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) / 1024;
}

std::optional<FreeSpace> FreeDiskSpace(const std::string& folder,
                                       std::chrono::milliseconds timeout) {
    // the worker keeps the promise alive on its own: if the file system hangs, the thread
    // is left behind and the box goes on without the value
    auto promise = std::make_shared<std::promise<std::optional<FreeSpace>>>();
    std::future<std::optional<FreeSpace>> result = promise->get_future();
    std::thread([promise, folder] { promise->set_value(ReadFreeSpace(folder)); }).detach();
    if (result.wait_for(timeout) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

std::string MemoryText(std::optional<uint64_t> kilobytes) {
    if (!kilobytes)
        return TrId(IDS_ABOUT_UNAVAILABLE);
    return FormatMessage(TrId(IDS_ABOUT_MEMORY), *kilobytes, "");
}

std::string FreeSpaceText(const std::optional<FreeSpace>& space) {
    if (!space)
        return TrId(IDS_ABOUT_UNAVAILABLE);
    return FormatMessage(TrId(IDS_ABOUT_FREE_DISK), space->kilobytes, space->mountPoint);
}
