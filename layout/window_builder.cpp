#include "window_builder.h"

#include "control_behaviours.h"
#include "result_box.h"
#include "window_fit.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace layout {

namespace {

QWidget *makeLabel(QWidget *parent, const ControlRow &row, QPalette::ColorRole surface)
{
    auto *label = new QLabel(row.caption.toString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(row.look & WordWrap);
    // Top-aligned: a caption ending in a line break keeps its text on the
    // first line, and the empty line after it falls outside the label.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setForegroundRole(textRoleOn(surface));
    label->setBackgroundRole(surface);
    label->setAutoFillBackground(!(row.look & Transparent));
    return label;
}

QWidget *makeTextBox(QWidget *parent, const ControlRow &row)
{
    auto *box = new QLineEdit(row.caption.toString(), parent);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(INT_MAX);
    // Numbers only go in here: typing must not start a Japanese composition.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return box;
}

QWidget *makeTextArea(QWidget *parent, const ControlRow &row)
{
    auto *area = new TextArea(parent);
    if (!row.caption.isEmpty())
        area->setPlainText(row.caption.toString());
    area->setFrameStyle(QFrame::Box | QFrame::Plain);
    area->setLineWidth(1);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A margin of one pixel, so that four lines fit a box of four lines' height.
    area->document()->setDocumentMargin(1);
    // Tab leaves the box as it leaves every other control.
    area->setTabChangesFocus(true);
    return area;
}

QWidget *makeButton(QWidget *parent, const ControlRow &row)
{
    auto *button = new QPushButton(row.caption.toString(), parent);
    // Outside a dialog no button is a default: Enter reaches only a focused one.
    if (!qobject_cast<QDialog *>(parent->window()))
        button->setAutoDefault(false);
    if (row.look & DefaultButton)
        button->setDefault(true);
    return button;
}

QWidget *makeComboBox(QWidget *parent, const ControlRow &row)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setFocusPolicy(Qt::StrongFocus);
    takeWheelOnlyWhenFocused(combo);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A typed "3" must stay "3", not be completed to "30" from the list.
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(INT_MAX);
    QStringList items;
    items.reserve(static_cast<qsizetype>(row.items.size()));
    for (QStringView item : row.items)
        items.append(item.toString());
    combo->addItems(items);
    const int initial = combo->findText(row.caption.toString());
    if (initial >= 0)
        combo->setCurrentIndex(initial);
    else
        combo->setEditText(row.caption.toString());
    return combo;
}

// A picture box. Its layout size is its picture's plus the frame on each side.
QWidget *makePicture(QWidget *parent, const ControlRow &row)
{
    auto *box = new QLabel(parent);
    if (row.look & Framed) {
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setLineWidth(1);
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Base);
        box->setForegroundRole(QPalette::Text);
    } else if (row.look & Sunken) {
        box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        box->setLineWidth(2);
    }
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(QPixmap(row.caption.toString()));
    return box;
}

QWidget *makeLine(QWidget *parent, const ControlRow &row, QPalette::ColorRole surface)
{
    auto *line = new QFrame(parent);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int x = twipsToPixels(row.left);
    const int y = twipsToPixels(row.top);
    const int width = std::max(1, twipsToPixels(row.left + row.width) - x);
    const int height = std::max(1, twipsToPixels(row.top + row.height) - y);
    line->setGeometry(x, y, width, height);
    line->setAutoFillBackground(true);
    if (row.colour)
        keepFixedColourLegible(line, QPalette::Window, QColor::fromRgb(*row.colour), surface);
    else
        line->setBackgroundRole(QPalette::WindowText);
    return line;
}

QWidget *makeControl(QWidget *parent, const ControlRow &row, QPalette::ColorRole surface)
{
    switch (row.kind) {
    case ControlKind::Label:
        return makeLabel(parent, row, surface);
    case ControlKind::ResultBox:
        return new ResultBox(row.caption.toString(), parent);
    case ControlKind::TextBox:
        return makeTextBox(parent, row);
    case ControlKind::TextArea:
        return makeTextArea(parent, row);
    case ControlKind::Button:
        return makeButton(parent, row);
    case ControlKind::ComboBox:
        return makeComboBox(parent, row);
    case ControlKind::Picture:
        return makePicture(parent, row);
    case ControlKind::Line:
        return makeLine(parent, row, surface);
    }
    return nullptr;
}

// Makes `label` the buddy of `box`, which is how screen readers learn that one
// labels the other, and its caption, without a closing colon, the name they
// read out for the box. No caption has an '&', so no buddy gains a keyboard
// mnemonic.
void nameAfterLabel(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    // The colon that leads the eye to the box is not read out.
    QString name = label->text();
    while (name.endsWith(u'：') || name.endsWith(u':'))
        name.chop(1);
    box->setAccessibleName(name);
    // On Linux Qt names an editable combo box by its text (the caption
    // reaches screen readers as its label) and reports its text field as the
    // focused part, so the field carries the name too.
    if (auto *combo = qobject_cast<QComboBox *>(box))
        combo->lineEdit()->setAccessibleName(name);
}

} // namespace

QWidget *WindowBuilder::add(QWidget *parent, const ControlRow &row)
{
    QWidget *control = makeControl(parent, row, surface_);
    control->setObjectName(row.name.toString());
    if (row.font)
        control->setFont(layoutFont(*row.font));
    if (row.kind != ControlKind::Line) {
        control->setGeometry(twipRect(row.left, row.top, row.width, row.height));
        // A fixed colour on the surface, where that stays legible.
        if (row.colour)
            keepFixedColourLegible(control, textRoleOn(surface_), QColor::fromRgb(*row.colour), surface_);
    }
    if (control->focusPolicy() != Qt::NoFocus)
        keyboardOrder_.emplace_back(row.tabIndex, control);
    if (row.look & OnTop)
        onTop_.push_back(control);
    if (!row.buddy.isEmpty())
        buddies_.emplace_back(qobject_cast<QLabel *>(control), row.buddy);
    // A label's row comes before its box's: the box is named as it is made.
    const auto labelOf = std::find_if(buddies_.begin(), buddies_.end(), [&](const auto &pending) {
        return pending.second == row.name && pending.first->parentWidget() == parent;
    });
    if (labelOf != buddies_.end()) {
        nameAfterLabel(labelOf->first, control);
        buddies_.erase(labelOf);
    }
    return control;
}

void WindowBuilder::addToKeyboardOrder(int tabIndex, QWidget *control)
{
    keyboardOrder_.emplace_back(tabIndex, control);
}

void WindowBuilder::finish()
{
    std::stable_sort(keyboardOrder_.begin(), keyboardOrder_.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t k = 1; k < keyboardOrder_.size(); ++k)
        QWidget::setTabOrder(keyboardOrder_[k - 1].second, keyboardOrder_[k].second);
    for (QWidget *control : onTop_)
        control->raise();
    Q_ASSERT(buddies_.empty()); // every label's box came after it
}

} // namespace layout
