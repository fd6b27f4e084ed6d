#include "layout_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

TEST(LayoutFonts, TheLayoutsFacesResolveToTheInstalledJapaneseFaces)
{
    struct Row {
        QStringView face;
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
        const QFont font = layout::layoutFont(row.face, row.points, row.bold);
        const QString drawnIn = QString::fromLatin1(row.drawnIn);
#ifdef Q_OS_WIN
        // Windows has the layout's faces, so the font asks for them by name.
        EXPECT_EQ(font.family(), row.face.toString()) << row.drawnIn;
#else
        // The installed face itself, asked for by its own name.
        EXPECT_EQ(font.family(), drawnIn);
        EXPECT_TRUE(QFontDatabase::families().contains(font.family())) << row.drawnIn;
#endif
        EXPECT_EQ(QFontInfo(font).family(), drawnIn) << row.face.toString().toStdString();
    }
}
