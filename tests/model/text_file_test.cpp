#include "model/text_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray File_Bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void Put_Bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class Text_File : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST(Cp932, RepresentableCharacters)
{
    const struct {
        const char* text;
        bool representable;
    } cases[] = {
        {"", true},
        {"abc\\~", true},
        {"SS材", true},
        {"75×40", true},
        {"①", true},        // NEC special characters are part of code page 932
        {"～", true},        // U+FF5E, the code page's wave dash
        {"データ及びグラフ出力", true},
        {"ü", false},
        {"\xF0\x9F\x98\x80", false}, // an emoji outside the basic plane
        {"〜", false},        // U+301C maps to code page 932 one way only
        {"¥", false},
        {"材ü", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Is_Cp932_Representable(QString::fromUtf8(c.text)), c.representable) << c.text;
    }
}

TEST(Cp932, EncodeAndDecode)
{
    bool ok = false;
    EXPECT_EQ(Encode_Cp932(QString::fromUtf8("SS材75×40"), &ok), QByteArray("SS\x8d\xde" "75\x81\x7e" "40"));
    EXPECT_TRUE(ok);
    Encode_Cp932(QString::fromUtf8("ü"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Decode_Cp932(QByteArray("\x87\x40\x81\x60")), QString::fromUtf8("①～"));
    // A lead byte cut off at the end decodes to a substitute character, never to nothing.
    const QString cut_off = Decode_Cp932(QByteArray("a\x81"));
    ASSERT_EQ(cut_off.size(), 2);
    EXPECT_NE(cut_off[1], u'a');
}

TEST_F(Text_File, WritesCrLfAndReadsTheSameLinesBack)
{
    const QStringList lines{QString::fromUtf8("SS材"), QString::fromUtf8("75×40"), "", QString::fromUtf8("①"), "last"};
    const QString path = Path("round.txt");
    ASSERT_EQ(Write_Text_Lines(path, lines), "");
    EXPECT_EQ(File_Bytes(path), QByteArray("SS\x8d\xde\r\n" "75\x81\x7e" "40\r\n\r\n\x87\x40\r\nlast\r\n"));
    const Text_Lines_Result read = Read_Text_Lines(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.lines, lines);
    EXPECT_TRUE(read.error.isEmpty());
}

TEST_F(Text_File, ReadsCrLfAndLfOnlyLineEnds)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n\r\n", {"a", "", "b", ""}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\rb\r\n", {"a\rb"}},        // a lone CR is no line end
        {"\x8d\xde\n", {QString::fromUtf8("材")}},
    };
    const QString path = Path("in.txt");
    for (const auto& c : cases) {
        Put_Bytes(path, c.bytes);
        const Text_Lines_Result read = Read_Text_Lines(path);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.lines, c.lines) << c.bytes.toStdString();
    }
}

TEST_F(Text_File, ReadFailuresNameTheFile)
{
    const QString missing = Path("missing.txt");
    const Text_Lines_Result read = Read_Text_Lines(missing);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.lines.isEmpty());
    EXPECT_TRUE(read.error.contains(missing)) << read.error.toStdString();

    const Text_Lines_Result directory = Read_Text_Lines(dir.path());
    EXPECT_FALSE(directory.ok);
    EXPECT_TRUE(directory.error.contains(dir.path())) << directory.error.toStdString();
}

TEST_F(Text_File, RefusesAFileLargerThanTheLimit)
{
    const QString path = Path("big.txt");
    Put_Bytes(path, "0123456\r\n"); // nine bytes
    EXPECT_TRUE(Read_Text_Lines(path, 9).ok);
    const Text_Lines_Result read = Read_Text_Lines(path, 8);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.lines.isEmpty());
    EXPECT_TRUE(read.error.contains(path) && read.error.contains("8 bytes")) << read.error.toStdString();
}

TEST_F(Text_File, RefusesAnUnencodableCharacterAndKeepsTheOldFile)
{
    const QString path = Path("keep.txt");
    ASSERT_EQ(Write_Text_Lines(path, {"old"}), "");
    const QString error = Write_Text_Lines(path, {"fine", QString::fromUtf8("Müller")});
    EXPECT_TRUE(error.contains("code page 932")) << error.toStdString();
    EXPECT_TRUE(error.contains("line 2")) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8("\"ü\" (U+00FC)"))) << error.toStdString();
    EXPECT_EQ(File_Bytes(path), "old\r\n");

    const QString emoji = Write_Text_Lines(path, {QString::fromUtf8("a\xF0\x9F\x98\x80")});
    EXPECT_TRUE(emoji.contains("U+1F600")) << emoji.toStdString();
    EXPECT_EQ(File_Bytes(path), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"}); // no work file left
}

TEST_F(Text_File, RefusesALineBreakInsideALine)
{
    const QString path = Path("keep.txt");
    ASSERT_EQ(Write_Text_Lines(path, {"old"}), "");
    const QString error = Write_Text_Lines(path, {"a", "b\nc"});
    EXPECT_TRUE(error.contains("line 2")) << error.toStdString();
    EXPECT_EQ(File_Bytes(path), "old\r\n");
}

TEST_F(Text_File, ReportsAnUnwritablePath)
{
    const QString inside_missing = Path("no/such/dir/out.txt");
    const QString error = Write_Text_Lines(inside_missing, {"x"});
    EXPECT_TRUE(error.contains(inside_missing)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(inside_missing));

    EXPECT_FALSE(Write_Text_Lines(dir.path(), {"x"}).isEmpty()); // a directory
}

TEST_F(Text_File, WritesAnEmptyListAsAnEmptyFile)
{
    const QString path = Path("empty.txt");
    ASSERT_EQ(Write_Text_Lines(path, {"old"}), "");
    ASSERT_EQ(Write_Text_Lines(path, {}), "");
    EXPECT_EQ(File_Bytes(path), "");
    const Text_Lines_Result read = Read_Text_Lines(path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.lines.isEmpty());
}

} // namespace
