#include "App.Lib.Exception.h"

#include "App.Lib.Utils.h"
#include "Events.h"
#include "SysUtils.h"

namespace {

const QString FormTag = QStringLiteral("<Form:");

} // namespace

TDravikHandleException::TTagged TDravikHandleException::SplitTitleTag(const QString &text)
{
    TTagged result { QString(), text };
    QString rest = text;
    for (;;) {
        const qsizetype tag = rest.indexOf(FormTag);
        if (tag < 0)
            break;
        const qsizetype close = rest.indexOf(u'>', tag + FormTag.size());
        // A tag that is never closed is no tag: the text stays as it is.
        if (close < 0)
            break;
        result.Title = rest.mid(tag + FormTag.size(), close - tag - FormTag.size()).trimmed();
        rest = rest.mid(close + 1).trimmed();
        result.Message = rest;
    }
    return result;
}

QString TDravikHandleException::TranslateDatabaseText(const QString &message)
{
    if (message.contains(QStringLiteral("duplicate key value violates")))
        return QStringLiteral("WARNING:A informação não pode ser duplicada.");
    if (message.contains(QStringLiteral("violates foreign key constraint"))
        && message.contains(QStringLiteral("delete"))) {
        return Format(QStringLiteral("WARNING:Não foi possível remover os itens.\r\n%s."),
                      { QStringLiteral("WARNING:Registro(s) já utilizado(s) no sistema.") });
    }
    if (message.contains(QStringLiteral("null value in column"))) {
        QString column;
        const qsizetype open = message.indexOf(u'"');
        if (open >= 0) {
            const qsizetype close = message.indexOf(u'"', open + 1);
            column = close >= 0 ? message.mid(open + 1, close - open - 1) : message.mid(open + 1);
        }
        column.replace(u'_', u' ');
        return Format(QStringLiteral("WARNING:O campo %s não pode conter valor zerado ou vazio."),
                      { column });
    }
    return message;
}

int TDravikHandleException::Handle(const QString &message)
{
    const TTagged tagged = SplitTitleTag(message);
    return TAppUtils::MessageSystem(TranslateDatabaseText(tagged.Message), tagged.Title);
}

QString TDravikHandleException::MessageOf(std::exception_ptr failure)
{
    if (!failure)
        return QString();
    return ExceptionMessage(failure, QStringLiteral("ERROR:Falha desconhecida."));
}

int TDravikHandleException::Handle(std::exception_ptr failure)
{
    return Handle(MessageOf(failure));
}

void TDravikHandleException::Guard(const std::function<void()> &action)
{
    try {
        action();
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        try {
            Handle(failure);
        } catch (...) {
            // Showing failed too: the platform's net writes it to the log.
            HandleApplicationException(failure);
        }
    }
}

void TDravikHandleException::InstallApplicationHandler()
{
    SetApplicationExceptionHandler([](std::exception_ptr failure) { Handle(failure); });
}
