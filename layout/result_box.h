#pragma once

#include <QLabel>

namespace layout {

// A framed label that shows a result. It is named after what it shows, yet a
// screen reader must still get at the number in it, and Qt gives a label that
// has a name of its own no other text to read; so its accessible value and
// description are the number.
class ResultBox final : public QLabel {
    Q_OBJECT

public:
    explicit ResultBox(const QString &text, QWidget *parent = nullptr);
};

} // namespace layout
