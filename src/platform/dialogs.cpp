#include "platform/dialogs.h"

namespace glifora {

std::vector<FilterEntry> PrepareFilter(const std::string& filter) {
    std::string text = filter;
    if (text.empty() || text.back() != '|') text.push_back('|');
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1)
        parts.push_back(text.substr(start, bar - start));
    std::vector<FilterEntry> entries;
    for (size_t i = 0; i < parts.size(); i += 2) {
        FilterEntry e;
        e.description = parts[i];
        if (i + 1 < parts.size()) {
            const std::string& p = parts[i + 1];
            size_t s = 0;
            for (size_t semi; s <= p.size(); s = semi + 1) {
                semi = p.find(';', s);
                if (semi == std::string::npos) semi = p.size();
                if (semi > s) e.patterns.push_back(p.substr(s, semi - s));
            }
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace glifora
