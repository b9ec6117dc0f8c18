// Glyph tables kept between runs: a kept state must be exactly what a fresh
// measurement gives, and anything that is not a whole file of ours for the
// same request and the same fonts must be measured again and replaced.
#include "textart/glyph_cache.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "test_support.h"
#include "textart/text_art_job.h"

namespace glifora {
namespace {

TextArtSettings SettingsFor(int palette, bool negative, int points = 6) {
    TextArtSettings s;
    s.font = {"DejaVu Sans Mono", points};
    s.palette = palette;
    s.negative = negative;
    s.columns = 23;
    return s;
}

MeasuredSession Fresh(const TextArtSettings& s) {
    TextArtSession session;
    PrepareSession(session, s);
    return session.Measured();
}

// Sets an environment variable for one scope.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value)
        : name(name), had(qEnvironmentVariableIsSet(name)), old(qgetenv(name)) {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~ScopedEnv() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    bool had;
    QByteArray old;
};

class GlyphCacheTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    GlyphCache cache{dir.filePath("glifora").toStdString()};
};

TEST_F(GlyphCacheTest, KeptTablesAreThoseMeasuredForEveryPaletteInBothModes) {
    const Raster picture = test::RandomRaster(61, 47, 3);
    for (bool negative : {false, true})
        for (int palette = 0; palette < static_cast<int>(kPalettes.size()); ++palette) {
            const TextArtSettings s = SettingsFor(palette, negative);
            const std::string what = std::to_string(palette) + (negative ? " negative" : "");
            TextArtSession first{TextArtSession::Deferred{}};
            PrepareSession(first, s, &cache);  // measured and kept
            TextArtSession second{TextArtSession::Deferred{}};
            PrepareSession(second, s, &cache);  // restored
            TextArtSession plain;
            PrepareSession(plain, s);
            EXPECT_TRUE(first.Measured() == plain.Measured()) << what;
            EXPECT_TRUE(second.Measured() == plain.Measured()) << what;
            for (Algorithm a : {Algorithm::Tonal, Algorithm::Outline, Algorithm::Detail}) {
                TextArtSettings with = s;
                with.algorithm = a;
                EXPECT_EQ(ConvertPicture(picture, with, second).text,
                          ConvertPicture(picture, with, plain).text)
                    << what;
            }
        }
    // Each request has a file of its own.
    EXPECT_EQ(QDir(dir.filePath("glifora")).entryList(QDir::Files).size(), 8);
}

TEST_F(GlyphCacheTest, ARestoredSessionMeasuresInTheFontItWasKeptFor) {
    const TextArtSettings s = SettingsFor(1, false, 9);
    TextArtSession kept{TextArtSession::Deferred{}};
    PrepareSession(kept, s, &cache);
    TextArtSession restored{TextArtSession::Deferred{}};
    PrepareSession(restored, s, &cache);
    EXPECT_EQ(restored.QtFont().pixelSize(), PointsToPixels(9));
    restored.SelectPalette(3);
    restored.SetNegative(true);
    EXPECT_TRUE(restored.Measured() == Fresh(SettingsFor(3, true, 9))) << "after a change";
}

TEST_F(GlyphCacheTest, DamagedForeignOrOtherFilesAreMeasuredAgainAndReplaced) {
    const TextArtSettings s = SettingsFor(2, true);
    const GlyphCacheRequest request{s.font, s.palette, s.negative};
    const GlyphCacheRequest other{s.font, 0, false};
    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSession(session, s, &cache);
    const std::string file = cache.FileFor(request);
    const std::string good = test::ReadFile(file);
    ASSERT_GT(good.size(), 1000u);
    PrepareSession(session, SettingsFor(0, false), &cache);
    const std::string otherFile = test::ReadFile(cache.FileFor(other));

    // One bit changed anywhere, in a table value as much as in the layout.
    for (size_t at = 0; at < good.size(); at += 61) {
        std::string flipped = good;
        flipped[at] ^= 0x01;
        test::WriteFile(file, flipped);
        EXPECT_FALSE(cache.Load(request)) << "bit changed at " << at;
    }
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"empty", ""},
        {"truncated", good.substr(0, good.size() - 9)},
        {"cut to the header", good.substr(0, 24)},
        {"foreign", "<html>not a glyph table</html>\n"},
        {"another request's", otherFile},
        {"trailing bytes", good + "x"},
    };
    const MeasuredSession measured = Fresh(s);
    for (const auto& [what, bytes] : damaged) {
        test::WriteFile(file, bytes);
        EXPECT_FALSE(cache.Load(request)) << what;
        TextArtSession again{TextArtSession::Deferred{}};
        PrepareSession(again, s, &cache);
        EXPECT_TRUE(again.Measured() == measured) << what;
        EXPECT_EQ(test::ReadFile(file), good) << what << ": not rewritten";
    }
}

TEST_F(GlyphCacheTest, ANewFontFolderOrAnotherEnvironmentIsAMiss) {
    const QString home = dir.filePath("home");
    ASSERT_TRUE(QDir().mkpath(home));
    const ScopedEnv homeEnv("HOME", home.toStdString());
    const TextArtSettings s = SettingsFor(0, false);
    const GlyphCacheRequest request{s.font, s.palette, s.negative};
    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSession(session, s, &cache);
    ASSERT_TRUE(cache.Load(request));
    {
        const ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
        EXPECT_FALSE(cache.Load(request));
    }
    // Fonts a user adds may change which file the face resolves to.
    ASSERT_TRUE(QDir().mkpath(home + "/.fonts"));
    EXPECT_FALSE(cache.Load(request));
    PrepareSession(session, s, &cache);
    EXPECT_TRUE(cache.Load(request));
}

TEST_F(GlyphCacheTest, AnUnwritableFolderOnlyMeansMeasuringEachTime) {
    test::WriteFile(dir.filePath("plain").toStdString(), "a file, not a folder");
    const GlyphCache blocked(dir.filePath("plain/glifora").toStdString());
    const TextArtSettings s = SettingsFor(1, false);
    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSession(session, s, &blocked);
    EXPECT_TRUE(session.Measured() == Fresh(s)) << "blocked";
    EXPECT_FALSE(blocked.Load({s.font, s.palette, s.negative}));
}

TEST(GlyphCacheFolder, FollowsTheCacheHomeAndCanBeTurnedOff) {
    {
        const ScopedEnv xdg("XDG_CACHE_HOME", "/some/cache");
        EXPECT_EQ(GlyphCache::ForUser().FileFor({}).rfind("/some/cache/glifora/", 0), 0u);
        const ScopedEnv off("GLIFORA_NO_GLYPH_CACHE", "1");
        EXPECT_FALSE(GlyphCache::ForUser().Enabled());
    }
    // A relative cache home is ignored, as the base-directory rules ask.
    const ScopedEnv xdg("XDG_CACHE_HOME", "relative");
    const ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(GlyphCache::ForUser().FileFor({}).rfind("/home/someone/.cache/glifora/", 0), 0u);
}

// The command line keeps its tables in the cache folder and prints the same
// art with and without them.
TEST(GlyphCacheCommandLine, KeepsTablesAndPrintsTheSameArt) {
    QTemporaryDir dir;
    const ScopedEnv xdg("XDG_CACHE_HOME", dir.path().toStdString());
    const std::string picture = dir.filePath("p.bmp").toStdString();
    test::WriteFile(picture, test::EncodePicture(test::RandomRaster(90, 60, 5), "BMP"));
    const std::vector<std::string> args = {"ascii", picture, "--columns", "30", "--shape"};
    const auto measured = test::RunGlifora(args);
    ASSERT_EQ(measured.status, 0) << measured.err;
    EXPECT_EQ(QDir(dir.filePath("glifora")).entryList(QDir::Files).size(), 1);
    const auto kept = test::RunGlifora(args);
    EXPECT_EQ(kept.out, measured.out);
    EXPECT_EQ(kept.err, measured.err);
    const ScopedEnv off("GLIFORA_NO_GLYPH_CACHE", "1");
    EXPECT_EQ(test::RunGlifora(args).out, measured.out);
}

}  // namespace
}  // namespace glifora
