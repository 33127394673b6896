#pragma once
// Reading and writing whole files safely. Only regular files are read, and
// opening one never waits (a FIFO or a device is refused at once). A file is
// written beside its final name, synced and renamed over it, so that a full
// disk, a size limit or a killed process leaves the old file as it was and
// no half-written one in its place.

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolux {

// Why a file could not be read or written; the window and the command line
// put these in words of their own.
enum class FileFault {
    None,
    NotFound,     // no such file or folder
    NotAllowed,   // no permission, or a read-only file system
    NotRegular,   // a folder, FIFO, device or socket
    NoSpace,      // the disk (or the user's quota) is full
    SizeLimit,    // larger than the process may write
    Other,        // see the error number
};

struct FileResult {
    FileFault fault = FileFault::None;
    int error = 0; // errno when the system said why
    explicit operator bool() const { return fault == FileFault::None; }
};

FileFault faultOfErrno(int error);

struct FileReading {
    FileResult result;
    std::string bytes;
};

// The first `limit` bytes of the regular file at `path` (ask for one more
// byte than allowed to tell a file that is too long).
FileReading readRegularFile(const std::string& path, std::size_t limit);

// Replaces (or creates) the file at `path` with `bytes`, whole or not at all.
// A symbolic link is followed; anything but a regular file there is refused.
FileResult writeFileAtomically(const std::string& path, std::string_view bytes);

// "no space is left on the disk" and the like, in English.
std::string faultText(const FileResult& result);

} // namespace tavolux
