#pragma once

#include <QByteArray>
#include <QString>

// How pictures (a person's photo, the company's logo and card layout) are held and sent. A
// window holds a picture as text: the PNG bytes one character per byte through the Windows-1252
// page, as the Windows client reads them. On the wire that text travels as the Base64 form of
// its UTF-8 bytes, with CR LF after every 76th character, also at the very end when the form's
// length is a multiple of 76. Every step is the exact reverse of the other, so any byte string
// comes back unchanged.
class TPictureText final
{
public:
    TPictureText() = delete;

    // The text a window holds for the picture bytes, and back.
    static QString FromBytes(const QByteArray &APicture);
    static QByteArray ToBytes(const QString &AText);

    // The wire form of a held text; the empty text for the empty text.
    static QString Encode(const QString &AText);
    // The held text of a wire form (line breaks and blanks ignored).
    static QString Decode(const QString &AWire);
};
