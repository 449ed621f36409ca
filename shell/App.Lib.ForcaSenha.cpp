#include "App.Lib.ForcaSenha.h"

#include "Common.Base.Serialize.h"
#include "Common.Lib.Crypt.h"

#include "SysUtils.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// How many characters of the text the expression matches.
int countMatches(const QString &text, const QRegularExpression &expression)
{
    return int(text.length() - QString(text).remove(expression).length());
}

int classPoints(const QString &text, const QRegularExpression &expression)
{
    return std::min(countMatches(text, expression), 2) * 5;
}

} // namespace

int CalcularForcaSenha(const QString &ASenha)
{
    if (ASenha.isEmpty())
        return 0;
    static const QRegularExpression lower(QStringLiteral("[a-z]"));
    static const QRegularExpression upper(QStringLiteral("[A-Z]"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression other(QStringLiteral("[^a-zA-Z0-9]"));
    static const QRegularExpression repeated(QStringLiteral("(\\w{2,})\\1"));

    int points = int(std::min<qsizetype>(ASenha.length(), 10)) * 6;
    points += classPoints(ASenha, lower);
    points += classPoints(ASenha, upper);
    points += classPoints(ASenha, digit);
    points += classPoints(ASenha, other);
    if (!repeated.match(ASenha).hasMatch())
        points += 30;
    return points;
}

TNivelForcaSenha NivelForcaSenha(int APontos)
{
    if (APontos <= 0)
        return {};
    if (APontos >= 100)
        return { QStringLiteral("Segura"), TAlphaColors::Green };
    if (APontos >= 80)
        return { QStringLiteral("Forte"), TAlphaColors::Blue };
    if (APontos >= ForcaSenhaMinima)
        return { QStringLiteral("Aceitável"), TAlphaColors::Olive };
    if (APontos >= 50)
        return { QStringLiteral("Fraca"), TAlphaColors::Orange };
    return { QStringLiteral("Inaceitável"), TAlphaColors::Red };
}

QString ValidarTrocaSenha(const QString &ASenha, const QString &AConfirmacao)
{
    if (CalcularForcaSenha(ASenha) < ForcaSenhaMinima)
        return QStringLiteral("WARNING:A senha precisa estar num nível mínimo de aceitável.");
    if (ASenha.isEmpty() || AConfirmacao.isEmpty())
        return QStringLiteral("WARNING:Preencha a senha e a confirmação de senha.");
    if (TrimSenha(ASenha) != TrimSenha(AConfirmacao))
        return QStringLiteral("WARNING:A confirmação de senha está diferente da senha.");
    return {};
}

QString TrimSenha(const QString &ASenha)
{
    qsizetype first = 0;
    qsizetype last = ASenha.length();
    while (first < last && ASenha.at(first).unicode() <= u' ')
        ++first;
    while (last > first && ASenha.at(last - 1).unicode() <= u' ')
        --last;
    return ASenha.mid(first, last - first);
}

QString DigestSenha(const QString &ASenha)
{
    return HashPassword(TrimSenha(ASenha));
}

void ModificarSenha(std::int64_t AIdUsuario, const QString &ASenhaDigitada)
{
    const auto modifyPassword = TClassRegistry::FindFactory<TModifyPasswordProc>(
        QStringLiteral("TUsuarioPresenter.ModifyPassword"));
    if (!modifyPassword)
        throw Exception(QStringLiteral("ERROR:Troca de senha indisponível."));
    modifyPassword(AIdUsuario, DigestSenha(ASenhaDigitada));
}
