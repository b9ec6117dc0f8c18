#include "cli/cli_args.h"

#include <charconv>

namespace glifora::cli {

std::optional<std::string> ParsedArgs::Get(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> ParsedArgs::All(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? std::vector<std::string>{} : it->second;
}

int ParsedArgs::Int(const std::string& name, int lo, int hi, int fallback) const {
    auto v = Get(name);
    return v ? ParseInt(*v, lo, hi, name) : fallback;
}

int ParseInt(const std::string& text, int lo, int hi, const std::string& what) {
    int value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (!text.empty() && *begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi)
        throw UsageError(what + " debe ser un número entero entre " + std::to_string(lo) + " y " +
                         std::to_string(hi) + " (se recibió «" + text + "»)");
    return value;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
    ParsedArgs out;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            out.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : specs)
            if (s.name == name) option = &s;
        if (!option) throw UsageError("opción desconocida: " + name);
        if (!option->repeatable && out.Has(name)) throw UsageError("opción repetida: " + name);
        if (option->optionalValue) {
            out.values[name].push_back(inlineValue.value_or(""));
            out.ordered.emplace_back(name, inlineValue.value_or(""));
            continue;
        }
        if (!option->takesValue) {
            if (inlineValue) throw UsageError("la opción " + name + " no lleva valor");
            out.values[name].push_back("");
            out.ordered.emplace_back(name, "");
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) throw UsageError("falta el valor de " + name);
            inlineValue = args[++i];
        }
        out.values[name].push_back(*inlineValue);
        out.ordered.emplace_back(name, *inlineValue);
    }
    return out;
}

}  // namespace glifora::cli
