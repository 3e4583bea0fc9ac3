#include "ui/app_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE cannot stand inside a namespace.
static void registerCallwiseResources()
{
    Q_INIT_RESOURCE(callwise);
}

void initAppResources()
{
    static const bool registered = (registerCallwiseResources(), true);
    Q_UNUSED(registered);
}

QIcon appIcon()
{
    initAppResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/callwise/callwise16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/callwise/callwise32.png"), QSize(32, 32));
    return icon;
}

QPixmap netbmp()
{
    initAppResources();
    return QPixmap(QStringLiteral(":/callwise/netbmp.bmp"));
}
