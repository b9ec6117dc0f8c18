#include "platform/ansi.h"

#include <QStringDecoder>
#include <array>
#include <unordered_map>

namespace glifora {
namespace {

// Bytes 0x80-0x9F of Windows-1252; the five bytes the code page leaves
// undefined map to the C1 control of the same number, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, char> fromUnicode;

    CodePage() {
        // The system converter decides; the table above stands in where Qt was
        // built without ICU and knows no "windows-1252".
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            char16_t u = static_cast<char16_t>(b);
            if (b >= 0x80 && b < 0xA0) u = kHighControls[b - 0x80];
            if (decoder.isValid()) {
                const char byte = static_cast<char>(b);
                const QString s = decoder.decode(QByteArrayView(&byte, 1));
                decoder.resetState();
                if (s.size() == 1 && s[0] != QChar::ReplacementCharacter) u = s[0].unicode();
            }
            toUnicode[b] = u;
        }
        for (int b = 255; b >= 0; --b) fromUnicode[toUnicode[b]] = static_cast<char>(b);
    }
};

const CodePage& Page() {
    static const CodePage page;
    return page;
}

}  // namespace

QString AnsiToUnicode(std::string_view bytes) {
    const CodePage& cp = Page();
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* dst = out.data();
    for (size_t i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(cp.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

std::string UnicodeToAnsi(const QString& text) {
    const CodePage& cp = Page();
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // one character outside the basic plane: one "?"
            out.push_back('?');
            continue;
        }
        auto it = cp.fromUnicode.find(c.unicode());
        out.push_back(it == cp.fromUnicode.end() ? '?' : it->second);
    }
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    return UnicodeToAnsi(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string AnsiToUtf8(std::string_view bytes) {
    return AnsiToUnicode(bytes).toStdString();
}

}  // namespace glifora
