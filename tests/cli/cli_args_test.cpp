#include "cli/cli_args.h"

#include <gtest/gtest.h>

#include "cli/cli_common.h"

namespace glifora::cli {

TEST(CliArgs, ParsesOptionsInAnyOrder) {
    const std::vector<OptionSpec> specs = {
        {"--palette", true}, {"--negative", false}, {"--effect", true, true}, {"-o", true}};
    const ParsedArgs a = ParseArgs({"pic.bmp", "--palette=2", "--effect", "12", "-o", "out.txt",
                                    "--effect", "2:5", "--negative", "--", "-odd.bmp"},
                                   specs);
    EXPECT_EQ(a.positionals, (std::vector<std::string>{"pic.bmp", "-odd.bmp"}));
    EXPECT_EQ(a.Int("--palette", 0, 3, 0), 2);
    EXPECT_EQ(a.All("--effect"), (std::vector<std::string>{"12", "2:5"}));
    EXPECT_EQ(*a.Get("-o"), "out.txt");
    EXPECT_TRUE(a.Has("--negative"));
}

TEST(CliArgs, RejectsWhatItDoesNotKnow) {
    const std::vector<OptionSpec> specs = {{"--palette", true}, {"--negative", false}};
    EXPECT_THROW((void)ParseArgs({"--nope"}, specs), UsageError);
    EXPECT_THROW((void)ParseArgs({"--palette"}, specs), UsageError);
    EXPECT_THROW((void)ParseArgs({"--palette", "1", "--palette", "2"}, specs), UsageError);
    EXPECT_THROW((void)ParseArgs({"--negative=1"}, specs), UsageError);
    const ParsedArgs a = ParseArgs({"--palette", "7"}, specs);
    EXPECT_THROW((void)a.Int("--palette", 0, 3, 0), UsageError);
    EXPECT_THROW((void)ParseInt("12x", 0, 100, "n"), UsageError);
    EXPECT_THROW((void)ParseInt("", 0, 100, "n"), UsageError);
    EXPECT_EQ(ParseInt("-100", -100, 100, "n"), -100);
}

TEST(CliOutput, TerminalTextIsUtf8WithLfAndNoControlStrings) {
    // 0x90 and 0x9D would open device and operating-system control strings.
    EXPECT_EQ(ForTerminal("a\x90"
                          "b\r\nc\x9D\xF1\x80"),
              "a?b\nc?ñ€");
    EXPECT_EQ(ForTerminal(""), "");
}

}  // namespace glifora::cli
