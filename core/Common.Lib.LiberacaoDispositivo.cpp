#include "Common.Lib.LiberacaoDispositivo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TLiberacaoDispositivo)

QString TLiberacaoDispositivo::QrText() const
{
    const QString json = AsJson().replace(QStringLiteral("\\/"), QStringLiteral("/"));
    // The QR code carries ISO-8859-1: any other character (a Polish "Ł", a dash "–") is written
    // as a JSON escape, so the device still reads the name exactly. Outside strings the JSON
    // text is plain ASCII, and a surrogate pair becomes two escapes, as JSON writes it.
    QString text;
    text.reserve(json.size());
    for (const QChar c : json) {
        if (c.unicode() <= 0xFF)
            text += c;
        else
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return text;
}
