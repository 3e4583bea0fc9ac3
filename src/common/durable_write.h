#pragma once

// The one way a file is replaced whole. The bytes go to a new file beside the
// old one, which is synced to the disk, closed and renamed over the old one,
// and then the directory is synced so the rename itself lasts (on Windows the
// rename is written through instead). A power cut at any point leaves the old
// file or the new one, never a mix or neither. Standard C++ without Qt: the
// registry's file store, cross-built for Windows, uses it too.

#include <filesystem>
#include <string>
#include <string_view>

struct DurableWriteResult
{
    bool ok = true;
    std::string error; // the system's reason, in its own words

    explicit operator bool() const { return ok; }
};

// True only once the new bytes are on the disk under `path`. On a failure
// before the rename the old file is as it was and no temporary file is left;
// a directory that cannot be synced after it fails the save too, as the new
// name may not survive a power cut (the old bytes are gone by then).
DurableWriteResult replaceFileDurably(const std::filesystem::path &path, std::string_view bytes);

// Syncs the directory holding `path`, so that a file just created there keeps
// its name through a power cut. Windows has no directory to sync: ok there.
DurableWriteResult syncParentDirectory(const std::filesystem::path &path);
