// Compiles the generated sorvane.rc as the Windows build does and reads the compiled
// resources back, field by field. The Windows build reads them from the
// program it built instead.
#include "sorvane_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr int kVersionType = 16;
constexpr int kIconType = 3;
constexpr int kGroupIconType = 14;

int align4(int offset)
{
    return (offset + 3) & ~3;
}

quint16 word(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 dword(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

// A NUL-terminated UTF-16 string at `offset`; `end` is set past the NUL.
QString utf16(const QByteArray &data, int offset, int &end)
{
    QString text;
    while (offset + 1 < data.size() && word(data, offset) != 0) {
        text.append(QChar(word(data, offset)));
        offset += 2;
    }
    end = offset + 2;
    return text;
}

struct Resource {
    int type;
    int name;
    int language;
    QByteArray data;
};

// The entries of a .res file, after its empty leading entry. Only numbered
// types and names occur in ours; a named one reads as -1.
std::vector<Resource> readRes(const QByteArray &res)
{
    std::vector<Resource> entries;
    int at = 0;
    while (at + 32 <= res.size()) {
        const int dataSize = static_cast<int>(dword(res, at));
        const int headerSize = static_cast<int>(dword(res, at + 4));
        int field = at + 8;
        auto id = [&] {
            if (word(res, field) == 0xFFFF) {
                const int value = word(res, field + 2);
                field += 4;
                return value;
            }
            int end = 0;
            utf16(res, field, end);
            field = end;
            return -1;
        };
        const int type = id();
        const int name = id();
        field = align4(field);
        const int language = word(res, field + 6);
        if (dataSize > 0 || type != 0)
            entries.push_back({type, name, language, res.mid(at + headerSize, dataSize)});
        at = align4(at + headerSize + dataSize);
    }
    return entries;
}

// One block of a version record: its key, its value and the blocks inside.
struct Block {
    QString key;
    int type = 0; // 1: the value is text
    QByteArray value;
    std::vector<Block> children;

    QString text() const
    {
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(value.constData()), value.size() / 2)
            .section(QChar(0), 0, 0);
    }
    const Block *child(const QString &name) const
    {
        for (const Block &block : children)
            if (block.key == name)
                return &block;
        return nullptr;
    }
};

Block readBlock(const QByteArray &data, int at, int &length)
{
    Block block;
    length = word(data, at);
    const int valueLength = word(data, at + 2);
    block.type = word(data, at + 4);
    int end = 0;
    block.key = utf16(data, at + 6, end);
    int pos = align4(end);
    const int valueBytes = block.type == 1 ? valueLength * 2 : valueLength;
    block.value = data.mid(pos, valueBytes);
    pos = align4(pos + valueBytes);
    while (pos < at + length) {
        int childLength = 0;
        block.children.push_back(readBlock(data, pos, childLength));
        if (childLength == 0)
            break;
        pos = align4(pos + childLength);
    }
    return block;
}

const Resource *find(const std::vector<Resource> &entries, int type)
{
    for (const Resource &entry : entries)
        if (entry.type == type)
            return &entry;
    return nullptr;
}

#ifdef Q_OS_WIN
// A numbered type or name; a named one reads as -1, as in readRes.
int resourceId(LPCWSTR id)
{
    return IS_INTRESOURCE(id) ? static_cast<int>(reinterpret_cast<quintptr>(id)) : -1;
}

BOOL CALLBACK addLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR entries)
{
    HRSRC info = FindResourceExW(module, type, name, language);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const auto *bytes = data ? static_cast<const char *>(LockResource(data)) : nullptr;
    reinterpret_cast<std::vector<Resource> *>(entries)->push_back(
        {resourceId(type), resourceId(name), language,
         bytes ? QByteArray(bytes, static_cast<qsizetype>(SizeofResource(module, info))) : QByteArray()});
    return TRUE;
}

BOOL CALLBACK addName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR entries)
{
    return EnumResourceLanguagesW(module, type, name, addLanguage, entries);
}

BOOL CALLBACK addType(HMODULE module, LPWSTR type, LONG_PTR entries)
{
    return EnumResourceNamesW(module, type, addName, entries);
}

// Every resource of a built program, as the system's resource functions give them.
std::vector<Resource> readProgram(const QString &path)
{
    std::vector<Resource> entries;
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module) {
        EnumResourceTypesW(module, addType, reinterpret_cast<LONG_PTR>(&entries));
        FreeLibrary(module);
    }
    return entries;
}
#endif

class VersionResource : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef Q_OS_WIN
        entries = readProgram(QStringLiteral(SORVANE_EXE));
        ASSERT_FALSE(entries.empty()) << "no resources in " SORVANE_EXE;
        return;
#endif
        const QString windres = QStringLiteral(SORVANE_WINDRES);
        if (windres.isEmpty() || !QFileInfo(windres).isExecutable())
            GTEST_SKIP() << "MinGW windres is not installed (binutils-mingw-w64-i686)";
        ASSERT_TRUE(dir.isValid());
        const QString output = dir.filePath(QStringLiteral("sorvane.res"));
        QStringList arguments;
        // windres looks for a MinGW C preprocessor by default; any C
        // preprocessor does for a script with no system headers.
        if (!QStringLiteral(SORVANE_RC_PREPROCESSOR).isEmpty())
            arguments << QStringLiteral("--preprocessor=" SORVANE_RC_PREPROCESSOR);
        arguments << QStringLiteral("-O") << QStringLiteral("res") << QStringLiteral("-o") << output
                  << QStringLiteral(SORVANE_RC);
        QProcess process;
        process.start(windres, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        QFile res(output);
        ASSERT_TRUE(res.open(QIODevice::ReadOnly));
        entries = readRes(res.readAll());
    }

    QTemporaryDir dir;
    std::vector<Resource> entries;
};

} // namespace

TEST_F(VersionResource, HoldsTheVersionRecordAndTheIconAndNothingElse)
{
    struct Row {
        int type, name, language;
    };
    const Row rows[] = {{kVersionType, 1, 0x411}, {kIconType, 30001, 0}, {kGroupIconType, 1, 0}};
    ASSERT_EQ(entries.size(), std::size(rows));
    for (const Row &row : rows) {
        const Resource *entry = find(entries, row.type);
        ASSERT_NE(entry, nullptr) << row.type;
        EXPECT_EQ(entry->name, row.name) << row.type;
        EXPECT_EQ(entry->language, row.language) << row.type;
    }
}

TEST_F(VersionResource, FixedPartStringsAndTranslation)
{
    const Resource *version = find(entries, kVersionType);
    ASSERT_NE(version, nullptr);
    int length = 0;
    const Block root = readBlock(version->data, 0, length);
    EXPECT_EQ(root.key, QStringLiteral("VS_VERSION_INFO"));
    ASSERT_EQ(root.value.size(), 52);

    // The numbers are those the text spells as major.minor.revision, the
    // third of the four parts being 0.
    const QStringList parts = identity::kVersion.toString().split(u'.');
    ASSERT_EQ(parts.size(), 3);
    const quint32 high = parts[0].toUInt() << 16 | parts[1].toUInt();
    const quint32 low = parts[2].toUInt();
    struct Field {
        const char *name;
        int offset;
        quint32 expected;
    };
    const Field fields[] = {
        {"signature", 0, 0xFEEF04BD},
        {"file version high", 8, high},
        {"file version low", 12, low},
        {"product version high", 16, high},
        {"product version low", 20, low},
        {"flags mask", 24, 0},
        {"flags", 28, 0},
        {"operating system", 32, 4},
        {"file type", 36, 1},
        {"file subtype", 40, 0},
        {"date high", 44, 0},
        {"date low", 48, 0},
    };
    for (const Field &field : fields)
        EXPECT_EQ(dword(root.value, field.offset), field.expected) << field.name;

    const Block *strings = root.child(QStringLiteral("StringFileInfo"));
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const Block &table = strings->children[0];
    EXPECT_EQ(table.key, QStringLiteral("041104B0"));
    const QString program = identity::kExecutable.toString();
    const QString versionText = identity::kVersion.toString();
    const struct {
        const char *key;
        QString value;
    } expected[] = {
        {"ProductName", program},
        {"FileVersion", versionText},
        {"ProductVersion", versionText},
        {"InternalName", program},
        {"OriginalFilename", program + QStringLiteral(".exe")},
    };
    ASSERT_EQ(table.children.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_EQ(table.children[k].key, QLatin1String(expected[k].key)) << k;
        EXPECT_EQ(table.children[k].text(), expected[k].value) << k;
    }

    const Block *variables = root.child(QStringLiteral("VarFileInfo"));
    ASSERT_NE(variables, nullptr);
    const Block *translation = variables->child(QStringLiteral("Translation"));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4);
    EXPECT_EQ(word(translation->value, 0), 0x411);
    EXPECT_EQ(word(translation->value, 2), 1200);
}

TEST_F(VersionResource, IconImageIsTheIconFilesOneImageAndTheGroupNamesIt)
{
    QFile ico(QStringLiteral(SORVANE_APP_DIR "/sorvane.ico"));
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    const QByteArray file = ico.readAll();
    ASSERT_EQ(file.size(), 766);

    const Resource *image = find(entries, kIconType);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->data.size(), 744);
    EXPECT_EQ(image->data, file.mid(22));

    const Resource *group = find(entries, kGroupIconType);
    ASSERT_NE(group, nullptr);
    const QByteArray &g = group->data;
    ASSERT_EQ(g.size(), 20);
    struct Field {
        const char *name;
        int value, expected;
    };
    const Field fields[] = {
        {"reserved", word(g, 0), 0},
        {"type", word(g, 2), 1},
        {"count", word(g, 4), 1},
        {"width", static_cast<quint8>(g[6]), 32},
        {"height", static_cast<quint8>(g[7]), 32},
        {"colours", static_cast<quint8>(g[8]), 16},
        {"planes", word(g, 10), 1},
        {"bits per pixel", word(g, 12), 4},
        {"bytes", static_cast<int>(dword(g, 14)), 744},
        {"image name", word(g, 18), 30001},
    };
    for (const Field &field : fields)
        EXPECT_EQ(field.value, field.expected) << field.name;
}
