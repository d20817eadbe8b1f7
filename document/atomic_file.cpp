#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace {

FileResult Failure(const std::string& what, const std::string& path, int error) {
    return {false, what + " \"" + path + "\": " + std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names in the end: symbolic links are followed one by one, also to a file
// that does not exist yet, so that saving through a link writes where it points.
bool ResolveLinks(const std::string& path, std::string& target, int& error) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t n = ::readlink(target.c_str(), link.data(), PATH_MAX);
        if (n < 0) {
            error = errno;
            return false;
        }
        const std::string next(link.data(), static_cast<size_t>(n));
        target = next.front() == '/' ? next : FolderOf(target) + "/" + next;
    }
    error = ELOOP;
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Writes bytes over an existing file without replacing it (the other hard links see them).
bool WriteInPlace(const std::string& target, std::string_view bytes, int& error) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    const bool ok = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                    ::fsync(fd) == 0;
    error = ok ? 0 : errno;
    return ::close(fd) == 0 && ok;
}

}  // namespace

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target;
    int error = 0;
    if (!ResolveLinks(path, target, error))
        return Failure("Cannot follow the link", path, error);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return {false, "Cannot replace \"" + path +
                           "\": it is not a regular file (a device, a pipe or a socket)"};
    const bool regular = exists && S_ISREG(st.st_mode);
    if (regular &&
        (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 || (st.st_mode & 0222) == 0))
        return {false, "Cannot replace \"" + path + "\": the file is read-only"};

    const size_t slash = target.find_last_of('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string tempName =
        (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + "." + base +
        ".XXXXXX";
    std::vector<char> temp(tempName.begin(), tempName.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failure("Cannot create a file in the folder of", path, errno);
    const std::string tempPath(temp.data());
    auto fail = [&](const char* what, int code) {
        ::unlink(tempPath.c_str());
        return Failure(what, path, code);
    };

    // the permissions, owner and group of the file being replaced; a new file gets the usual
    // permissions
    if (regular) {
        // owner and group need root; the group alone, a user who belongs to it
        if (::fchown(fd, st.st_uid, st.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
            // the new file keeps the user's own group
        }
        // after fchown, which may clear the set-id bits
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        return fail("Cannot write", code);
    }
    if (::close(fd) != 0)
        return fail("Cannot write", errno);

    if (regular && st.st_nlink > 1) {
        if (!WriteInPlace(target, bytes, error))
            return {false, "Cannot write \"" + path +
                               "\" in place (it has further hard links): " + std::strerror(error) +
                               "; the complete text is in \"" + tempPath + "\""};
        ::unlink(tempPath.c_str());
        return {};
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return fail("Cannot replace", errno);
    // the rename itself reaches the disk with its folder
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure("Cannot open", path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Failure("Cannot read", path, EISDIR);
    }
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
            ::close(fd);
            return Failure("Cannot read", path, EFBIG);
        }
        // room for the two zero bytes that the scene reader puts after a text: no second copy
        bytes.reserve(static_cast<size_t>(st.st_size) + 2);
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return Failure("Cannot read", path, error);
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            ::close(fd);
            bytes.clear();
            return Failure("Cannot read", path, EFBIG);
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return {};
}
