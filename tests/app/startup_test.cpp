#include "sorvane_identity.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <gtest/gtest.h>

TEST(Startup, NamesTheApplicationForTheDesktopAndMakesNoWindow)
{
    app::setUp(*qApp);
    EXPECT_EQ(QCoreApplication::applicationName(), identity::kName);
    EXPECT_EQ(QCoreApplication::applicationVersion(), identity::kVersion);
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    // The installed desktop entry is named after the application id.
    EXPECT_EQ(QGuiApplication::desktopFileName(), identity::kAppId);
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}
