#include "Common.Lib.Formatter.Edit.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "SysUtils.h"

#include <QHash>

namespace {

const QString MaskCNPJ = QStringLiteral("##.###.###/####-##");
const QString MaskCPF = QStringLiteral("###.###.###-##");
const QString MaskTelefoneFixo = QStringLiteral("(##) ####-##############");
const QString MaskCelular = QStringLiteral("(##) #####-#############");
const QString MaskCEP = QStringLiteral("##.###-###");
const QString MaskDate = QStringLiteral("##/##/####");
const QString MaskTimeShort = QStringLiteral("##:##");
const QString MaskTimeLong = QStringLiteral("##:##:##");
const QString MaskCompetencia = QStringLiteral("##/####");
const QString MaskDataNascimento = QStringLiteral("##/##");

// The state registration masks by state code.
const QHash<QString, QString> &masksInscricaoEstadual()
{
    static const QHash<QString, QString> masks {
        { QStringLiteral("AC"), QStringLiteral("##.###.###/###-##") },
        { QStringLiteral("AL"), QStringLiteral("#########") },
        { QStringLiteral("AP"), QStringLiteral("#########") },
        { QStringLiteral("AM"), QStringLiteral("##.###.###-#") },
        { QStringLiteral("BA"), QStringLiteral("######-##") },
        { QStringLiteral("CE"), QStringLiteral("########-#") },
        { QStringLiteral("DF"), QStringLiteral("###########-##") },
        { QStringLiteral("ES"), QStringLiteral("#########") },
        { QStringLiteral("GO"), QStringLiteral("##.###.###-#") },
        { QStringLiteral("MA"), QStringLiteral("#########") },
        { QStringLiteral("MT"), QStringLiteral("##########-#") },
        { QStringLiteral("MS"), QStringLiteral("#########") },
        { QStringLiteral("MG"), QStringLiteral("###.###.###/####") },
        { QStringLiteral("PA"), QStringLiteral("##-######-#") },
        { QStringLiteral("PB"), QStringLiteral("########-#") },
        { QStringLiteral("PR"), QStringLiteral("########-##") },
        { QStringLiteral("PE"), QStringLiteral("##.#.###.#######-#") },
        { QStringLiteral("PI"), QStringLiteral("#########") },
        { QStringLiteral("RJ"), QStringLiteral("##.###.##-#") },
        { QStringLiteral("RN"), QStringLiteral("##.###.###-#") },
        { QStringLiteral("RS"), QStringLiteral("###/#######") },
        { QStringLiteral("RO"), QStringLiteral("###.#####-#") },
        { QStringLiteral("RR"), QStringLiteral("########-#") },
        { QStringLiteral("SC"), QStringLiteral("###.###.###") },
        { QStringLiteral("SP"), QStringLiteral("###.###.###.###") },
        { QStringLiteral("SE"), QStringLiteral("#########-#") },
        { QStringLiteral("TO"), QStringLiteral("###########") },
    };
    return masks;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The digits of the text, at most ALimit of them (0: all).
QString digitsOf(const QString &AText, qsizetype ALimit = 0)
{
    QString digits;
    for (QChar c : AText) {
        if (ALimit > 0 && digits.size() == ALimit)
            break;
        if (isDigit(c))
            digits.append(c);
    }
    return digits;
}

// What an amount or weight keeps: digits and ",", and for an amount a "-" that opens the text.
QString numberOf(const QString &AText, bool AKeepSign)
{
    QString kept;
    for (qsizetype i = 0; i < AText.size(); ++i) {
        const QChar c = AText.at(i);
        if (isDigit(c) || c == u',' || (AKeepSign && c == u'-' && i == 0))
            kept.append(c);
    }
    return kept;
}

QString formatNumber(const QString &AKept, int ADecimals)
{
    const double value = StrToFloat(AKept.isEmpty() ? QStringLiteral("0") : AKept);
    QString pattern = QStringLiteral("#,##0");
    if (ADecimals > 0)
        pattern += u'.' + QString(ADecimals, u'0');
    try {
        return FormatFloat(pattern, value);
    } catch (const Exception &) {
        return FormatFloat(pattern, 0);
    }
}

QString formatDate(const QString &AText)
{
    const QString digits = digitsOf(AText, 8);
    const QString masked = ApplyMask(MaskDate, digits);
    if (digits.size() < 8)
        return masked;
    TDateTime date;
    return TryStrToDate(masked, date) ? masked : QString();
}

QString formatTime(const QString &AText)
{
    const QString digits = digitsOf(AText, 6);
    if (digits.size() < 6)
        return ApplyMask(MaskTimeShort, digits);
    const QString masked = ApplyMask(MaskTimeLong, digits);
    TDateTime time;
    return TryStrToTime(masked, time) ? masked : QString();
}

} // namespace

QString ApplyMask(const QString &AMask, const QString &AValue)
{
    if (AMask.isEmpty() || AValue.isEmpty())
        return AValue;
    QString result;
    qsizetype next = 0;
    for (QChar c : AMask) {
        if (c == u'#')
            result.append(AValue.at(next++));
        else
            result.append(c);
        if (next == AValue.size())
            break;
    }
    return result;
}

QString
FormatTextByType(const QString &AText, TFormatterEdit AType, int ADecimals, const QString &AMask)
{
    switch (AType) {
    case TFormatterEdit::CNPJ:
        return ApplyMask(MaskCNPJ, digitsOf(AText));
    case TFormatterEdit::CPF:
        return ApplyMask(MaskCPF, digitsOf(AText));
    case TFormatterEdit::InscricaoEstadual:
        return ApplyMask(masksInscricaoEstadual().value(AMask), digitsOf(AText));
    case TFormatterEdit::CNPJorCPF: {
        const QString digits = digitsOf(AText);
        return ApplyMask(digits.size() > 11 ? MaskCNPJ : MaskCPF, digits);
    }
    case TFormatterEdit::TelefoneFixo:
        return ApplyMask(MaskTelefoneFixo, digitsOf(AText));
    case TFormatterEdit::Celular:
        return ApplyMask(MaskCelular, digitsOf(AText));
    case TFormatterEdit::Personalizado:
        return ApplyMask(AMask, digitsOf(AText));
    case TFormatterEdit::Valor:
        return formatNumber(numberOf(AText, true), ADecimals);
    case TFormatterEdit::CEP:
        return ApplyMask(MaskCEP, digitsOf(AText));
    case TFormatterEdit::Date:
        return formatDate(AText);
    case TFormatterEdit::Time:
        return formatTime(AText);
    case TFormatterEdit::Peso:
        return formatNumber(numberOf(AText, false), ADecimals);
    case TFormatterEdit::Competencia:
        return ApplyMask(MaskCompetencia, digitsOf(AText));
    case TFormatterEdit::DataNascimento:
        return ApplyMask(MaskDataNascimento, digitsOf(AText));
    case TFormatterEdit::Null:
        break;
    }
    return AText;
}

void FormatEditByType(QObject *AControl, TFormatterEdit AType, int ADecimals, const QString &AMask)
{
    auto *edit = qobject_cast<TEdit *>(AControl);
    if (!edit)
        return;
    edit->setText(FormatTextByType(edit->text(), AType, ADecimals, AMask));
    switch (AType) {
    case TFormatterEdit::CEP:
        edit->setMaxLength(10);
        break;
    case TFormatterEdit::Time:
    case TFormatterEdit::DataNascimento:
        edit->setMaxLength(5);
        break;
    case TFormatterEdit::Competencia:
        edit->setMaxLength(7);
        break;
    default:
        break;
    }
}

QString RemoveMaskByType(const QString &AText, TFormatterEdit AType)
{
    switch (AType) {
    case TFormatterEdit::Valor:
    case TFormatterEdit::Peso:
        return QString(AText).remove(u'.');
    case TFormatterEdit::Date:
    case TFormatterEdit::Null:
        return AText;
    default:
        break;
    }
    QString stored;
    for (QChar c : AText) {
        if (c != u'.' && c != u'-' && c != u'/' && c != u'(' && c != u')' && c != u' ')
            stored.append(c);
    }
    return stored;
}
