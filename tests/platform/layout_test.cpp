#include "window_builder.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#ifndef Q_OS_WIN
#include <private/qguiapplication_p.h>
#include <qpa/qwindowsysteminterface.h>
#endif

#include <gtest/gtest.h>

TEST(LayoutFonts, TheLayoutsFaceNamesDrawInTheInstalledJapaneseFaces)
{
    platform::registerJapaneseFontAliases();
    struct Row {
        QStringView family;
        qreal points;
        bool bold;
        const char *drawnIn;
    };
    const Row rows[] = {
        {platform::kPGothic, 9, false, "IPAPGothic"},    {platform::kPGothic, 12, true, "IPAPGothic"},
        {platform::kPGothic, 14.25, true, "IPAPGothic"}, {platform::kMincho, 12, true, "IPAMincho"},
        {platform::kMincho, 8.25, false, "IPAMincho"},
    };
    for (const Row &row : rows) {
        const QFont font = platform::layoutFont(row.family, row.points, row.bold);
        // The request keeps the layout's name; only what draws it is mapped.
        EXPECT_EQ(font.family(), row.family.toString()) << row.drawnIn;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(row.drawnIn)) << row.family.toString().toStdString();
    }
}

#ifndef Q_OS_WIN
// While a window is built the application font is the window's. Afterwards it
// is the desktop's again, in every window made meanwhile, and it still follows
// the desktop: Qt re-reads the desktop's font on a theme change only while the
// program has never set one of its own.
TEST(WindowBuilder, LeavesTheApplicationFontTheDesktopsAndFollowingIt)
{
    const QFont desktop = QApplication::font();
    QWidget window;
    window.setFont(platform::layoutFont(platform::kPGothic, 9, false));
    QMenu *menu = nullptr;
    {
        platform::WindowBuilder builder(&window, QPalette::Window);
        builder.add(&window, {u"Text1", platform::ControlKind::TextBox, u"", 0, 0, 735, 375, 0});
        menu = new QMenu(&window);
        EXPECT_EQ(QApplication::font(), window.font());
    }
    EXPECT_EQ(QApplication::font(), desktop);
    EXPECT_EQ(menu->font(), desktop);

    *QGuiApplicationPrivate::app_font = QFont(QStringLiteral("Serif"), 20);
    QWindowSystemInterface::handleThemeChange<QWindowSystemInterface::SynchronousDelivery>(nullptr);
    EXPECT_EQ(QApplication::font(), desktop);
}
#endif
