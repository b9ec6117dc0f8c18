#pragma once
// Table-driven parsing of command-line arguments: each subcommand lists its
// options, and one parser serves them all.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace glifora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // an input unreadable or an output unwritable
inline constexpr int kExitUsage = 2;

struct OptionSpec {
    std::string name;  // "--palette", or "-o"
    bool takesValue = false;
    bool repeatable = false;
    // A flag that may carry a value, given only as "--name=value".
    bool optionalValue = false;
};

// A usage error: the message is shown with the subcommand's usage, exit 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ParsedArgs {
  public:
    std::vector<std::string> positionals;
    // Flags (and optional values not given) hold one empty value.
    std::map<std::string, std::vector<std::string>> values;
    // Every option with its value, in the order given (for steps applied in order).
    std::vector<std::pair<std::string, std::string>> ordered;

    [[nodiscard]] bool Has(const std::string& name) const { return values.count(name) > 0; }
    [[nodiscard]] std::optional<std::string> Get(const std::string& name) const;
    [[nodiscard]] std::vector<std::string> All(const std::string& name) const;
    // Integer value in [lo, hi], or `fallback` when absent; UsageError otherwise.
    [[nodiscard]] int Int(const std::string& name, int lo, int hi, int fallback) const;
};

// Options may come before or after positionals; "--name=value" and "--name value"
// both work; "--" ends the options.
[[nodiscard]] ParsedArgs ParseArgs(const std::vector<std::string>& args,
                                   const std::vector<OptionSpec>& specs);

// Parses a whole decimal integer in [lo, hi]; `what` names it in the error.
[[nodiscard]] int ParseInt(const std::string& text, int lo, int hi, const std::string& what);

}  // namespace glifora::cli
