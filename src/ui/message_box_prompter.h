#pragma once

#include "common/prompter.h"

// Asks and tells through modal message boxes titled with the program's name.
class MessageBoxPrompter : public Prompter
{
public:
    void showMessage(const QString &text) override;
    bool confirm(const QString &question) override;
    Answer ask(const QString &question) override;
};
