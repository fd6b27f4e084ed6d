#pragma once

#include <QDialog>
#include <QRect>

class QPushButton;

namespace ui {

// The About box: the program's name, version and author, and an example of
// the breathing-rate calculator filled in. Modeless, without an owner, at a
// fixed place; "OK", Esc and the close box close it, and it deletes itself
// once closed.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    AboutBox();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *okButton_ = nullptr;
    bool placed_ = false;
};

} // namespace ui
