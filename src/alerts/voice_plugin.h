#pragma once

#include "alerts/speaker.h"

#include <QtPlugin>

class QObject;

// The program's own plugin for what it says and plays. The libraries behind
// a voice (Qt TextToSpeech, and Qt Multimedia for the coach's tone) are big
// to relocate and mostly unused, so the program links none of them: the
// plugin is loaded when a choice first needs it or the alerts window asks.
class VoicePlugin
{
public:
    virtual ~VoicePlugin() = default;

    // The system's speech engine; parent owns it.
    virtual Speaker *createSpeaker(QObject *parent) = 0;

    // The coach's tone player comes from here too, as
    // `virtual Chime *createChime(QObject *parent) = 0;`, with the version
    // in the interface id below raised so an older plugin is refused.
};

#define VoicePlugin_iid "org.callwise.VoicePlugin/1"
Q_DECLARE_INTERFACE(VoicePlugin, VoicePlugin_iid)
