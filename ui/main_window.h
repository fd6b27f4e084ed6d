#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace layout {
class LayoutTabWidget;
}

namespace ui {

class AboutBox;

// The main window: the breathing-rate calculator on the first tab, the
// enriched-air calculator and two page buttons on the second, a menu above.
// Closing it closes the About box with it.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Opens the About box, or restores, raises and activates the one open.
    void showAboutBox();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Enter in a box of the first tab moves on to the next, and on a button
    // presses it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls from the layout (main_window_layout.cpp): the window, its
    // menu and the first tab; the enriched-air tab's page.
    void buildControls();
    void buildEnrichedAirPage();
    void connectControls();
    // Makes the enriched-air tab's controls and connects them; called once.
    void makeEnrichedAirTab();

    void calculateBreathingRate();
    void clearBreathingRate();
    void calculateEnrichedAir();

    // The breathing-rate inputs in the calculator's order.
    std::array<QLineEdit *, 5> breathingInputs() const;

    layout::LayoutTabWidget *tabs_ = nullptr;
    QWidget *enrichedAirPage_ = nullptr;

    QLineEdit *startPressure_ = nullptr;
    QLineEdit *endPressure_ = nullptr;
    QLineEdit *tankVolume_ = nullptr;
    QLineEdit *averageDepth_ = nullptr;
    QLineEdit *diveTime_ = nullptr;
    QLabel *breathingRate_ = nullptr;
    QPushButton *calculateRateButton_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;

    QComboBox *oxygenPercent_ = nullptr;
    QComboBox *depth_ = nullptr;
    QLabel *equivalentAirDepth_ = nullptr;
    QLabel *oxygenPressure_ = nullptr;
    QPushButton *calculateEnrichedAirButton_ = nullptr;
    QPushButton *courseButton_ = nullptr;
    QPushButton *explanationButton_ = nullptr;

    QAction *helpAction_ = nullptr;
    QAction *exitAction_ = nullptr;

    QPointer<AboutBox> aboutBox_;
};

} // namespace ui
