#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

void ScriptedPrompter::showMessage(const QString &text)
{
    messages << text;
    if (m_duringMessage) {
        auto action = std::exchange(m_duringMessage, {});
        action();
    }
}

bool ScriptedPrompter::confirm(const QString &question)
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
