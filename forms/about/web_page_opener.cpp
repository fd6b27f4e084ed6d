#include "web_page_opener.h"

namespace forms {

void openWebPage(const QString &)
{
    // Stand-in until the opener lands.
}

} // namespace forms
