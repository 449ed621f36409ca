#pragma once

#include "App.Lib.Message.Form.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// What window and presenter tests share: the success message, the answers to a question and the
// rows of a list member of a request body (every list travels as {"listHelper": [...]}).
inline const QString kSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");
inline constexpr int kYes = mrYes;
inline constexpr int kNo = mrNo;

inline QJsonArray listOf(const QJsonObject &ABody, const char *AMember)
{
    return ABody.value(QLatin1String(AMember))
        .toObject()
        .value(QStringLiteral("listHelper"))
        .toArray();
}
