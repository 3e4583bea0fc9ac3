#pragma once

// What the writers of both platforms share.

#include "common/durable_write.h"

#include <atomic>
#include <string>
#include <system_error>

namespace durable {

inline DurableWriteResult failure(int error)
{
    return { false, std::generic_category().message(error) };
}

// Named after the file, this process and a count, so neither two programs
// nor two saves in one ever share a temporary file.
inline std::filesystem::path temporaryPathFor(const std::filesystem::path &path, long long process)
{
    static std::atomic<unsigned> saves { 0 };
    // Appended piece by piece: GCC 12 warns, wrongly, of an overlapping copy
    // in a string put after a literal with "+".
    std::string suffix = ".";
    suffix += std::to_string(process);
    suffix += '-';
    suffix += std::to_string(saves++);
    suffix += ".tmp";
    std::filesystem::path temporary = path;
    temporary += suffix;
    return temporary;
}

} // namespace durable
