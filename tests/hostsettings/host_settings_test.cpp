#include "hostsettings/host_settings.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(HostSettings, PointSizeInTenthsWithTheUsersSeparator) {
    EXPECT_EQ(FormatTenths(120, ".") + " " + FormatTenths(105, ".") + " " + FormatTenths(95, ","),
              "12 10.5 9,5");
    EXPECT_EQ(FormatTenths(0, ",") + " " + FormatTenths(-5, "."), "0 -0.5");
    EXPECT_EQ(FormatTenths(INT32_MIN, "."), "-214748364.8");
}

TEST(HostSettings, WhatTheControlsCanShow) {
    for (int v : {-1, 0, 1, 2, 3}) EXPECT_EQ(WordWrapState(v).value_or(-1), v == 3 ? -1 : v) << v;

    for (auto [text, index] : {std::pair{"0", 0}, {" 4 ", 4}, {"+2", 2}})
        EXPECT_EQ(BrowserSizeIndex(text), index) << text;
    for (const char* none : {"", "5", "-1", "2.5", "dos", "-", "99999999999999"})
        EXPECT_EQ(BrowserSizeIndex(none), std::nullopt) << none;
}

}  // namespace
}  // namespace glifora
