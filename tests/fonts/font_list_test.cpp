#include "fonts/font_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace glifora {
namespace {

bool Listed(const std::vector<std::string>& faces, const std::string& face) {
    return std::find(faces.begin(), faces.end(), face) != faces.end();
}

// The set-up installs DejaVu and Liberation, each with fixed and proportional faces.
TEST(FixedFonts, ListsOnlyFixedPitchFamiliesOnce) {
    const std::vector<std::string> faces = EnumFixedFonts();
    EXPECT_TRUE(Listed(faces, "DejaVu Sans Mono"));
    EXPECT_TRUE(Listed(faces, "Liberation Mono"));
    EXPECT_FALSE(Listed(faces, "DejaVu Sans"));
    EXPECT_FALSE(Listed(faces, "Liberation Serif"));
    EXPECT_EQ(std::set<std::string>(faces.begin(), faces.end()).size(), faces.size());
}

}  // namespace
}  // namespace glifora
