#include "common/own_plugin.h"

#include "common/program_dir.h"

OwnPlugin::OwnPlugin(const QString &name)
    : OwnPlugin(File { pluginDirectory() + QLatin1Char('/') + name })
{ }

OwnPlugin::OwnPlugin(File file)
    : m_loader(file.path)
{ }

QObject *OwnPlugin::instance()
{
    QObject *object = m_loader.instance();
    if (!object && !m_tried)
        qWarning("Plugin not loaded: %s", qPrintable(m_loader.errorString()));
    m_tried = true;
    return object;
}
