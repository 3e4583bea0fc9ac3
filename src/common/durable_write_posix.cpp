#include "common/durable_write.h"
#include "common/durable_write_parts.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using durable::failure;

// A new file only: one left by a writer that died is never written into.
int createTemporary(const fs::path &path, fs::path &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = durable::temporaryPathFor(path, ::getpid());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errno = written == 0 ? ENOSPC : errno;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Writes, syncs and closes the temporary file; 0 or the system's error.
int fillTemporary(int fd, std::string_view bytes)
{
    int error = writeAll(fd, bytes) && ::fsync(fd) == 0 ? 0 : errno;
    // close() reports a write the disk refused late (NFS, full quota).
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

int syncDirectory(const fs::path &directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

DurableWriteResult replaceFileDurably(const fs::path &path, std::string_view bytes)
{
    fs::path temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return failure(errno);

    // The new file keeps the old one's permissions.
    struct stat old;
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    int error = fillTemporary(fd, bytes);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    return syncParentDirectory(path);
}

DurableWriteResult syncParentDirectory(const fs::path &path)
{
    if (const int error = syncDirectory(path.has_parent_path() ? path.parent_path() : "."))
        return failure(error);
    return {};
}
