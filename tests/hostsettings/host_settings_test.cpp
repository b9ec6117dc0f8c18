#include "hostsettings/host_settings.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(HostSettings, PointSizeInTenthsWithTheUsersSeparator) {
    EXPECT_EQ(FormatTenths(120, "."), "12");
    EXPECT_EQ(FormatTenths(105, "."), "10.5");
    EXPECT_EQ(FormatTenths(105, ","), "10,5");
    EXPECT_EQ(FormatTenths(95, ","), "9,5");
    EXPECT_EQ(FormatTenths(0, ","), "0");
    EXPECT_EQ(FormatTenths(-5, "."), "-0.5");
    EXPECT_EQ(FormatTenths(INT32_MIN, "."), "-214748364.8");
}

TEST(HostSettings, WhatTheControlsCanShow) {
    EXPECT_EQ(WordWrapState(0), 0);
    EXPECT_EQ(WordWrapState(1), 1);
    EXPECT_EQ(WordWrapState(2), 2);
    EXPECT_EQ(WordWrapState(3), std::nullopt);
    EXPECT_EQ(WordWrapState(-1), std::nullopt);

    EXPECT_EQ(BrowserSizeIndex("0"), 0);
    EXPECT_EQ(BrowserSizeIndex(" 4 "), 4);
    EXPECT_EQ(BrowserSizeIndex("+2"), 2);
    for (const char* none : {"", "5", "-1", "2.5", "dos", "-", "99999999999999"})
        EXPECT_EQ(BrowserSizeIndex(none), std::nullopt) << none;
}

}  // namespace
}  // namespace glifora
