#include "Windows1252.h"

namespace {

// 0x80..0x9F; 0 marks the five undefined positions.
constexpr char16_t HighTable[32]
    = { 0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178 };

} // namespace

QByteArray ToWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        // The five positions the page leaves undefined come back as the control characters
        // FromWindows1252 gave them, so any byte string survives the round trip.
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || (c <= 0x9F && HighTable[c - 0x80] == 0)) {
            out += char(c);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (HighTable[i] != 0 && HighTable[i] == c) {
                mapped = char(0x80 + i);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

QString FromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const unsigned char c = static_cast<unsigned char>(b);
        if (c >= 0x80 && c <= 0x9F) {
            const char16_t mapped = HighTable[c - 0x80];
            out += QChar(mapped ? mapped : char16_t(c));
        } else {
            out += QChar(char16_t(c));
        }
    }
    return out;
}
