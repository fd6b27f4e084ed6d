#include "main_window.h"

#include "about_box.h"
#include "breathing_rate.h"
#include "enriched_air.h"
#include "layout_tab_widget.h"
#include "message_box.h"
#include "page_addresses.h"
#include "screen_reader.h"
#include "web_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <cstddef>
#include <utility>

namespace ui {

MainWindow::MainWindow()
{
    buildControls();
    connectControls();
    // The enriched-air tab is about a tenth of the work to the first paint:
    // it is made when it first shows, unless a screen reader is listening,
    // which must see the whole window from the start.
    if (desktop::screenReaderListening())
        makeEnrichedAirTab();
    else
        connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::makeEnrichedAirTab, Qt::SingleShotConnection);
}

MainWindow::~MainWindow()
{
    // The About box has no owner: it goes with the main window.
    delete aboutBox_.data();
}

void MainWindow::connectControls()
{
    connect(calculateRateButton_, &QPushButton::clicked, this, &MainWindow::calculateBreathingRate);
    connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearBreathingRate);
    // "終了" and "終　了" end the program without a question.
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
    connect(helpAction_, &QAction::triggered, this, &MainWindow::showAboutBox);

    for (QLineEdit *box : breathingInputs())
        box->installEventFilter(this);
    for (QPushButton *button : {calculateRateButton_, clearButton_, exitButton_})
        button->installEventFilter(this);
}

void MainWindow::makeEnrichedAirTab()
{
    // Qt hands the focus the other tab had to the page, empty until now; it
    // goes on to the first box, as on a page made earlier.
    const bool pageFocused = enrichedAirPage_->hasFocus();
    buildEnrichedAirPage();
    connect(calculateEnrichedAirButton_, &QPushButton::clicked, this, &MainWindow::calculateEnrichedAir);
    connect(courseButton_, &QPushButton::clicked, this,
            [this] { desktop::openWebPage(this, desktop::pages::kEnrichedAirCourse.toString()); });
    connect(explanationButton_, &QPushButton::clicked, this,
            [this] { desktop::openWebPage(this, desktop::pages::kEnrichedAirExplained.toString()); });
    for (QPushButton *button : {calculateEnrichedAirButton_, courseButton_, explanationButton_})
        button->installEventFilter(this);
    if (pageFocused)
        oxygenPercent_->setFocus(Qt::TabFocusReason);
}

std::array<QLineEdit *, 5> MainWindow::breathingInputs() const
{
    return {startPressure_, endPressure_, tankVolume_, averageDepth_, diveTime_};
}

void MainWindow::showAboutBox()
{
    if (!aboutBox_)
        aboutBox_ = new AboutBox;
    // A window manager may minimise even a window that offers no button for
    // it, and a window without a taskbar entry has no other way back.
    if (aboutBox_->isMinimized())
        aboutBox_->setWindowState((aboutBox_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (aboutBox_)
        aboutBox_->close();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!enter)
        return false;

    // Enter leads through the boxes to "計　算", and from "クリア" back to
    // the first box; it types nothing.
    const std::pair<QWidget *, QWidget *> nextOnEnter[] = {
        {startPressure_, endPressure_}, {endPressure_, tankVolume_},       {tankVolume_, averageDepth_},
        {averageDepth_, diveTime_},     {diveTime_, calculateRateButton_}, {clearButton_, startPressure_},
    };
    for (const auto &[from, to] : nextOnEnter) {
        if (watched == from) {
            to->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    // Outside a dialog no button is a default: Enter presses the focused one.
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || !button->isEnabled())
        return false;
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

void MainWindow::calculateBreathingRate()
{
    const std::array<QLineEdit *, 5> inputs = breathingInputs();
    calc::BreathingTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = inputs[k]->text();
    const calc::BreathingRateOutcome outcome = calc::calculateBreathingRate(texts);
    switch (outcome.end) {
    case calc::BreathingRateOutcome::End::Result:
        breathingRate_->setText(outcome.result);
        clearButton_->setFocus(Qt::OtherFocusReason);
        break;
    case calc::BreathingRateOutcome::End::Rejected:
        desktop::inform(this, outcome.message);
        inputs[static_cast<std::size_t>(outcome.rejected)]->setFocus(Qt::OtherFocusReason);
        break;
    case calc::BreathingRateOutcome::End::Failed:
        // An earlier result must not pass for the answer to these inputs.
        breathingRate_->clear();
        break;
    }
}

void MainWindow::clearBreathingRate()
{
    for (QLineEdit *box : breathingInputs())
        box->clear();
    breathingRate_->clear();
    startPressure_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::calculateEnrichedAir()
{
    const calc::EnrichedAirOutcome outcome =
        calc::calculateEnrichedAir(oxygenPercent_->currentText(), depth_->currentText());
    if (outcome.depth)
        equivalentAirDepth_->setText(*outcome.depth);
    if (outcome.pressure)
        oxygenPressure_->setText(*outcome.pressure);
    if (!outcome.message.isEmpty())
        desktop::inform(this, outcome.message);
}

} // namespace ui
