#include "common/durable_write.h"
#include "common/durable_write_parts.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

namespace fs = std::filesystem;

// Windows has no directory to sync: MoveFileExW with MOVEFILE_WRITE_THROUGH
// returns only once the rename is on the disk.

namespace {

using durable::failure;

// A new file only: one left by a writer that died is never written into.
int createTemporary(const fs::path &path, fs::path &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = durable::temporaryPathFor(path, ::_getpid());
        const int fd = ::_wopen(
            temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const unsigned chunk = bytes.size() < (1u << 30) ? unsigned(bytes.size()) : 1u << 30;
        const int written = ::_write(fd, bytes.data(), chunk);
        if (written <= 0) {
            errno = written == 0 ? ENOSPC : errno;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Writes, commits (FlushFileBuffers) and closes the temporary file; 0 or the
// C runtime's error.
int fillTemporary(int fd, std::string_view bytes)
{
    int error = writeAll(fd, bytes) && ::_commit(fd) == 0 ? 0 : errno;
    if (::_close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

DurableWriteResult replaceFileDurably(const fs::path &path, std::string_view bytes)
{
    fs::path temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return failure(errno);
    if (const int error = fillTemporary(fd, bytes)) {
        ::_wunlink(temporary.c_str());
        return failure(error);
    }
    if (!::MoveFileExW(
            temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::_wunlink(temporary.c_str());
        return { false, std::system_category().message(int(error)) };
    }
    return {};
}

DurableWriteResult syncParentDirectory(const fs::path &)
{
    return {};
}
