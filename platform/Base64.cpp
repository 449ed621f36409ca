#include "Base64.h"

QByteArray EncodeBase64Plain(const QByteArray &bytes)
{
    return bytes.toBase64();
}

QByteArray EncodeBase64(const QByteArray &bytes)
{
    const QByteArray plain = bytes.toBase64();
    QByteArray out;
    out.reserve(plain.size() + plain.size() / 76 * 2);
    for (qsizetype i = 0; i < plain.size(); i += 76) {
        if (i > 0)
            out += "\r\n";
        out += plain.mid(i, 76);
    }
    return out;
}

QByteArray DecodeBase64(const QByteArray &text)
{
    QByteArray clean;
    clean.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            clean += c;
    return QByteArray::fromBase64(clean);
}

QByteArray DecodeBase64Url(const QByteArray &text)
{
    return QByteArray::fromBase64(text.trimmed(),
                                  QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}
