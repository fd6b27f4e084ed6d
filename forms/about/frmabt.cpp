#include "frmabt.h"

#include <QDialog>

namespace forms {

void frmabt::sakusya() {}

QWidget *frmabt::createWindow()
{
    // Stand-in until the About box lands.
    auto *window = new QDialog;
    window->setObjectName(QStringLiteral("frmabt"));
    return window;
}

} // namespace forms
