#pragma once

#include <QString>

// The system's own text encoding for credentials kept by the back end (6 bits a symbol over
// "0-9A-Za-z+/", no padding) and the digest under which a password travels.

// The empty text for a text that is empty or only blanks. Characters above code 255 are
// encoded as their UTF-8 bytes, so no symbol outside the alphabet is ever produced.
QString EncodeText(const QString &text);
// Decodes up to the first symbol outside the alphabet; leftover bits are dropped.
QString DecodeText(const QString &text);
// The lower-case hexadecimal SHA-256 of the UTF-8 bytes of the fixed salt and the password.
QString HashPassword(const QString &password);
