#include "SysUtils.h"

#include <QStringList>

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toStdString())
{ }

Exception::~Exception() = default;

const char *Exception::what() const noexcept
{
    return m_utf8.c_str();
}

const QString &ENetHTTPClientException::UserText()
{
    static const QString text = QStringLiteral("ERROR:Servidor indisponível no momento.");
    return text;
}

ENetHTTPClientException::ENetHTTPClientException(const QString &detail)
    : Exception(UserText() + QStringLiteral("IDU:") + detail)
    , m_detail(detail)
{ }

QString ExceptionMessage(std::exception_ptr failure, const QString &fallback)
{
    if (!failure)
        return fallback;
    try {
        std::rethrow_exception(failure);
    } catch (const Exception &error) {
        return error.Message();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return fallback;
    }
}

QString Format(const QString &format, const QStringList &args)
{
    QString result;
    result.reserve(format.size() + 32);
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const QChar kind = format.at(i + 1).toLower();
        if (kind == u'%') {
            result += u'%';
            ++i;
        } else if (kind == u's' || kind == u'd' || kind == u'u' || kind == u'x') {
            if (next >= args.size())
                throw EConvertError(
                    QStringLiteral("Format '%1' invalid or incompatible with argument")
                        .arg(format));
            result += args.at(next++);
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
