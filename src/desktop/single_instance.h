#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running beside the first. The lock
// lives in the user's runtime directory (Windows: the user's temporary
// folder) and names the process that holds it, so a copy that crashed leaves
// no lock that would keep the next one out.
class SingleInstance
{
public:
    // True when no other copy holds the lock; the lock is then ours until
    // this object goes.
    bool acquire();

    // Asks the copy that holds the lock to show itself, through QuitSignals:
    // on Linux SIGUSR1, and only to a live copy of this program (the lock
    // names its process and Qt checks that process's name); on Windows the
    // show event of the user's session.
    void wakeRunningCopy() const;

private:
    // Where the lock lives.
    static QString lockDirectory();

    std::unique_ptr<QLockFile> m_lock;
};
