#pragma once

#include "common/prompter.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <deque>
#include <functional>

// Answers questions from a script and remembers everything it was shown.
class ScriptedPrompter final : public Prompter
{
public:
    void showMessage(const QString &text) override
    {
        messages << text;
        if (m_duringMessage)
            std::exchange(m_duringMessage, {})();
    }
    bool confirm(const QString &question) override
    {
        questions << question;
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return false;
        }
        const Answer next = m_answers.front();
        m_answers.pop_front();
        return next != Answer::No;
    }
    Answer ask(const QString &question) override
    {
        questions << question;
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return Answer::Cancel;
        }
        const Answer next = m_answers.front();
        m_answers.pop_front();
        return next;
    }

    void answer(Answer next) { m_answers.push_back(next); }
    // Runs while a message is "open", as timers run under a modal box.
    void whileMessageOpen(std::function<void()> action) { m_duringMessage = std::move(action); }

    QStringList messages;
    QStringList questions;

private:
    std::deque<Answer> m_answers;
    std::function<void()> m_duringMessage;
};
