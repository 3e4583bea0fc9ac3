#pragma once

// Every data file and the save the program makes of it, for the fault tests
// and for save_each, which the save-order test runs under strace.

#include "support/scripted_prompter.h"

#include <QString>

#include <span>

struct DataFile
{
    const char *name;
    QString fileName;
    // Saves what the program would, different in each round; ok as its
    // caller sees it.
    bool (*save)(const QString &dir, ScriptedPrompter &prompter, int round);
    // Shown on a failed save; empty where the caller shows the returned error.
    QString failureMessage;

    // The user was told of a failed save as the program tells it.
    bool toldOfFailure(const QStringList &shown) const;
};

extern const std::span<const DataFile> kDataFiles;
