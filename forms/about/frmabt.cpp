#include "frmabt.h"

#include "page_addresses.h"
#include "web_page_opener.h"

#include "instance_slot.h"
#include "run_handler.h"
#include "sorvane_identity.h"
#include "window_builder.h"
#include "window_fit.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

namespace forms {

namespace {

constexpr QStringView kDescription = u"毎分呼吸量調査ツール";

using platform::ControlKind;
using platform::ControlRow;
using platform::FontSpec;
using platform::kMincho;
using platform::kPGothic;
using platform::twipRect;
using enum platform::ControlLook;

class AboutWindow final : public QDialog {
    Q_OBJECT

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

constexpr FontSpec kMincho825{kMincho, 8.25, false};
constexpr FontSpec kMincho975{kMincho, 9.75, false};
constexpr FontSpec kMincho12{kMincho, 12, false};
constexpr FontSpec kGothic825{kPGothic, 8.25, false};
constexpr FontSpec kGothic825Bold{kPGothic, 8.25, true};
constexpr FontSpec kGothic12Bold{kPGothic, 12, true};

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);

// In tab-index order, which is also the order they are created in. The title
// and description reach under the two page buttons: the buttons are drawn
// over them. Form_Load writes the empty captions.
const ControlRow kControls[] = {
    {u"cmdOK", ControlKind::Button, u"OK", 4920, 600, 705, 345, 0, nullptr, DefaultButton},
    {u"picIcon", ControlKind::Picture, identity::kIcon, 240, 240, 510, 510, 1, nullptr, Framed},
    {u"lblDescription", ControlKind::Label, u"", 960, 1200, 4605, 285, 2, &kMincho975, Transparent, kBlack},
    {u"lblTitle", ControlKind::Label, u"", 960, 120, 4605, 345, 3, &kMincho12, Transparent, kBlack},
    {u"lblVersion", ControlKind::Label, u"", 960, 840, 4605, 225, 4, &kMincho975, Transparent},
    {u"Text1", ControlKind::TextArea, u"", 240, 1680, 5415, 855, 5, &kMincho825},
    {u"exename", ControlKind::Label, u"", 960, 480, 4575, 255, 6, &kMincho975, Transparent},
    {u"Command1", ControlKind::Button, u"作者HP", 4920, 120, 735, 375, 7, &kGothic825, OnTop},
    {u"Picture1", ControlKind::Picture, u":/forms/about/picture1.bmp", 240, 3240, 5340, 3720, 8, nullptr, Sunken},
    {u"Label1", ControlKind::Label, u"入力例", 240, 2640, 1095, 255, 9, &kGothic12Bold, Transparent, kRed},
    {u"Label2", ControlKind::Label, u"男性消費量１５以下、女性１３以下が目安（体格等により変わります）", 360, 3000,
     5415, 255, 10, &kGothic825Bold, Transparent},
    {u"Command2", ControlKind::Button, u"スキューバダイビング情報ＨＰ", 3120, 1080, 2535, 375, 11, nullptr, OnTop},
    // A one-pixel grey separator, its end point not drawn.
    {u"Line1", ControlKind::Line, u"", 120, 1560, 5564, 0, 12, nullptr, Plain, kGrey},
};

// Pictures say nothing to a screen reader unless they are described; the
// description's caption ends in a line break, which a screen reader would
// read out.
struct Spoken {
    QStringView control;
    QStringView name;
    QStringView description;
};

const Spoken kSpoken[] = {
    {u"picIcon", u"Ｓｏｒｖａｎｅのアイコン", u"黄色と紫の小さな魚"},
    {u"lblDescription", kDescription, u""},
    {u"Text1", u"作者の連絡先", u""},
    {u"Picture1", u"入力例",
     u"毎分呼吸量調査ツールの入力例：タンクの開始圧 185、タンク終了時の残圧 50、"
     u"タンク容積 10 リットル、平均水深 12.5 ｍ、水深時間 45 分で、毎分呼吸量 13.3 リットル／分"},
};

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
    window->setFont(platform::layoutFont(platform::kWindowFont));
    window->setGeometry(client);
    window->setFixedSize(client.size());

    platform::WindowBuilder builder(window, QPalette::Window);
    for (const ControlRow &row : kControls)
        builder.add(window, row);
    builder.finish();
    for (const Spoken &entry : kSpoken) {
        auto *control = window->findChild<QWidget *>(entry.control.toString());
        control->setAccessibleName(entry.name.toString());
        if (!entry.description.isEmpty())
            control->setAccessibleDescription(entry.description.toString());
    }

    auto *ok = window->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    window->setCancelButton(ok);
    platform::onEvent(ok, &QPushButton::clicked, [this] { cmdOK_Click(); });
    platform::onEvent(window->findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked,
                      [this] { Command1_Click(); });
    platform::onEvent(window->findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked,
                      [this] { Command2_Click(); });
    return window;
}

void frmabt::Form_Load()
{
    const QString crlf = QStringLiteral("\r\n");
    platform::FormAccess &form = controls();
    form.setCaption(u"lblTitle", identity::kTitle.toString());
    // The program's identity as built, not read from the executable or its
    // version record: the box reads the same whatever the file is called.
    form.setCaption(u"exename", u'(' + identity::kExecutable.toString() + QStringLiteral(".exe)"));
    form.setCaption(u"lblDescription", kDescription.toString() + crlf);
    form.setText(u"Text1",
                 QStringLiteral("作者ホームページ：") + crlf + identity::kHomePage.toString() + crlf
                     + QStringLiteral("Eメール：") + crlf + identity::kMail.toString());
    form.setCaption(u"lblVersion",
                    QStringLiteral("Ver ") + identity::kRelease.toString() + QStringLiteral("  (")
                        + identity::kReleaseDate.toString() + u')');
}

void frmabt::sakusya()
{
    openWebPage(identity::kAuthorHome.toString());
}

void frmabt::cmdOK_Click()
{
    platform::instance<platform::Global>().unload(platform::instance<frmabt>());
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

#include "frmabt.moc"
