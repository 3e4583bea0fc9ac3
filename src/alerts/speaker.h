#pragma once

#include <QString>

// A voice. The app's speaks through the system's speech engine; tests
// write down what they are told.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // False when the system has no speech engine.
    virtual bool isAvailable() = 0;
    // Returns at once; the sentence is spoken in the background, after any
    // still being spoken.
    virtual void say(const QString &sentence) = 0;
};
