#include "hostsettings/value_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "hostsettings/host_settings.h"
#include "test_support.h"

namespace glifora {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;
using Bytes = std::vector<uint8_t>;

constexpr RegRoot kUser = RegRoot::CurrentUser;

const std::string kStore =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n"
    "\"lfFaceName\"=\"Lucida Console\"\r\n"
    "\"iPointSize\"=dword:00000064\r\n"
    "\"fwrap\"=dword:00000001\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\3]\r\n"
    "\"IEFontSize\"=hex:02,00,00,\\\r\n"
    "  00\r\n"
    "\"Otro\"=\"C:\\\\\"\r\n";

class Store : public ::testing::Test {
  protected:
    std::string Path() const { return dir_.path().toStdString() + "/registro.reg"; }
    QTemporaryDir dir_;
};

TEST(RegData, ValueForms) {
    auto text = ParseRegData("\"say \\\"hi\\\" C:\\\\\"");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, RegType::Text);
    EXPECT_EQ(text->text, "say \"hi\" C:\\");
    EXPECT_EQ(FormatRegData(*text), "\"say \\\"hi\\\" C:\\\\\"");

    auto dword = ParseRegData("DWORD:0000ffFF");
    ASSERT_TRUE(dword);
    EXPECT_EQ(dword->type, RegType::Dword);
    EXPECT_EQ(dword->number, 0xFFFFu);
    EXPECT_EQ(FormatRegData(*dword), "dword:0000ffff");

    auto bytes = ParseRegData("hex: 2, 0a,FF,");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->type, RegType::Binary);
    EXPECT_EQ(bytes->bytes, (Bytes{2, 10, 255}));
    EXPECT_EQ(FormatRegData(*bytes), "hex:02,0a,ff");
    EXPECT_EQ(ParseRegData("hex:")->bytes, Bytes{});

    EXPECT_EQ(ParseRegData("hex(2):41,00")->type, RegType::Other);
    for (const char* bad : {"dword:", "dword:123456789", "dword:12x", "hex:1,,2", "hex:100",
                            "hex:zz", "\"open", "\"a\" b", "42", ""})
        EXPECT_FALSE(ParseRegData(bad)) << bad;
}

TEST_F(Store, ReadsEachTypeOnlyAsItself) {
    WriteFile(Path(), kStore);
    const ValueStore store(Path());
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "iPointSize"), 100);
    EXPECT_EQ(store.ReadRegDword(kUser, "software\\MICROSOFT\\notepad", "IPOINTSIZE"), 100);
    EXPECT_EQ(store.ReadRegValue(kUser, kNotepadKey, "lfFaceName"), "Lucida Console");
    EXPECT_EQ(store.ReadRegValue(kUser, kBrowserScriptKey, "Otro"), "C:\\");
    // A number is no text, a text no number.
    EXPECT_EQ(store.ReadRegValue(kUser, kNotepadKey, "iPointSize"), "");
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "lfFaceName"), 0);
    // Bytes read as a little-endian number; the list went on over two lines.
    EXPECT_EQ(store.ReadRegValue(kUser, kBrowserScriptKey, "IEFontSize"), "2");
    EXPECT_EQ(store.Read(kUser, kBrowserScriptKey, "IEFontSize")->bytes, (Bytes{2, 0, 0, 0}));
    // Missing values and keys (a missing file: the panel's ChoosingASizeStoresThreeBytes).
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "nada"), 0);
    EXPECT_EQ(store.ReadRegValue(kUser, "Software\\Nada", "lfFaceName"), "");
}

TEST_F(Store, WritesKeepTypesAndEveryOtherLine) {
    // A missing folder, file and key are created.
    ValueStore fresh(dir_.path().toStdString() + "/glifora/registro.reg");
    ASSERT_TRUE(fresh.WriteRegBinary(kUser, kBrowserScriptKey, "IEFontSize", Bytes{4, 0, 0}));
    EXPECT_EQ(ReadFile(fresh.Path()),
              "REGEDIT4\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet "
              "Explorer\\International\\Scripts\\3]\r\n"
              "\"IEFontSize\"=hex:04,00,00\r\n");

    // Each type written reads back as itself.
    ValueStore store(Path());
    RegValue text{RegType::Text, "Se\xF1or \"Mono\"", 0, {}};
    RegValue number{RegType::Dword, "", 0xFFFFFFFFu, {}};
    ASSERT_TRUE(store.Write(kUser, kNotepadKey, "lfFaceName", text));
    ASSERT_TRUE(store.Write(kUser, kNotepadKey, "iPointSize", number));
    EXPECT_EQ(store.ReadRegValue(kUser, kNotepadKey, "lfFaceName"), text.text);
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "iPointSize"), -1);
    EXPECT_FALSE(store.Write(kUser, kNotepadKey, "x", RegValue{}));  // no form for Other
    // Bytes are kept whole; only the first four make the number.
    const Bytes longer = {0x01, 0x02, 0x00, 0x80, 0x7F};
    ASSERT_TRUE(store.WriteRegBinary(kUser, "K", "v", longer));
    EXPECT_EQ(store.ReadRegValue(kUser, "K", "v"), "-2147483135");
    EXPECT_EQ(store.Read(kUser, "K", "v")->bytes, longer);
    ASSERT_TRUE(store.WriteRegBinary(kUser, "K", "v", Bytes{}));
    EXPECT_EQ(store.ReadRegValue(kUser, "K", "v"), "0");

    // A four-byte value over two lines becomes three bytes on one, under the
    // name as stored; the lines around it stay byte for byte.
    WriteFile(Path(), kStore);
    ASSERT_TRUE(store.WriteRegBinary(kUser, kBrowserScriptKey, "iefontsize", Bytes{2, 0, 0}));
    std::string expected = kStore;
    const size_t from = expected.find("\"IEFontSize\"");
    expected.replace(from, expected.find("\"Otro\"") - from, "\"IEFontSize\"=hex:02,00,00\r\n");
    EXPECT_EQ(ReadFile(Path()), expected);

    // A new value goes after the last line of its key, before the blank line.
    ASSERT_TRUE(store.WriteRegBinary(kUser, kNotepadKey, "b", Bytes{1}));
    expected.insert(expected.find("\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Int") + 2,
                    "\"b\"=hex:01\r\n");
    EXPECT_EQ(ReadFile(Path()), expected);
}

TEST_F(Store, HandEditedNonsenseReadsAsMissingAndIsKept) {
    const std::string nonsense =
        "\xEF\xBB\xBFREGEDIT4\n"
        "basura sin forma\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad\n"  // no closing bracket
        "\"iPointSize\"=dword:00000078\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\n"
        "\"fwrap\"=dword:zz\n"
        "\"lfFaceName\"=\"Tama\xC3\xB1o\"\n"
        "\"lfFaceName\" no equals\n"
        "\"iPointSize\"=hex:01\n";
    WriteFile(Path(), nonsense);
    ValueStore store(Path());
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "iPointSize"), 0);  // bytes, not a number
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "fwrap"), 0);
    EXPECT_EQ(store.ReadRegValue(kUser, kNotepadKey, "lfFaceName"), "Tama\xF1o");
    ASSERT_TRUE(store.WriteRegBinary(kUser, kNotepadKey, "fwrap", Bytes{1}));
    std::string expected = nonsense;
    expected.replace(expected.find("\"fwrap\"=dword:zz\n"), 17, "\"fwrap\"=hex:01\r\n");
    EXPECT_EQ(ReadFile(Path()), expected);

    // Where a value is given twice the last one holds, for reading and writing.
    WriteFile(Path(), "[HKEY_CURRENT_USER\\K]\r\n\"v\"=dword:1\r\n\"v\"=dword:2\r\n");
    EXPECT_EQ(store.ReadRegDword(kUser, "K", "v"), 2);
    ASSERT_TRUE(store.Write(kUser, "K", "v", RegValue{RegType::Dword, "", 3, {}}));
    EXPECT_EQ(ReadFile(Path()),
              "[HKEY_CURRENT_USER\\K]\r\n\"v\"=dword:1\r\n\"v\"=dword:00000003\r\n");
}

TEST_F(Store, WritesAfterAByteListLeftOpenStayValuesOfTheirOwn) {
    ValueStore store(Path());
    const RegValue hundred{RegType::Dword, "", 100, {}};
    // The byte list runs on into a blank line, asks for a line the file does
    // not have, or (doubled backslash) for two: a value added to its key, or
    // a new key, must neither become more bytes nor change what the list reads.
    for (const char* tail : {"\"b\"=hex:81,00,\\\r\n\n", "\"b\"=hex:81,00,\\",
                             "\"b\"=hex:01,\\\\\r\n  ", "\"b\"=hex:02\r"}) {
        WriteFile(Path(), std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n") + tail);
        const auto before = store.Read(kUser, "K", "b");
        ASSERT_TRUE(store.Write(kUser, "K", "n", hundred)) << tail;
        ASSERT_TRUE(store.Write(kUser, "Otra", "n", hundred)) << tail;
        EXPECT_EQ(store.ReadRegDword(kUser, "K", "n"), 100) << tail;
        EXPECT_EQ(store.ReadRegDword(kUser, "Otra", "n"), 100) << tail;
        const auto after = store.Read(kUser, "K", "b");
        ASSERT_EQ(after.has_value(), before.has_value()) << tail;
        if (after) {
            EXPECT_EQ(after->bytes, before->bytes) << tail;
        }
    }
}

TEST_F(Store, FailedWritesChangeNothing) {
    const std::string original = kStore;
    WriteFile(Path(), original);
    QFile::setPermissions(QString::fromStdString(Path()), QFile::ReadOwner);
    ValueStore store(Path());
    EXPECT_EQ(store.ReadRegDword(kUser, kNotepadKey, "iPointSize"), 100);  // still readable
    EXPECT_FALSE(store.WriteRegBinary(kUser, kBrowserScriptKey, "IEFontSize", Bytes{1, 0, 0}));
    EXPECT_EQ(ReadFile(Path()), original);
    QFile::setPermissions(QString::fromStdString(Path()), QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_FALSE(store.WriteRegBinary(kUser, "Bad\nKey", "v", Bytes{1}));
    EXPECT_EQ(ReadFile(Path()), original);

    const std::string utf16("\xFF\xFER\0E\0", 6);
    WriteFile(Path(), utf16);
    EXPECT_EQ(store.ReadRegValue(kUser, kBrowserScriptKey, "IEFontSize"), "");
    EXPECT_FALSE(store.WriteRegBinary(kUser, kBrowserScriptKey, "IEFontSize", Bytes{1, 0, 0}));
    EXPECT_EQ(ReadFile(Path()), utf16);

    ValueStore folder(dir_.path().toStdString());  // a folder is no store
    EXPECT_EQ(folder.ReadRegDword(kUser, kNotepadKey, "fwrap"), 0);
    EXPECT_FALSE(folder.WriteRegBinary(kUser, kBrowserScriptKey, "IEFontSize", Bytes{1}));
}

}  // namespace
}  // namespace glifora
