#include "fonts/font_list.h"

#include <QFontDatabase>
#include <QSet>
#include <algorithm>

namespace glifora {

std::vector<std::string> EnumFixedFonts() {
    std::vector<QString> names;
    QSet<QString> seen;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family)) continue;
        if (seen.contains(family)) continue;
        seen.insert(family);
        names.push_back(family);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    std::vector<std::string> out;
    out.reserve(names.size());
    for (const QString& n : names) out.push_back(n.toStdString());
    return out;
}

}  // namespace glifora
