#pragma once

#include "layout_fonts.h"

#include <QPalette>
#include <QRect>
#include <QRgb>
#include <QStringView>
#include <QWidget>

#include <optional>
#include <span>
#include <utility>
#include <vector>

class QLabel;

namespace layout {

// Layouts are measured in twips: 1440 per inch, 15 per device-independent
// pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

enum class ControlKind {
    Label,     // a caption
    ResultBox, // a framed label showing a result (ResultBox); screen readers read its number
    TextBox,   // a one-line box for a number
    TextArea,  // a multi-line box in a dialog: Enter is the dialog's, Ctrl+Enter a new line
    Button,
    ComboBox, // an editable list of values
    Picture,  // a picture from the file named by the caption
    Line,     // a one-pixel line
};

enum ControlLook : unsigned {
    Plain = 0,
    Transparent = 1 << 0,   // a label without a background of its own
    WordWrap = 1 << 1,      // a label whose caption wraps at its width
    Framed = 1 << 2,        // a picture in a one-pixel box on the text background
    Sunken = 1 << 3,        // a picture in a two-pixel sunken panel
    DefaultButton = 1 << 4, // the button Enter presses
    OnTop = 1 << 5,         // drawn over the controls it overlaps
};

// One control of a layout.
struct ControlRow {
    QStringView name; // its control name, the widget's objectName
    ControlKind kind;
    QStringView caption; // a label's or button's caption, a box's text, a picture's file
    // In twips from the parent's top-left corner. A line runs from
    // (left, top) up to, not including, (left + width, top + height).
    int left, top, width, height;
    int tabIndex;                   // the keyboard order
    const FontSpec *font = nullptr; // null: the window's
    unsigned look = Plain;          // ControlLook bits
    // A label's: the control beside it, on the same parent and in a later row,
    // that it names for screen readers (see WindowBuilder::add).
    QStringView buddy = {};
    std::optional<QRgb> colour = std::nullopt; // a text or line colour the layout fixes
    std::span<const QStringView> items = {};   // a combo box's list
};

// Builds a window's controls from their rows. Each control is created in its
// parent, in the parent's font, and drawn on `surface`, the colour role of what
// it stands on.
class WindowBuilder {
public:
    explicit WindowBuilder(QPalette::ColorRole surface) : surface_(surface) {}
    WindowBuilder(const WindowBuilder &) = delete;
    WindowBuilder &operator=(const WindowBuilder &) = delete;

    // Makes the control of `row`; the box a label's row names as its buddy is
    // named after the label when the box's row comes.
    QWidget *add(QWidget *parent, const ControlRow &row);
    // The control as the class its kind makes: QLabel for labels and
    // pictures, ResultBox, QLineEdit, TextArea, QPushButton, QComboBox.
    template <class Control>
    Control *add(QWidget *parent, const ControlRow &row)
    {
        auto *control = qobject_cast<Control *>(add(parent, row));
        Q_ASSERT(control);
        return control;
    }
    // A control made elsewhere that takes part in the keyboard order.
    void addToKeyboardOrder(int tabIndex, QWidget *control);
    // Chains the keyboard order by tab index and raises the OnTop controls.
    void finish();

private:
    QPalette::ColorRole surface_;
    std::vector<std::pair<int, QWidget *>> keyboardOrder_;
    std::vector<QWidget *> onTop_;
    std::vector<std::pair<QLabel *, QStringView>> buddies_; // labels whose box is still to come
};

} // namespace layout
