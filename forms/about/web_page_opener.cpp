#include "web_page_opener.h"

#include "automation.h"
#include "message_boxes.h"

namespace forms {

void openWebPage(const QString &address)
{
    // The program never checks the connection itself: the user's answer is
    // the whole check.
    const QString prompt = QChar(u'\n') + QStringLiteral("インターネットに接続していますか？") + QChar(u'\n');
    if (!platform::messageBoxes().askYesNo(prompt, QStringLiteral("インターネット接続")))
        return;
    // A new browser each time, let go of as soon as it has its page, also when
    // a step fails: the program remembers nothing about browsers.
    const std::unique_ptr<platform::AutomationObject> browser = platform::createObject(platform::kBrowserClass);
    browser->call(u"navigate2", {address});
    browser->setProperty(u"Visible", true);
}

} // namespace forms
