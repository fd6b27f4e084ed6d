#include "frmabt.h"

#include "page_addresses.h"
#include "web_page_opener.h"

#include "app/form_slots.h"
#include "platform/layout.h"
#include "platform/untrapped_failure.h"
#include "platform/window_fit.h"
#include "sorvane_identity.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

namespace forms {

namespace {

// Written as constants, not read from the executable or its version record:
// the box reads the same whatever the file is called.
constexpr QStringView kExeName = identity::kExecutable;
constexpr QStringView kVersion = identity::kRelease;
constexpr QStringView kVersionDate = identity::kReleaseDate;
constexpr QStringView kDescription = u"毎分呼吸量調査ツール";

using platform::kMincho;
using platform::kPGothic;
using platform::layoutFont;
using platform::twipRect;

class AboutWindow final : public QDialog {
public:
    explicit AboutWindow(const QRect &place) : place_(place) {}
    void setCancelButton(QPushButton *button) { cancel_ = button; }

protected:
    // Esc presses "OK", whichever control has the focus, so that it runs
    // OK's handler like a click. The close box only closes.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (cancel_ && event->matches(QKeySequence::Cancel)) {
            cancel_->click();
            return;
        }
        QDialog::keyPressEvent(event);
    }

    // Placed on its first showing, when the window system may already know
    // the frame it adds.
    void showEvent(QShowEvent *event) override
    {
        if (!placed_) {
            platform::placeOnScreen(this, place_);
            placed_ = true;
        }
        QDialog::showEvent(event);
    }

private:
    QPointer<QPushButton> cancel_;
    QRect place_;
    bool placed_ = false;
};

// A multi-line box in a dialog with a default button: Enter is the dialog's,
// which presses that button, and Ctrl+Enter starts a new line.
class ContactText final : public QPlainTextEdit {
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

QLabel *addLabel(QWidget *parent, const char *name, const QRect &geometry, const QFont &font, const QString &text = {})
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    // Top-aligned: a caption ending in a line break keeps its text on the
    // first line, and the empty line after it falls outside the label.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    return label;
}

// A text colour the layout fixes, drawn on the box's background.
void setTextColour(QWidget *widget, const QColor &colour)
{
    platform::keepFixedColourLegible(widget, QPalette::WindowText, colour, QPalette::Window);
}

QPushButton *addButton(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

// A picture box. Its layout size is its picture's plus the frame on each side.
QLabel *addPicture(QWidget *parent, const char *name, const QRect &geometry, const QString &picture, int frameStyle,
                   int frameWidth)
{
    auto *box = new QLabel(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFrameStyle(frameStyle);
    box->setLineWidth(frameWidth);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(QPixmap(picture));
    return box;
}

} // namespace

QWidget *frmabt::createWindow()
{
    // A fixed place, not centred: the client area's top-left corner.
    const QRect client = twipRect(2340, 1935, 5835, 7170);
    auto *window = new AboutWindow(client);
    window->setObjectName(QStringLiteral("frmabt"));
    window->setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    // A tool window has no owner here yet stays out of the taskbar; the hints
    // leave it a title bar with a close box and nothing to minimise or maximise.
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    window->setWindowIcon(QIcon(identity::kIcon.toString()));
    // The layout stores no font for the box: the main window's default face.
    window->setFont(layoutFont(kPGothic, 9, false));
    window->setGeometry(client);
    window->setFixedSize(client.size());

    // Created in tab-index order, which is also the keyboard order.
    QPushButton *ok = addButton(window, "cmdOK", twipRect(4920, 600, 705, 345), QStringLiteral("OK"));
    ok->setDefault(true);
    window->setCancelButton(ok);

    QLabel *icon = addPicture(window, "picIcon", twipRect(240, 240, 510, 510), identity::kIcon.toString(),
                              QFrame::Box | QFrame::Plain, 1);
    icon->setAutoFillBackground(true);
    icon->setBackgroundRole(QPalette::Base);
    icon->setForegroundRole(QPalette::Text);
    // Pictures say nothing to a screen reader unless they are described.
    icon->setAccessibleName(identity::kTitle.toString() + QStringLiteral("のアイコン"));
    icon->setAccessibleDescription(QStringLiteral("黄色と紫の小さな魚"));

    QLabel *description =
        addLabel(window, "lblDescription", twipRect(960, 1200, 4605, 285), layoutFont(kMincho, 9.75, false));
    setTextColour(description, QColor(0, 0, 0));
    // The caption ends in a line break, which a screen reader would read out.
    description->setAccessibleName(kDescription.toString());
    QLabel *title = addLabel(window, "lblTitle", twipRect(960, 120, 4605, 345), layoutFont(kMincho, 12, false));
    setTextColour(title, QColor(0, 0, 0));
    addLabel(window, "lblVersion", twipRect(960, 840, 4605, 225), layoutFont(kMincho, 9.75, false));

    auto *contact = new ContactText(window);
    contact->setObjectName(QStringLiteral("Text1"));
    contact->setGeometry(twipRect(240, 1680, 5415, 855));
    contact->setFont(layoutFont(kMincho, 8.25, false));
    contact->setFrameStyle(QFrame::Box | QFrame::Plain);
    contact->setLineWidth(1);
    contact->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contact->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A margin of one pixel, so the four lines fit the box's height.
    contact->document()->setDocumentMargin(1);
    // Tab leaves the box as it does in every other control of the box.
    contact->setTabChangesFocus(true);
    contact->setAccessibleName(QStringLiteral("作者の連絡先"));

    addLabel(window, "exename", twipRect(960, 480, 4575, 255), layoutFont(kMincho, 9.75, false));
    QPushButton *authorHome = addButton(window, "Command1", twipRect(4920, 120, 735, 375), QStringLiteral("作者HP"));
    authorHome->setFont(layoutFont(kPGothic, 8.25, false));

    QLabel *example = addPicture(window, "Picture1", twipRect(240, 3240, 5340, 3720),
                                 QStringLiteral(":/forms/about/picture1.bmp"), QFrame::WinPanel | QFrame::Sunken, 2);
    example->setAccessibleName(QStringLiteral("入力例"));
    example->setAccessibleDescription(
        QStringLiteral("毎分呼吸量調査ツールの入力例：タンクの開始圧 185、タンク終了時の残圧 50、"
                       "タンク容積 10 リットル、平均水深 12.5 ｍ、水深時間 45 分で、毎分呼吸量 13.3 リットル／分"));

    QLabel *exampleCaption = addLabel(window, "Label1", twipRect(240, 2640, 1095, 255), layoutFont(kPGothic, 12, true),
                                      QStringLiteral("入力例"));
    setTextColour(exampleCaption, QColor(255, 0, 0));
    addLabel(window, "Label2", twipRect(360, 3000, 5415, 255), layoutFont(kPGothic, 8.25, true),
             QStringLiteral("男性消費量１５以下、女性１３以下が目安（体格等により変わります）"));
    QPushButton *scubaPage =
        addButton(window, "Command2", twipRect(3120, 1080, 2535, 375), QStringLiteral("スキューバダイビング情報ＨＰ"));

    // A one-pixel grey separator from (120, 1560) to (5684, 1560), its end
    // point not drawn.
    auto *line = new QFrame(window);
    line->setObjectName(QStringLiteral("Line1"));
    const int left = platform::twipsToPixels(120);
    line->setGeometry(left, platform::twipsToPixels(1560), platform::twipsToPixels(5684) - left, 1);
    line->setAutoFillBackground(true);
    platform::keepFixedColourLegible(line, QPalette::Window, QColor(128, 128, 128), QPalette::Window);

    QWidget::setTabOrder(ok, contact);
    QWidget::setTabOrder(contact, authorHome);
    QWidget::setTabOrder(authorHome, scubaPage);
    // The title and description reach under the two page buttons: the
    // buttons are drawn over them.
    authorHome->raise();
    scubaPage->raise();
    ok->setFocus();

    platform::onEvent(ok, &QPushButton::clicked, [this] { cmdOK_Click(); });
    platform::onEvent(authorHome, &QPushButton::clicked, [this] { Command1_Click(); });
    platform::onEvent(scubaPage, &QPushButton::clicked, [this] { Command2_Click(); });
    return window;
}

void frmabt::Form_Load()
{
    const QString crlf = QStringLiteral("\r\n");
    platform::FormAccess &form = controls();
    form.setCaption(u"lblTitle", identity::kTitle.toString());
    form.setCaption(u"exename", u'(' + kExeName.toString() + QStringLiteral(".exe)"));
    form.setCaption(u"lblDescription", kDescription.toString() + crlf);
    form.setText(u"Text1",
                 QStringLiteral("作者ホームページ：") + crlf + identity::kHomePage.toString() + crlf
                     + QStringLiteral("Eメール：") + crlf + identity::kMail.toString());
    form.setCaption(u"lblVersion",
                    QStringLiteral("Ver ") + kVersion.toString() + QStringLiteral("  (") + kVersionDate.toString()
                        + u')');
}

void frmabt::sakusya()
{
    openWebPage(identity::kAuthorHome.toString());
}

void frmabt::cmdOK_Click()
{
    app::instance<platform::Global>().unload(app::instance<frmabt>());
}

void frmabt::Command1_Click()
{
    // The instance the click arrived on; a failure goes on to the caller.
    sakusya();
}

void frmabt::Command2_Click()
{
    openWebPage(pages::kScubaInformation.toString());
}

} // namespace forms
