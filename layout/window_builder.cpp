#include "window_builder.h"

#include "font_alias.h"
#include "window_fit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace layout {

QFont layoutFont(QStringView family, qreal points, bool bold)
{
    QFont font(family.toString());
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

namespace {

void mapFace(QStringView layoutName, const QStringList &wanted, const QStringList &families)
{
#ifdef Q_OS_WIN
    // Windows has the layout's faces; the substitution only serves where they
    // are missing, as under Wine.
    Q_UNUSED(families);
#else
    // The first installed face becomes another name of the layout's face, so
    // the font database finds it under that name at once (font_alias_linux.cpp
    // says why not a substitution).
    for (const QString &face : wanted) {
        if (families.contains(face)) {
            aliasFontFamily(face, layoutName.toString());
            return;
        }
    }
#endif
    // None of them here: let the substitution take whatever comes closest.
    QFont::insertSubstitutions(layoutName.toString(), wanted);
}

} // namespace

void registerJapaneseFontAliases()
{
    // Proportional gothic for proportional gothic, mincho for mincho; the
    // monospaced IPA faces and the generic families are the fallbacks. The
    // installed families are listed once: the list walks the whole database.
    const QStringList families = QFontDatabase::families();
    mapFace(kPGothic,
            {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAGothic"),
             QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")},
            families);
    mapFace(kMincho,
            {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("IPAPMincho"),
             QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")},
            families);
}

namespace {

// A result box is named after what it shows, yet a screen reader must still
// get at the number in it, and Qt gives a label that has a name of its own no
// other text to read. So its value and description are the number, read from
// the box whenever they are asked for.
constexpr char kResultBoxProperty[] = "sorvaneResultBox";

class ResultBoxAccessible final : public QAccessibleWidget {
public:
    explicit ResultBoxAccessible(QLabel *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *resultBoxAccessible(const QString &, QObject *object)
{
    auto *box = qobject_cast<QLabel *>(object);
    if (box && box->property(kResultBoxProperty).toBool())
        return new ResultBoxAccessible(box);
    return nullptr;
}

// A multi-line box in a dialog with a default button: Enter is the dialog's,
// which presses that button, and Ctrl+Enter starts a new line.
class TextArea final : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QPlainTextEdit::keyPressEvent(event);
        } else if (event->modifiers() & Qt::ControlModifier) {
            insertPlainText(QStringLiteral("\n"));
        } else {
            event->ignore(); // on to the dialog
        }
    }
};

// The wheel steps through a combo box's list only while the box has the
// focus: turned over another box on its way, it must neither change that
// box's value nor take the focus there (which a wheel-focus policy would do
// before the box sees the wheel). The ignored wheel goes on to the parent.
class WheelOnlyWhenFocused final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

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

QWidget *makeResultBox(QWidget *parent, const ControlRow &row)
{
    // Once: the factory serves the result boxes of every window built.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&resultBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    auto *box = new QLabel(row.caption.toString(), parent);
    box->setTextFormat(Qt::PlainText);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setForegroundRole(QPalette::Text);
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    box->setProperty(kResultBoxProperty, true);
    return box;
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
    combo->installEventFilter(new WheelOnlyWhenFocused(combo));
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
        return makeResultBox(parent, row);
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

} // namespace

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
}

} // namespace layout

#include "window_builder.moc"
