#include "platform/profile_file.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(ProfileFileModel, EditsLikeTheSystemWriter) {
    ProfileFile f = ProfileFile::Parse("x=1\r\n[A]\r\nk=1");  // unterminated last line
    ASSERT_TRUE(f.SetValue("a", "n", "2"));
    ASSERT_TRUE(f.SetValue(" A ", "K", ""));
    ASSERT_TRUE(f.SetValue("B", "x", "3"));
    EXPECT_EQ(f.Bytes(), "x=1\r\n[A]\r\nK=\r\nn=2\r\n[B]\r\nx=3\r\n");
    EXPECT_EQ(f.Value("b", "X"), "3");
    EXPECT_EQ(f.Value("A", "missing"), std::nullopt);
    // Keys above the first section belong to none.
    EXPECT_EQ(f.Value("", "x"), std::nullopt);
    // Texts that cannot be one line change nothing.
    const std::string before = f.Bytes();
    EXPECT_FALSE(f.SetValue("A", "k", "two\r\nlines"));
    EXPECT_FALSE(f.SetValue("A", "", "v"));
    EXPECT_FALSE(f.SetValue("", "k", "v"));
    EXPECT_FALSE(f.SetValue("A", std::string_view("k\0", 2), "v"));
    EXPECT_EQ(f.Bytes(), before);
    EXPECT_TRUE(EqualsNoCase("TAMA\xD1O \x8A\x9F", "tama\xF1o \x9A\xFF"));
    EXPECT_FALSE(EqualsNoCase("\xD7", "\xF7"));  // x and / are not a pair
}

TEST(ProfileFileModel, HandEditedNonsenseIsKept) {
    // A header without its closing bracket opens no section: the keys go to a
    // new one and the broken lines stay as they were.
    ProfileFile f = ProfileFile::Parse("[Main\r\nNombre=x\r\n=\r\n[]\r\n");
    ASSERT_TRUE(f.SetValue("Main", "Nombre", "y"));
    EXPECT_EQ(f.Bytes(), "[Main\r\nNombre=x\r\n=\r\n[]\r\n[Main]\r\nNombre=y\r\n");

    // A UTF-8 file keeps its byte-order mark and gets UTF-8 text.
    ProfileFile utf8 = ProfileFile::Parse("\xEF\xBB\xBF[Fuente]\r\nTama\xC3\xB1o=9\r\n");
    EXPECT_EQ(utf8.Value("FUENTE", "Tama\xF1o"), "9");
    ASSERT_TRUE(utf8.SetValue("Fuente", "Tama\xF1o", "6"));
    ASSERT_TRUE(utf8.SetValue("Fuente", "Nombre", "Se\xF1or"));
    EXPECT_EQ(utf8.Bytes(), "\xEF\xBB\xBF[Fuente]\r\nTama\xC3\xB1o=6\r\nNombre=Se\xC3\xB1or\r\n");

    // A UTF-16 file is not understood and never rewritten.
    const std::string utf16("\xFF\xFE[\0M\0]\0", 8);
    ProfileFile wide = ProfileFile::Parse(utf16);
    EXPECT_FALSE(wide.SetValue("M", "k", "v"));
    EXPECT_EQ(wide.Bytes(), utf16);
}

}  // namespace
}  // namespace glifora
