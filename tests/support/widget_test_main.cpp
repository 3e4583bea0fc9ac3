#include "common/translations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a GUI application; they run on the offscreen platform.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // English's plural forms, as the programs install them.
    installTranslations({ QStringLiteral("en-GB") });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
