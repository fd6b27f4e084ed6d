#include "window_builder.h"

#include <QFontInfo>

#include <gtest/gtest.h>

TEST(LayoutFonts, TheLayoutsFaceNamesDrawInTheInstalledJapaneseFaces)
{
    layout::registerJapaneseFontAliases();
    struct Row {
        QStringView family;
        qreal points;
        bool bold;
        const char *drawnIn;
    };
    const Row rows[] = {
        {layout::kPGothic, 9, false, "IPAPGothic"},    {layout::kPGothic, 12, true, "IPAPGothic"},
        {layout::kPGothic, 14.25, true, "IPAPGothic"}, {layout::kMincho, 12, true, "IPAMincho"},
        {layout::kMincho, 8.25, false, "IPAMincho"},
    };
    for (const Row &row : rows) {
        const QFont font = layout::layoutFont(row.family, row.points, row.bold);
        // The request keeps the layout's name; only what draws it is mapped.
        EXPECT_EQ(font.family(), row.family.toString()) << row.drawnIn;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(row.drawnIn)) << row.family.toString().toStdString();
    }
}
