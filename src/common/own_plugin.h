#pragma once

// The program's own plugins carry what needs a big library that start-up
// does not: speech (Qt TextToSpeech), printing (Qt PrintSupport). Each is
// loaded the first time it is needed, from the plugin directory, and stays
// loaded to the end of the run, since what it made lives until then.

#include <QPluginLoader>

class OwnPlugin
{
public:
    // name: the file's base name, as callwise_voice for libcallwise_voice.so.
    explicit OwnPlugin(const QString &name);
    // A plugin file elsewhere.
    struct File { QString path; };
    explicit OwnPlugin(File file);

    // The plugin's object, loaded on the first call; null when the file is
    // missing or is not a plugin of this kind, the reason logged once.
    template <typename Interface> Interface *as()
    {
        return qobject_cast<Interface *>(instance());
    }

private:
    QObject *instance();

    QPluginLoader m_loader;
    bool m_tried = false;
};
