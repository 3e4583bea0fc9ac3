#include "common/translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// For tests whose code runs timers: they need an application and its loop.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // English's plural forms, as the programs install them.
    installTranslations({ QStringLiteral("en-GB") });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
