#pragma once

#include <QByteArray>

// Base64 as the original writes it: a CR LF after every 76 output characters. The decoder
// ignores line breaks and blanks, so it reads both forms.
QByteArray EncodeBase64(const QByteArray &bytes);
QByteArray EncodeBase64Plain(const QByteArray &bytes);
QByteArray DecodeBase64(const QByteArray &text);
// The URL-safe alphabet without padding, as JSON Web Tokens carry their parts.
QByteArray DecodeBase64Url(const QByteArray &text);
