#include "platform/ansi.h"

#include <gtest/gtest.h>

namespace glifora {

TEST(Ansi, RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString unicode = AnsiToUnicode(all);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(UnicodeToAnsi(unicode), all);
}

TEST(Ansi, MapsTheWindowsPunctuationAndUndefinedBytes) {
    EXPECT_EQ(AnsiToUnicode("\x80")[0].unicode(), 0x20AC);  // euro sign
    EXPECT_EQ(AnsiToUnicode("\x93")[0].unicode(), 0x201C);
    EXPECT_EQ(AnsiToUnicode("\x81")[0].unicode(), 0x0081);  // undefined: the C1 control
    EXPECT_EQ(AnsiToUnicode("\xF1")[0].unicode(), 0x00F1);  // ñ
    EXPECT_EQ(Utf8ToAnsi("Tamaño"), "Tama\xF1o");
    EXPECT_EQ(AnsiToUtf8("Tama\xF1o"), "Tamaño");
}

TEST(Ansi, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToAnsi("\U0001F600"), "?");  // one character, one mark
}

}  // namespace glifora
