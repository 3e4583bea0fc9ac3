#pragma once

#include "alerts/speaker.h"

#include <QObject>

class OwnPlugin;

// The voice plugin's speaker, made when first asked whether there is one:
// start-up loads nothing of speech. Without the plugin there is no engine.
class PluginSpeaker final : public QObject, public Speaker
{
    Q_OBJECT

public:
    explicit PluginSpeaker(OwnPlugin &voice, QObject *parent = nullptr);

    bool isAvailable() override;
    void say(const QString &sentence) override;

private:
    Speaker *speaker();

    OwnPlugin &m_voice;
    Speaker *m_speaker = nullptr;
    bool m_asked = false;
};
