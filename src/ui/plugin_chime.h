#pragma once

#include "alerts/chime.h"

#include <QPluginLoader>

// The tone of the callwise-chime plugin, loaded the first time it is asked
// for: beside the program (the build tree), then where it is installed.
class PluginChime final : public Chime
{
public:
    bool isAvailable() override;
    void play() override;

private:
    QPluginLoader m_loader;
    Chime *m_chime = nullptr;
    bool m_looked = false;
};
