#include "model/fileio.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolux {

namespace {

FileResult failed(int error)
{
    return FileResult{faultOfErrno(error), error};
}

FileResult notRegular()
{
    return FileResult{FileFault::NotRegular, 0};
}

// Closes on every path out.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        const int kept = fd;
        fd = -1;
        return kept;
    }
};

FileResult writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            return failed(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// The file a link names (links to links too); the path itself otherwise.
std::string followLinks(const std::string& path)
{
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0)
            return target;
        std::string next(buffer, static_cast<std::size_t>(n));
        if (next.front() != '/') {
            const std::size_t slash = target.find_last_of('/');
            if (slash != std::string::npos)
                next = target.substr(0, slash + 1) + next;
        }
        target = next;
    }
    return target;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside `target`, with the permissions a new file gets (or those
// of the file it replaces).
int createBeside(const std::string& target, std::string& name, const struct stat* replaced)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "." + base.substr(0, 200) + ".new-" + std::to_string(::getpid()) + "-"
               + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (replaced != nullptr)
                ::fchmod(fd, replaced->st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

FileFault faultOfErrno(int error)
{
    switch (error) {
    case 0:
        return FileFault::None;
    case ENOENT:
    case ENOTDIR:
        return FileFault::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFault::NotAllowed;
    case EISDIR:
        return FileFault::NotRegular;
    case ENOSPC:
    case EDQUOT:
        return FileFault::NoSpace;
    case EFBIG:
        return FileFault::SizeLimit;
    default:
        return FileFault::Other;
    }
}

FileReading readRegularFile(const std::string& path, std::size_t limit)
{
    FileReading reading;
    Descriptor file;
    // Without waiting: opening a FIFO for reading would block until a
    // writer came.
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        reading.result = failed(errno);
        return reading;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        reading.result = failed(errno);
        return reading;
    }
    if (!S_ISREG(info.st_mode)) {
        reading.result = notRegular();
        return reading;
    }
    std::string& bytes = reading.bytes;
    bytes.resize(limit);
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reading.result = failed(errno);
            bytes.clear();
            return reading;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return reading;
}

FileResult writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = followLinks(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return notRegular();

    std::string temporary;
    Descriptor file;
    file.fd = createBeside(target, temporary, replacing ? &old : nullptr);
    if (file.fd < 0)
        return failed(errno);
    FileResult result = writeAll(file.fd, bytes);
    if (result && ::fsync(file.fd) != 0)
        result = failed(errno);
    if (::close(file.release()) != 0 && result)
        result = failed(errno);
    if (result && ::rename(temporary.c_str(), target.c_str()) != 0)
        result = failed(errno);
    if (!result) {
        ::unlink(temporary.c_str());
        return result;
    }
    // The rename itself is on disk once the folder is.
    Descriptor folder;
    folder.fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return result;
}

std::string faultText(const FileResult& result)
{
    switch (result.fault) {
    case FileFault::None:
        return "no fault";
    case FileFault::NotFound:
        return "no such file or folder";
    case FileFault::NotAllowed:
        return "not allowed (no permission, or a read-only file system)";
    case FileFault::NotRegular:
        return "not a regular file";
    case FileFault::NoSpace:
        return "no space is left on the disk";
    case FileFault::SizeLimit:
        return "the file would exceed the size this process may write";
    case FileFault::Other:
        break;
    }
    return result.error != 0 ? std::strerror(result.error) : "unknown error";
}

} // namespace tavolux
