#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace desktop {

// One modal message box, owned by the window of the control that asked for
// it, so that the keyboard goes back there once it is answered.
struct Message {
    QPointer<QWidget> owner = {};
    QString text = {};
    QString title = {};   // empty: the program's name
    bool yesNo = false;   // Yes and No, Yes the default; else OK alone
    bool warning = false; // the warning icon; else none
    // The user can select the text and copy it, for an address meant to be
    // used elsewhere.
    bool selectable = false;
};

// Shows `message` and waits for the answer: true for Yes or OK.
bool showMessage(const Message &message);

// An input message: OK only, no icon, the default title.
inline void inform(QWidget *owner, const QString &text)
{
    showMessage({owner, text, {}, false, false, false});
}

// A question with Yes and No and the warning icon; true on Yes.
inline bool askYesNo(QWidget *owner, const QString &text, const QString &title)
{
    return showMessage({owner, text, title, true, true, false});
}

// For tests: `hook` answers every message in place of a box, until it is
// reset with an empty one.
using MessageHook = std::function<bool(const Message &)>;
void setMessageHook(MessageHook hook);

} // namespace desktop
