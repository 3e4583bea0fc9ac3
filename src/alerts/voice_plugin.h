#pragma once

#include "alerts/speaker.h"

#include <QtPlugin>

class QLocale;
class QObject;

// The program's own plugin for what it says. The library behind a voice (Qt
// TextToSpeech) is big to relocate and mostly unused, so the program links
// none of it: the plugin is loaded when a choice first needs it or the alerts
// window asks. The coach's tone has a plugin of its own (Chime).
class VoicePlugin
{
public:
    virtual ~VoicePlugin() = default;

    // The system's speech engine, speaking language where it has a voice
    // for it; parent owns it.
    virtual Speaker *createSpeaker(const QLocale &language, QObject *parent) = 0;
};

#define VoicePlugin_iid "org.callwise.VoicePlugin/2"
Q_DECLARE_INTERFACE(VoicePlugin, VoicePlugin_iid)
