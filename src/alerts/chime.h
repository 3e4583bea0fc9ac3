#pragma once

// A short soft tone. The app's plays the program's own sound through a
// plugin loaded on first use, so nothing of the sound system is loaded
// before a choice asks for it; tests count the tones.
class Chime
{
public:
    virtual ~Chime() = default;
    // False when no tone can be played here (no sound plugin or library);
    // the first call may load it.
    virtual bool isAvailable() = 0;
    // Returns at once; the tone plays in the background.
    virtual void play() = 0;
};
