#pragma once

#include "common/prompter.h"

#include <QStringList>

#include <deque>
#include <functional>

// Answers questions from a script and remembers everything it was shown.
class ScriptedPrompter final : public Prompter
{
public:
    enum class Answer { Yes, No };

    void showMessage(const QString &text) override;
    bool confirm(const QString &question) override;

    void answer(Answer next) { m_answers.push_back(next); }
    // Runs while a message is "open", as timers run under a modal box.
    void whileMessageOpen(std::function<void()> action) { m_duringMessage = std::move(action); }

    QStringList messages;
    QStringList questions;

private:
    std::deque<Answer> m_answers;
    std::function<void()> m_duringMessage;
};
