#include "common/codepage.h"

#include <array>

namespace enalotto {

namespace {

// 0x80-0x9F; 0 marks the five bytes Windows-1252 leaves undefined (kept as C1 controls).
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t mapped = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : 0;
        *out++ = QChar(mapped ? mapped : char16_t(b));
    }
    return text;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        char byte = '?';
        for (size_t i = 0; i < high.size(); ++i) {
            if (high[i] == u) {
                byte = char(0x80 + i);
                break;
            }
        }
        // The undefined bytes round-trip as themselves.
        if (byte == '?' && u >= 0x80 && u < 0xA0 && high[u - 0x80] == 0)
            byte = char(u);
        bytes += byte;
    }
    return bytes;
}

} // namespace enalotto
