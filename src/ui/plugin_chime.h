#pragma once

#include "alerts/chime.h"
#include "common/own_plugin.h"

// The tone of the chime plugin, loaded the first time it is asked for.
class PluginChime final : public Chime
{
public:
    bool isAvailable() override;
    void play() override;

private:
    OwnPlugin m_plugin { QStringLiteral("callwise_chime") };
    Chime *m_chime = nullptr;
    bool m_looked = false;
};
