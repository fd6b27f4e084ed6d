#include "frmabt.h"
#include "instance_slot.h"
#include "main1.h"
#include "message_boxes.h"
#include "project.h"
#include "recording_message_boxes.h"
#include "sorvane_identity.h"
#include "startup.h"
#include "tab_control.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QApplication &application()
{
    return *static_cast<QApplication *>(QCoreApplication::instance());
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            names << widget->objectName();
    return names;
}

class Shell : public ::testing::Test {
protected:
    void TearDown() override
    {
        platform::instance<platform::Global>().unload(platform::instance<forms::frmabt>());
        platform::instance<platform::Global>().unload(platform::instance<forms::main1>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    support::RecordingMessageBoxes boxes;
    platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes{boxes};
};

} // namespace

TEST_F(Shell, StartShowsTheStartUpFormFromItsSlotAndNothingElse)
{
    app::start(application(), app::kProject);
    EXPECT_EQ(QCoreApplication::applicationName(), identity::kName);
    EXPECT_EQ(QCoreApplication::applicationVersion(), identity::kVersion);
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    // The installed desktop entry is named after the application id.
    EXPECT_EQ(QGuiApplication::desktopFileName(), identity::kAppId);

    // The window the user sees is the one handlers reach through the slot.
    QWidget *window = platform::instance<forms::main1>().window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(&app::kProject.startupForm(), &platform::instance<forms::main1>());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->findChild<platform::TabControl *>(QStringLiteral("SSTab1"))->tab(), 0);
    EXPECT_FALSE(platform::instance<forms::frmabt>().isLoaded());
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("main1")});
}

TEST_F(Shell, EveryWayOutEndsTheProgramWithNoWindowLeft)
{
    struct Row {
        const char *what;
        bool aboutOpen;
        std::function<void(QWidget *)> leave;
    };
    const auto closeWindow = [](QWidget *main) { EXPECT_TRUE(main->close()); };
    const auto exitButton = [](QWidget *main) {
        QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    };
    const auto exitItem = [](QWidget *main) { main->findChild<QAction *>(QStringLiteral("eend"))->trigger(); };
    const Row rows[] = {
        {"close, About never opened", false, closeWindow},
        {"close, About open", true, closeWindow},
        {"exit button, About open", true, exitButton},
        {"exit menu item, About open", true, exitItem},
        {"exit button", false, exitButton},
    };
    for (const Row &row : rows) {
        app::start(application(), app::kProject);
        QWidget *main = platform::instance<forms::main1>().window();
        ASSERT_NE(main, nullptr) << row.what;
        if (row.aboutOpen)
            main->findChild<QAction *>(QStringLiteral("hhelp"))->trigger();
        ASSERT_EQ(platform::instance<forms::frmabt>().isLoaded(), row.aboutOpen) << row.what;

        QTimer::singleShot(0, main, [&] { row.leave(main); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        EXPECT_EQ(app::run(application()), 0) << row.what;

        EXPECT_EQ(visibleWindows(), QStringList()) << row.what;
        EXPECT_FALSE(platform::instance<forms::main1>().isLoaded()) << row.what;
        EXPECT_FALSE(platform::instance<forms::frmabt>().isLoaded()) << row.what;
        EXPECT_TRUE(boxes.requests().empty()) << row.what;
    }
}
