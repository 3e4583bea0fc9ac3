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

    // Asks the copy that holds the lock to show itself (SIGUSR1, which that
    // copy's QuitSignals hears). Only a live copy of this program is asked:
    // the lock names its process and Qt checks that process's name.
    void wakeRunningCopy() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};
