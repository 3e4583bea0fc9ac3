#pragma once

#include <QLockFile>
#include <memory>

// Keeps a second copy of the program from running beside the first. The lock
// lives in the user's runtime directory and names the process that holds it,
// so a copy that crashed leaves no lock that would keep the next one out.
class SingleInstance
{
public:
    // True when no other copy holds the lock; the lock is then ours until
    // this object goes.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
