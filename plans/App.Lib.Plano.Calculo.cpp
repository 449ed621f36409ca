#include "App.Lib.Plano.Calculo.h"

#include "FormatSettings.h"

#include <QStringList>

#include <cmath>

namespace PlanoCalculo {

double RoundCentsHalfEven(double AValue)
{
    const double cents = AValue * 100.0;
    const double floor = std::floor(cents);
    const double fraction = cents - floor;
    // A half cent as the binary value holds it (0,125 * 100 is 12.5 exactly, 1,005 * 100 is
    // 100.49999…): only a fraction within a hair of one half is a tie.
    constexpr double tie = 1e-9;
    double rounded;
    if (std::fabs(fraction - 0.5) < tie)
        rounded = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    else
        rounded = std::round(cents);
    return rounded / 100.0;
}

double ReadNumber(const QString &AText)
{
    QString text = AText;
    text.remove(u'.');
    double value = 0;
    if (!TryStrToFloat(text.trimmed(), value))
        return 0;
    return value;
}

double ValorServico(const QString &AIndice, double AValorServico)
{
    return RoundCentsHalfEven(ReadNumber(AIndice) * AValorServico);
}

std::optional<double> IndiceFromValor(const QString &AValor, double AValorServico)
{
    if (AValorServico == 0)
        return std::nullopt;
    return ReadNumber(AValor) / AValorServico;
}

QString OtherInfoPart(const QString &AOtherInfo, int AIndex)
{
    const QStringList parts = AOtherInfo.split(u';');
    return AIndex >= 0 && AIndex < parts.size() ? parts.at(AIndex) : QString();
}

double OtherInfoNumber(const QString &AOtherInfo, int AIndex)
{
    // The agreement lookup writes the discount with thousands separators ("1.234,50").
    return ReadNumber(OtherInfoPart(AOtherInfo, AIndex));
}

bool AdicionalDesativado(TDateTime ADataFinal, TDateTime ANow)
{
    return ADataFinal.Value() != 0 && ADataFinal.Value() <= ANow.Value();
}

} // namespace PlanoCalculo
