#pragma once

#include <QString>

#include <exception>
#include <string>

// The failure type of the whole system: its message is the user text, usually with a prefix
// ("ERROR:", "WARNING:" ...) that selects how the message window shows it.
class Exception : public std::exception
{
public:
    explicit Exception(QString message);
    ~Exception() override;

    const QString &Message() const { return m_message; }
    const char *what() const noexcept override;

private:
    QString m_message;
    std::string m_utf8;
};

// A text that cannot be read as the number or date asked for, or a JSON value of the wrong kind.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// A value stored into a property that cannot hold it.
class EInvalidCast : public Exception
{
public:
    using Exception::Exception;
};

// A list position outside the list (the token with too few parts, for example).
class EListError : public Exception
{
public:
    using Exception::Exception;
};

// An argument outside the range a routine accepts (rounding to more than 20 places, for example).
class EInvalidArgument : public Exception
{
public:
    using Exception::Exception;
};

// The HTTP client's own failure: no connection, a time-out, a broken transfer. The message is the
// user text followed by "IDU:" and the client's detail, which the message window never shows.
class ENetHTTPClientException : public Exception
{
public:
    explicit ENetHTTPClientException(const QString &detail);

    const QString &Detail() const { return m_detail; }

    static const QString &UserText();

private:
    QString m_detail;
};

// The message of a caught failure: an Exception's text, what() of any other standard
// exception, and `fallback` for anything else or no failure at all.
QString ExceptionMessage(std::exception_ptr failure, const QString &fallback);

// Delphi-style Format for the message texts: %s, %d, %u, %x and %% are supported; each
// placeholder takes the next argument's text.
QString Format(const QString &format, const QStringList &args);
