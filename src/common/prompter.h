#pragma once

#include <QString>

// Every message box of the program carries this title.
inline constexpr char16_t kProgramTitle[] = u"Callwise";

// How the core talks to the user: the app passes message boxes, tests a
// script of answers.
class Prompter
{
public:
    virtual ~Prompter() = default;
    // A message with an OK button only.
    virtual void showMessage(const QString &text) = 0;
    // A Yes/No question; true means go ahead, which is every answer but No.
    virtual bool confirm(const QString &question) = 0;

    enum class Answer { Yes, No, Cancel };
    // A Yes/No/Cancel question: closing the box is Cancel.
    virtual Answer ask(const QString &question) = 0;
};
