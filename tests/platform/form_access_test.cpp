#include "form_access.h"
#include "runtime_error.h"
#include "widget_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

class WidgetFormTest : public ::testing::Test {
protected:
    WidgetFormTest()
    {
        auto add = [&](QWidget *w, const char *name) { w->setObjectName(QString::fromLatin1(name)); };
        add(new QLineEdit(QStringLiteral("200"), &root), "Text1");
        auto *combo = new QComboBox(&root);
        combo->setEditable(true);
        combo->addItems({QStringLiteral("21"), QStringLiteral("32")});
        combo->setEditText(QStringLiteral("28"));
        add(combo, "Combo1");
        add(new QLabel(&root), "Label7");
        add(new QPushButton(QStringLiteral("計　算"), &root), "Command1");
    }

    QWidget root;
    platform::WidgetForm form{&root};
};

TEST_F(WidgetFormTest, ReadsAndWritesByControlName)
{
    EXPECT_EQ(form.text(u"Text1"), QStringLiteral("200"));
    EXPECT_EQ(form.text(u"Combo1"), QStringLiteral("28"));
    form.setText(u"Text1", QString());
    EXPECT_EQ(root.findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QString());
    form.setCaption(u"Label7", QStringLiteral("16.7"));
    EXPECT_EQ(root.findChild<QLabel *>(QStringLiteral("Label7"))->text(), QStringLiteral("16.7"));
}

TEST_F(WidgetFormTest, UnknownControlsAndMembersRaiseRuntimeErrors)
{
    struct Row {
        const char *what;
        platform::ErrorNumber expected;
        std::function<void()> call;
    };
    const Row rows[] = {
        {"read missing", platform::ErrorNumber::ObjectRequired, [&] { form.text(u"Text9"); }},
        {"caption missing", platform::ErrorNumber::ObjectRequired, [&] { form.setCaption(u"Label99", {}); }},
        {"focus missing", platform::ErrorNumber::ObjectRequired, [&] { form.setFocus(u"Nope"); }},
        {"text of a button", platform::ErrorNumber::UnsupportedMember, [&] { form.text(u"Command1"); }},
        {"caption of a text box", platform::ErrorNumber::UnsupportedMember, [&] { form.setCaption(u"Text1", {}); }},
    };
    for (const Row &row : rows) {
        try {
            row.call();
            ADD_FAILURE() << row.what;
        } catch (const platform::RuntimeError &error) {
            EXPECT_EQ(error.number(), row.expected) << row.what;
        }
    }
}

TEST_F(WidgetFormTest, AFormWhoseWindowIsGoneRaisesInsteadOfCrashing)
{
    auto *window = new QWidget;
    new QLineEdit(window);
    platform::WidgetForm gone(window);
    delete window;
    EXPECT_THROW(gone.text(u"Text1"), platform::RuntimeError);
}

} // namespace
