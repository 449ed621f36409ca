#include "App.Lib.AtualizacaoValores.Calculo.h"

#include "FormatSettings.h"

#include <cmath>

std::optional<double> TAtualizacaoValoresLerValor(const QString &AText)
{
    QString text = AText;
    text.remove(u'.');
    double value = 0;
    if (!TryStrToFloat(text.trimmed(), value))
        return std::nullopt;
    return value;
}

std::optional<QString> TAtualizacaoValoresNovoValor(const QString &AValorAtual,
                                                    const QString &APercentual)
{
    const auto atual = TAtualizacaoValoresLerValor(AValorAtual);
    const auto percentual = TAtualizacaoValoresLerValor(APercentual);
    if (!atual || !percentual)
        return std::nullopt;
    const double novo = *atual * (*percentual / 100 + 1);
    if (novo <= 0)
        return std::nullopt;
    return FormatFloat(QStringLiteral("0.00"), novo);
}

std::optional<QString> TAtualizacaoValoresPercentual(const QString &AValorAtual,
                                                     const QString &ANovoValor)
{
    const auto atual = TAtualizacaoValoresLerValor(AValorAtual);
    const auto novo = TAtualizacaoValoresLerValor(ANovoValor);
    if (!atual || !novo || *atual == 0 || *novo <= 0)
        return std::nullopt;
    return FormatFloat(QStringLiteral("0.00"), (*novo / *atual - 1) * 100);
}

double TAtualizacaoValoresAplicarPercentual(double AValorAtual, double APercentual)
{
    const double novo = std::round(AValorAtual * (APercentual / 100 + 1) * 100) / 100;
    return novo > 0 ? novo : AValorAtual;
}
