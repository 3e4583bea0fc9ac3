#pragma once

#include <QObject>

// A short soft tone. The app's plays the program's own sound through a
// plugin loaded on first use, so nothing of the sound system is loaded
// before a choice asks for it; the plugin implements this same interface.
// Tests count the tones.
class Chime
{
public:
    virtual ~Chime() = default;
    // False when no tone can be played here (no plugin, no sound library,
    // no output); the first call may load them.
    virtual bool isAvailable() = 0;
    // Returns at once; the tone plays in the background.
    virtual void play() = 0;
};

#define CallwiseChime_iid "org.callwise.Chime/1"
Q_DECLARE_INTERFACE(Chime, CallwiseChime_iid)
