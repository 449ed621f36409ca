#include "Common.Lib.PictureText.h"

#include "Base64.h"
#include "Windows1252.h"

namespace {

constexpr qsizetype LineLength = 76;

} // namespace

QString TPictureText::FromBytes(const QByteArray &APicture)
{
    return FromWindows1252(APicture);
}

QByteArray TPictureText::ToBytes(const QString &AText)
{
    return ToWindows1252(AText);
}

QString TPictureText::Encode(const QString &AText)
{
    const QByteArray plain = EncodeBase64Plain(AText.toUtf8());
    QByteArray wire;
    wire.reserve(plain.size() + (plain.size() / LineLength + 1) * 2);
    for (qsizetype start = 0; start < plain.size(); start += LineLength) {
        const QByteArray line = plain.mid(start, LineLength);
        wire += line;
        if (line.size() == LineLength)
            wire += "\r\n";
    }
    return QString::fromLatin1(wire);
}

QString TPictureText::Decode(const QString &AWire)
{
    return QString::fromUtf8(DecodeBase64(AWire.toLatin1()));
}
