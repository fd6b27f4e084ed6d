#include "calc_evaluation.h"
#include "enriched_air.h"
#include "form_access.h"
#include "message_boxes.h"
#include "recording_message_boxes.h"
#include "runtime_error.h"

#include <QHash>

#include <gtest/gtest.h>

#include <cfenv>

namespace {

struct Case {
    const char16_t *oxygen;
    const char16_t *depth;
    const char16_t *label14; // afterwards, starting from "old14"
    const char16_t *label16; // afterwards, starting from "old16"
    bool message;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << QString::fromUtf16(c.oxygen).toStdString() << " % at " << QString::fromUtf16(c.depth).toStdString() << " m";
}

class EnrichedAir : public ::testing::TestWithParam<Case> {};

TEST_P(EnrichedAir, GivesBothResultsOrTheMessage)
{
    const Case c = GetParam();
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    const support::EnrichedAirOutcome out = support::evaluateEnrichedAir(
        QString::fromUtf16(c.oxygen), QString::fromUtf16(c.depth), QStringLiteral("old14"), QStringLiteral("old16"));
    const std::string what =
        QString::fromUtf16(c.oxygen).toStdString() + " % at " + QString::fromUtf16(c.depth).toStdString() + " m";
    EXPECT_EQ(out.label14, QString::fromUtf16(c.label14)) << what;
    EXPECT_EQ(out.label16, QString::fromUtf16(c.label16)) << what;
    EXPECT_EQ(out.messageShown, c.message) << what;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, EnrichedAir,
    ::testing::Values(Case{u"32", u"30", u"24.4", u"1.28", false}, Case{u"36", u"39", u"29.7", u"1.76", false},
                      Case{u"32", u"100", u"84.7", u"3.52", false}, Case{u"21", u"30", u"30.0", u"0.84", false},
                      Case{u"100", u"30", u"-10.0", u"4.00", false}, Case{u"100", u"9", u"-10.0", u"1.90", false},
                      Case{u"0", u"30", u"40.6", u"0.00", false}, Case{u"32", u"0", u"-1.4", u"0.32", false},
                      Case{u"32", u"-10", u"-10.0", u"0.00", false}, Case{u"-5", u"30", u"43.2", u"-0.20", false},
                      // A text read for the number it starts with, whatever follows.
                      Case{u"32abc", u"30", u"24.4", u"1.28", false}, Case{u"32", u" +.5m", u"-1.0", u"0.34", false},
                      // A box with no number at its start gets the message and computes nothing.
                      Case{u"", u"", u"old14", u"old16", true}, Case{u"O2", u"30", u"old14", u"old16", true},
                      Case{u"32", u"deep", u"old14", u"old16", true}, Case{u"３２", u"30", u"old14", u"old16", true},
                      Case{u"32", u"３０", u"old14", u"old16", true}, Case{u"-", u"30", u"old14", u"old16", true},
                      Case{u"32", u".", u"old14", u"old16", true}, Case{u"+.", u"30", u"old14", u"old16", true},
                      Case{u"32", u"", u"old14", u"old16", true}, Case{u"32", u"- 5", u"old14", u"old16", true},
                      Case{u"120", u"30", u"-20.1", u"4.80", false}, Case{u"32", u"28", u"22.7", u"1.22", false},
                      // The five partial pressures that sit on a rounding boundary.
                      Case{u"21", u"15", u"15.0", u"0.53", false}, Case{u"31", u"15", u"11.8", u"0.78", false},
                      Case{u"33", u"15", u"11.2", u"0.83", false}, Case{u"35", u"27", u"20.4", u"1.30", false},
                      Case{u"35", u"33", u"25.4", u"1.51", false},
                      // Runtime errors before the depth result leave both labels alone.
                      Case{u"32", u"1e39", u"old14", u"old16", true}, Case{u"0", u"3e38", u"old14", u"old16", true},
                      Case{u"1e39", u"-10", u"old14", u"old16", true}, Case{u"32", u"1e400", u"old14", u"old16", true},
                      Case{u"1e400", u"30", u"old14", u"old16", true},
                      // An oxygen value beyond the float range alone is infinite, not an error.
                      Case{u"1e39", u"30", u"-∞", u"∞", false}));

// A form whose partial-pressure box refuses its caption, as a failing control would.
class RefusingForm final : public platform::FormAccess {
public:
    QHash<QString, QString> values;

protected:
    QString readText(QStringView control) override { return values.value(control.toString()); }
    void writeText(QStringView control, const QString &value) override { values[control.toString()] = value; }
    void writeCaption(QStringView control, const QString &value) override
    {
        if (control == u"Label16")
            throw platform::RuntimeError(platform::ErrorNumber::ObjectRequired);
        values[control.toString()] = value;
    }
    void moveFocus(QStringView) override {}
};

TEST(EnrichedAirHandler, AnErrorAfterTheDepthResultKeepsTheNewDepthBesideTheOldPressure)
{
    RefusingForm form;
    form.values = {{QStringLiteral("Combo1"), QStringLiteral("32")},
                   {QStringLiteral("Combo2"), QStringLiteral("30")},
                   {QStringLiteral("Label14"), QStringLiteral("old14")},
                   {QStringLiteral("Label16"), QStringLiteral("old16")}};
    support::RecordingMessageBoxes boxes;
    calc::runEnrichedAir(form, boxes);
    EXPECT_EQ(form.values.value(QStringLiteral("Label14")), QStringLiteral("24.4"));
    EXPECT_EQ(form.values.value(QStringLiteral("Label16")), QStringLiteral("old16"));
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests().front().prompt, QStringLiteral("半角数字を入れて下さい"));
}

TEST(EnrichedAirHandler, ShowsThePlainMessageAndNeverMovesTheFocus)
{
    for (const char16_t *depth : {u"30", u"1e39", u"３０"}) {
        platform::MemoryForm form;
        form.put(QStringLiteral("Combo1"), QStringLiteral("32"));
        form.put(QStringLiteral("Combo2"), QString::fromUtf16(depth));
        support::RecordingMessageBoxes boxes;
        calc::runEnrichedAir(form, boxes);
        EXPECT_TRUE(form.focus().isEmpty()) << QString::fromUtf16(depth).toStdString();
        for (const platform::MessageRequest &shown : boxes.requests()) {
            EXPECT_EQ(shown.prompt, QStringLiteral("半角数字を入れて下さい"));
            EXPECT_EQ(shown.buttons, platform::MessageButtons::Ok);
            EXPECT_EQ(shown.icon, platform::MessageIcon::None);
            EXPECT_TRUE(shown.title.isEmpty());
        }
    }
}

} // namespace
