#pragma once

#include "alerts/speaker.h"

#include <QStringList>

// A voice that writes down what it is told to say.
class FakeSpeaker final : public Speaker
{
public:
    bool isAvailable() override { return available; }
    void say(const QString &sentence) override { said << sentence; }
    bool available = true;
    QStringList said;
};
