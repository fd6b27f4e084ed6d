#include "main1.h"

#include "main1_layout.h"

#include "breathing_rate.h"
#include "end_program.h"
#include "enriched_air.h"
#include "frmabt.h"
#include "instance_slot.h"
#include "key_press.h"
#include "message_boxes.h"
#include "page_addresses.h"
#include "run_handler.h"
#include "runtime_error.h"
#include "tab_control.h"
#include "web_page_opener.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstddef>

namespace forms {

namespace {

// main1's controls, through its slot; asked afresh at every use.
platform::FormAccess &controls()
{
    return platform::instance<main1>().controls();
}

// The store of a tab control's Tab property on main1.
void selectTab(QStringView tabControl, int tab)
{
    main1 &form = platform::instance<main1>();
    form.controls(); // a form is loaded by touching any of its controls
    auto *tabs = form.window()->findChild<platform::TabControl *>(tabControl.toString());
    if (!tabs)
        throw platform::RuntimeError(platform::ErrorNumber::ObjectRequired);
    tabs->setTab(tab);
}

// Enter leads on to `next` and types nothing; every other key is left alone.
void enterMovesFocusTo(int &keyAscii, QStringView next)
{
    if (keyAscii != platform::kEnterCode)
        return;
    keyAscii = 0;
    controls().setFocus(next);
}

// The boxes of the breathing-rate inputs, in the calculator's order.
constexpr std::array<QStringView, calc::kBreathingInputCount> kBreathingBoxes{u"Text1", u"Text2", u"Text3", u"Text4",
                                                                              u"Text5"};

template <class Control>
Control *child(QWidget *window, const char *name)
{
    auto *control = window->findChild<Control *>(QString::fromLatin1(name));
    Q_ASSERT(control);
    return control;
}

} // namespace

void Main1Window::closeEvent(QCloseEvent *event)
{
    int cancel = 0;
    if (queryUnload_) {
        const int mode = event->spontaneous() ? main1::FromControlMenu : main1::FromCode;
        platform::runHandler([&] { queryUnload_(cancel, mode); });
    }
    event->setAccepted(cancel == 0);
}

QWidget *main1::createWindow()
{
    auto onClick = [this](QWidget *window, const char *button, void (main1::*handler)()) {
        platform::onEvent(child<QPushButton>(window, button), &QPushButton::clicked,
                          [this, handler] { (this->*handler)(); });
    };
    // The enriched-air tab's buttons exist once the tab is first needed. Enter
    // on a focused button presses it.
    auto hookUpEnrichedAir = [onClick](QWidget *window) {
        onClick(window, "Command4", &main1::Command4_Click);
        onClick(window, "Command5", &main1::Command5_Click);
        onClick(window, "Command7", &main1::Command7_Click);
        for (const char *button : {"Command4", "Command5", "Command7"})
            platform::onButtonKeyPress(child<QPushButton>(window, button));
    };
    Main1Window *window = buildMain1Window(hookUpEnrichedAir);
    window->setQueryUnload([this](int &cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); });

    onClick(window, "Command1", &main1::Command1_Click);
    onClick(window, "Command2", &main1::Command2_Click);
    onClick(window, "Command3", &main1::Command3_Click);

    // Enter on a focused button presses it; on "クリア" its KeyPress handler
    // takes Enter first.
    for (const char *button : {"Command1", "Command3"})
        platform::onButtonKeyPress(child<QPushButton>(window, button));
    platform::onButtonKeyPress(child<QPushButton>(window, "Command2"),
                               [this](int &keyAscii) { Command2_KeyPress(keyAscii); });

    auto onKeyPress = [&](const char *box, void (main1::*handler)(int &)) {
        platform::onKeyPress(child<QLineEdit>(window, box),
                             [this, handler](int &keyAscii) { (this->*handler)(keyAscii); });
    };
    onKeyPress("Text1", &main1::Text1_KeyPress);
    onKeyPress("Text2", &main1::Text2_KeyPress);
    onKeyPress("Text3", &main1::Text3_KeyPress);
    onKeyPress("Text4", &main1::Text4_KeyPress);
    onKeyPress("Text5", &main1::Text5_KeyPress);

    auto onMenu = [&](const char *item, void (main1::*handler)()) {
        platform::onEvent(child<QAction>(window, item), &QAction::triggered, [this, handler] { (this->*handler)(); });
    };
    onMenu("hhelp", &main1::hhelp_Click);
    onMenu("eend", &main1::eend_Click);
    return window;
}

void main1::Form_Load()
{
    platform::runHandler([] { selectTab(u"SSTab1", 0); });
}

void main1::Form_QueryUnload(int &, int)
{
    // Closing the main window is never refused; the About box goes with it.
    platform::instance<platform::Global>().unload(platform::instance<frmabt>());
}

void main1::Command1_Click()
{
    platform::FormAccess &form = controls();
    bool rateShown = false;
    const auto clearRate = [&] { form.setCaption(u"Label7", QString()); };
    // A control that fails ends the click as a failed calculation does.
    platform::withErrorTrap(
        [&] {
            calc::BreathingTexts texts;
            for (std::size_t k = 0; k < texts.size(); ++k)
                texts[k] = form.text(kBreathingBoxes[k]);
            const calc::BreathingRateOutcome outcome = calc::calculateBreathingRate(texts);
            switch (outcome.end) {
            case calc::BreathingRateOutcome::End::Result:
                form.setCaption(u"Label7", outcome.result);
                rateShown = true;
                form.setFocus(u"Command2");
                break;
            case calc::BreathingRateOutcome::End::Rejected:
                platform::messageBoxes().inform(outcome.message);
                form.setFocus(kBreathingBoxes[static_cast<std::size_t>(outcome.rejected)]);
                break;
            case calc::BreathingRateOutcome::End::Failed:
                // An earlier result must not pass for the answer to these inputs.
                clearRate();
                break;
            }
        },
        [&](const platform::RuntimeError &) {
            if (rateShown)
                return;
            try {
                clearRate();
            } catch (const platform::RuntimeError &) {
                // The result box itself failed: nothing more to undo.
            }
        });
}

void main1::Command2_Click()
{
    for (QStringView box : {u"Text1", u"Text2", u"Text3", u"Text4", u"Text5"})
        controls().setText(box, QString());
    controls().setCaption(u"Label7", QString());
    controls().setFocus(u"Text1");
}

void main1::Command2_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Text1");
}

void main1::Command3_Click()
{
    platform::endProgram();
}

void main1::Command4_Click()
{
    platform::FormAccess &form = controls();
    // A control that fails gets the message of a failed calculation.
    platform::withErrorTrap(
        [&] {
            const QString oxygen = form.text(u"Combo1");
            const QString depth = form.text(u"Combo2");
            const calc::EnrichedAirOutcome outcome = calc::calculateEnrichedAir(oxygen, depth);
            if (outcome.depth)
                form.setCaption(u"Label14", *outcome.depth);
            if (outcome.pressure)
                form.setCaption(u"Label16", *outcome.pressure);
            if (!outcome.message.isEmpty())
                platform::messageBoxes().inform(outcome.message);
        },
        [](const platform::RuntimeError &) { platform::messageBoxes().inform(calc::kEnrichedAirMessage.toString()); });
}

void main1::Command5_Click()
{
    openWebPage(pages::kEnrichedAirCourse.toString());
}

void main1::Command7_Click()
{
    openWebPage(pages::kEnrichedAirExplained.toString());
}

void main1::Text1_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Text2");
}

void main1::Text2_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Text3");
}

void main1::Text3_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Text4");
}

void main1::Text4_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Text5");
}

void main1::Text5_KeyPress(int &keyAscii)
{
    enterMovesFocusTo(keyAscii, u"Command1");
}

void main1::hhelp_Click()
{
    platform::instance<frmabt>().show();
}

void main1::eend_Click()
{
    platform::endProgram();
}

} // namespace forms
