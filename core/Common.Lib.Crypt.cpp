#include "Common.Lib.Crypt.h"

#include <QCryptographicHash>

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+/";
constexpr char Salt[] = "QWDRMN";

int symbolValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'Z')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 36;
    if (u == '+')
        return 62;
    if (u == '/')
        return 63;
    return -1;
}

} // namespace

QString EncodeText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() <= 0xFF)
            bytes += char(c.unicode());
        else
            bytes += QString(c).toUtf8();
    }
    QString out;
    out.reserve(bytes.size() * 4 / 3 + 2);
    unsigned accumulator = 0;
    int pending = 0;
    for (char b : bytes) {
        accumulator = (accumulator << 8) | static_cast<unsigned char>(b);
        pending += 8;
        while (pending >= 6) {
            pending -= 6;
            out += QLatin1Char(Alphabet[(accumulator >> pending) & 0x3F]);
            accumulator &= (1u << pending) - 1;
        }
    }
    if (pending > 0)
        out += QLatin1Char(Alphabet[(accumulator << (6 - pending)) & 0x3F]);
    return out;
}

QString DecodeText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    QString out;
    unsigned accumulator = 0;
    int pending = 0;
    for (QChar c : text) {
        const int value = symbolValue(c);
        if (value < 0)
            break;
        accumulator = (accumulator << 6) | unsigned(value);
        pending += 6;
        if (pending >= 8) {
            pending -= 8;
            out += QChar(char16_t((accumulator >> pending) & 0xFF));
            accumulator &= (1u << pending) - 1;
        }
    }
    return out;
}

QString HashPassword(const QString &password)
{
    const QByteArray input = QByteArray(Salt) + password.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(input, QCryptographicHash::Sha256).toHex());
}
