// Dates, tolerant conversions, numbers and their words, texts, lists, credentials and the other
// small helpers of TUtils.

#include "Common.Lib.Utils.h"
#include "Common.Lib.Utils.Internal.h"

#include "Common.Base.ClassInfo.h"
#include "Common.Base.Serialize.h"
#include "IniFile.h"

#include "Base64.h"
#include "DateUtils.h"
#include "FormatSettings.h"
#include "SysUtils.h"

#include <QBuffer>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

using UtilsInternal::trimText;

namespace {

QString quoted(const QString &text)
{
    QString result = text;
    result.replace(u'\'', QStringLiteral("''"));
    return u'\'' + result + u'\'';
}

// Rounds to the nearest integer, an exact half to the even neighbour. |value| < 2^52.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

const QStringList &units()
{
    static const QStringList words = { {},
                                       QStringLiteral("Um"),
                                       QStringLiteral("Dois"),
                                       QStringLiteral("Tres"),
                                       QStringLiteral("Quatro"),
                                       QStringLiteral("Cinco"),
                                       QStringLiteral("Seis"),
                                       QStringLiteral("Sete"),
                                       QStringLiteral("Oito"),
                                       QStringLiteral("Nove") };
    return words;
}

const QStringList &teens()
{
    static const QStringList words = { {},
                                       QStringLiteral("Onze"),
                                       QStringLiteral("Doze"),
                                       QStringLiteral("Treze"),
                                       QStringLiteral("Quatorze"),
                                       QStringLiteral("Quinze"),
                                       QStringLiteral("Dezesseis"),
                                       QStringLiteral("Dezessete"),
                                       QStringLiteral("Dezoito"),
                                       QStringLiteral("Dezenove") };
    return words;
}

const QStringList &tens()
{
    static const QStringList words = { {},
                                       QStringLiteral("Dez"),
                                       QStringLiteral("Vinte"),
                                       QStringLiteral("Trinta"),
                                       QStringLiteral("Quarenta"),
                                       QStringLiteral("Cinquenta"),
                                       QStringLiteral("Sessenta"),
                                       QStringLiteral("Setenta"),
                                       QStringLiteral("Oitenta"),
                                       QStringLiteral("Noventa") };
    return words;
}

const QStringList &hundreds()
{
    static const QStringList words = { {},
                                       QStringLiteral("Cento"),
                                       QStringLiteral("Duzentos"),
                                       QStringLiteral("Trezentos"),
                                       QStringLiteral("Quatrocentos"),
                                       QStringLiteral("Quinhentos"),
                                       QStringLiteral("Seiscentos"),
                                       QStringLiteral("Setecentos"),
                                       QStringLiteral("Oitocentos"),
                                       QStringLiteral("Novecentos") };
    return words;
}

// The words of three digits, hundreds first; the empty text for "000".
QString groupInWords(const QString &group)
{
    const int h = group.at(0).digitValue();
    const int t = group.at(1).digitValue();
    const int u = group.at(2).digitValue();
    QString hundredsWord, tensWord, unitsWord;
    if (t == 1 && u != 0) {
        unitsWord = teens().at(u);
    } else {
        if (t != 0)
            tensWord = tens().at(t);
        if (u != 0)
            unitsWord = units().at(u);
    }
    if (h == 1 && tensWord.isEmpty() && unitsWord.isEmpty())
        hundredsWord = QStringLiteral("Cem");
    else if (h != 0)
        hundredsWord = hundreds().at(h);

    QString result = hundredsWord;
    if (!hundredsWord.isEmpty() && (!tensWord.isEmpty() || !unitsWord.isEmpty()))
        result += QStringLiteral(" e ");
    result += tensWord;
    if (!tensWord.isEmpty() && !unitsWord.isEmpty())
        result += QStringLiteral(" e ");
    result += unitsWord;
    return result;
}

bool isPreposition(const QString &word)
{
    static const QStringList prepositions
        = { QStringLiteral("DE"), QStringLiteral("DA"),  QStringLiteral("DAS"),
            QStringLiteral("DO"), QStringLiteral("DOS"), QStringLiteral("E"),
            QStringLiteral("&") };
    return prepositions.contains(word);
}

// One shortening pass: the last middle word that is not yet an initial becomes one.
QString resumeNamePass(const QString &name, bool ignorePrepositions)
{
    QStringList pieces = name.split(u' ');
    for (qsizetype i = pieces.size() - 2; i >= 1; --i) {
        const QString piece = pieces.at(i);
        if (trimText(piece).endsWith(u'.'))
            continue;
        if (isPreposition(piece)) {
            if (ignorePrepositions)
                pieces[i].clear();
            continue;
        }
        if (piece.isEmpty())
            continue;
        pieces[i] = piece.left(1) + QStringLiteral(". ");
        break;
    }
    return trimText(TUtils::RemoveDupeSpace(pieces.join(u' ')));
}

// `stuck` is set once a pass with the prepositions dropped changes nothing: the name cannot get
// any shorter and every caller returns what it has.
QString resumeName(const QString &name, bool ignorePrepositions, int size, bool &stuck)
{
    if (trimText(name).size() <= size)
        return name;
    QString result = resumeNamePass(name, ignorePrepositions);
    if (result == trimText(name)) {
        if (ignorePrepositions) {
            stuck = true;
            return result;
        }
        result = resumeName(result, true, size, stuck);
        if (stuck)
            return result;
    }
    if (result.size() > size)
        result = resumeName(result, ignorePrepositions, size, stuck);
    return result;
}

QString accentFree(const QString &text)
{
    static const QHash<QChar, QChar> table = [] {
        const QString from = QStringLiteral("áéíóúÁÉÍÓÚàèìòùÀÈÌÒÙäëïöüÄËÏÖÜãõÃÕâêîôûÂÊÎÔÛçÇñÑ");
        const QString to = QStringLiteral("aeiouAEIOUaeiouAEIOUaeiouAEIOUaoAOaeiouAEIOUcCnN");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < from.size(); ++i)
            map.insert(from.at(i), to.at(i));
        return map;
    }();
    QString result = text;
    for (QChar &c : result)
        c = table.value(c, c);
    return result;
}

} // namespace

// --- Dates -----------------------------------------------------------------------------------

TDateTime TUtils::CaclularDataPorPeriodo(TDateTime AData, const QString &ATipoPeriodo)
{
    static const QHash<QString, int> months = {
        { QStringLiteral("03"), 1 }, { QStringLiteral("04"), 2 },  { QStringLiteral("05"), 3 },
        { QStringLiteral("06"), 6 }, { QStringLiteral("07"), 12 },
    };
    if (ATipoPeriodo == QStringLiteral("01"))
        return double(AData) + 1;
    if (ATipoPeriodo == QStringLiteral("02"))
        return double(AData) + 7;
    const auto found = months.constFind(ATipoPeriodo);
    if (found == months.constEnd())
        return 0.0;
    return IncMonth(AData, found.value());
}

int TUtils::CalcularMesesEntreDatas(TDateTime ADataInicial, TDateTime ADataFinal)
{
    try {
        if (double(ADataInicial) == 0.0)
            ADataInicial = Now();
        if (double(ADataFinal) == 0.0)
            return 0;
        const TDateTime start = PrimeiroDiaMes(ADataInicial);
        // The fourth day lets a short month (February) count as a whole one.
        const TDateTime end = double(PrimeiroDiaMes(ADataFinal)) + 3;
        constexpr std::int64_t averageMonthMs = 2629800000; // 30.4375 days
        return int(MilliSecondsBetween(start, end) / averageMonthMs);
    } catch (const Exception &) {
        return 0;
    }
}

TDateTime TUtils::PrimeiroDiaMes(TDateTime AData)
{
    const TDateParts p = DecodeDateTime(AData);
    return EncodeDate(p.Year, p.Month, 1);
}

TDateTime TUtils::UltimoDiaMes(TDateTime AData)
{
    const TDateParts p = DecodeDateTime(AData);
    return EncodeDate(p.Year, p.Month, DaysInAMonth(p.Year, p.Month));
}

TDateTime TUtils::DataMesAnterior(TDateTime AData)
{
    const TDateTime lastOfPrevious = double(PrimeiroDiaMes(AData)) - 1;
    return StrToDate(FormatDateTime(QStringLiteral("dd"), AData) + u'/'
                     + FormatDateTime(QStringLiteral("mm/yyyy"), lastOfPrevious));
}

QStringList TUtils::ListDayOfWeek(TDateTime AData, int ADayWeek)
{
    QStringList days;
    const TDateTime first = PrimeiroDiaMes(AData);
    const TDateTime last = UltimoDiaMes(AData);
    for (double day = first; day <= double(last); day += 1) {
        if (DayOfWeek(day) == ADayWeek)
            days << FormatDateTime(QStringLiteral("dd/mm/yyyy"), day);
    }
    return days;
}

// --- Tolerant conversions --------------------------------------------------------------------

TDateTime TUtils::StrEmptyToDateTime(const QString &Value)
{
    TDateTime value;
    if (Value.isEmpty() || !TryStrToDateTime(Value, value))
        return 0.0;
    return value;
}

double TUtils::StrEmptyToFloat(const QString &Value)
{
    double value = 0;
    if (Value.isEmpty() || !TryStrToFloat(QString(Value).remove(u'.'), value))
        return 0;
    return value;
}

std::int64_t TUtils::StrEmptyToInt64(const QString &Value)
{
    std::int64_t value = 0;
    if (Value.isEmpty() || !TryStrToInt64(trimText(Value), value))
        return 0;
    return value;
}

int TUtils::StrEmptyToInteger(const QString &Value)
{
    int value = 0;
    if (Value.isEmpty() || !TryStrToInt(Value, value))
        return 0;
    return value;
}

QString TUtils::StrDateJsonToStrDate(const QString &Value)
{
    return QString(Value).replace(u'-', u'/');
}

// --- Numbers ---------------------------------------------------------------------------------

double TUtils::FormatDouble(double Value, int Decimals)
{
    if (Decimals < -20 || Decimals > 20)
        throw EInvalidArgument(QStringLiteral("Invalid argument"));
    // Powers of ten up to 10^22 are exact doubles: dividing by one (rather than multiplying by
    // its inexact inverse) gives the double nearest to the rounded value.
    const double factor = std::pow(10.0, std::abs(Decimals));
    const double scaled = Decimals >= 0 ? Value * factor : Value / factor;
    if (!(std::fabs(scaled) < 4503599627370496.0)) // 2^52: no fraction left to round
        return Value;
    const double rounded = roundHalfEven(scaled);
    return Decimals >= 0 ? rounded / factor : rounded * factor;
}

bool TUtils::CompareDoubleTo(double Value1, double Value2, int Decimals)
{
    const QString format = QStringLiteral(",0.") + QString(std::max(Decimals, 0), u'0');
    const double rounded1 = FormatDouble(Value1, Decimals);
    const double rounded2 = FormatDouble(Value2, Decimals);
    if (FormatFloat(format, rounded1) == FormatFloat(format, rounded2))
        return true;
    const double oneUnit
        = StrEmptyToFloat(QStringLiteral("0,") + QString(std::max(Decimals - 1, 0), u'0') + u'1');
    return FormatFloat(format, std::fabs(rounded1 - rounded2)) == FormatFloat(format, oneUnit);
}

int TUtils::ContarCasasDecimais(double AValor)
{
    const QString text = FloatToStr(AValor);
    const QChar separator = text.contains(u'.') ? u'.' : u',';
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? 0 : int(text.size() - at - 1);
}

QString TUtils::ValorExtenso(double Valor)
{
    if (Valor > 999999.99 || Valor < 0)
        throw Exception(
            QStringLiteral("O valor está fora do intervalo permitido.\r\n"
                           "O número deve ser maior ou igual a zero e menor que 999.999,99.\r\n"
                           "Se não for corrigido o número não será escrito por extenso."));
    const QString text = FormatFloat(QStringLiteral("000000.00"), Valor);
    const QString thousands = text.mid(0, 3);
    const QString units = text.mid(3, 3);
    const QString cents = text.mid(7, 2);
    // Zero, and an amount under half a cent, which would otherwise read "." alone.
    if (thousands == u"000" && units == u"000" && cents == u"00")
        return QString();

    const QString m = groupInWords(thousands);
    const QString c = groupInWords(units);
    const QString k = groupInWords(u'0' + cents);

    QString result = m;
    if (!m.isEmpty())
        result += units == u"000" ? QStringLiteral(" Mil Reais") : QStringLiteral(" Mil, ");
    if (!m.isEmpty()
        && ((units.startsWith(QStringLiteral("00")) && !units.endsWith(u'0'))
            || (k.isEmpty() && units != u"000")))
        result += QStringLiteral(" e ");
    result += c;
    if (m.isEmpty()) {
        if (units == u"001")
            result += QStringLiteral(" Real");
        else if (units != u"000")
            result += QStringLiteral(" Reais");
    } else if (units != u"000") {
        result += QStringLiteral(" Reais");
    }
    if (k.isEmpty())
        return result + u'.';
    if (m.isEmpty() && c.isEmpty())
        result = k;
    else
        result += QStringLiteral(", e ") + k;
    return result + (cents == u"01" ? QStringLiteral(" Centavo.") : QStringLiteral(" Centavos."));
}

bool TUtils::IsUserAdministrator(std::int64_t AUserLogin)
{
    return AUserLogin == 1;
}

// --- Texts -----------------------------------------------------------------------------------

QString TUtils::RemoveDupeSpace(const QString &AText)
{
    const QStringList pieces = AText.split(u' ');
    QString result;
    if (!pieces.first().isEmpty())
        result = trimText(pieces.first());
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        if (pieces.at(i).isEmpty())
            continue;
        result += u' ';
        result += trimText(pieces.at(i));
    }
    return result;
}

QString TUtils::RemoveDupeSpaceAndAccent(const QString &AText)
{
    return accentFree(RemoveDupeSpace(AText));
}

QString TUtils::ResumeName(const QString &AName, bool IsIgnoredProposition, int ASize)
{
    bool stuck = false;
    return resumeName(AName, IsIgnoredProposition, ASize, stuck);
}

QString
TUtils::RetornaDescricaoSeparadaPorEspaco(const QString &AText, int ASize, bool AIsResumeName)
{
    Q_UNUSED(AIsResumeName)
    const QStringList pieces = AText.split(u' ');
    const qsizetype count = ASize <= 0 || ASize > pieces.size() ? pieces.size() : ASize;
    QString result;
    for (qsizetype i = 0; i < count; ++i)
        result += pieces.at(i) + u' ';
    return trimText(result);
}

QString TUtils::GetValueFieldFilter(const QString &Value)
{
    const QStringList pieces = Value.split(u'#');
    if (Value.isEmpty() || pieces.size() != 2 || pieces.at(1).isEmpty())
        return QString();
    return pieces.at(0);
}

QString TUtils::GetDescriptionFieldFilter(const QString &Value, bool AIsDate)
{
    const QStringList pieces = Value.split(u'#');
    if (Value.isEmpty() || pieces.size() != 2 || pieces.at(1).isEmpty())
        return QString();
    if (!AIsDate)
        return pieces.at(1);
    const QString text = QString(pieces.at(1)).replace(u'-', u'/');
    const QString dayFirst = text.mid(3, 2) + u'/' + text.mid(0, 2) + u'/' + text.mid(6, 4);
    return FormatDateTime(QStringLiteral("dd/mm/yyyy"), StrToDate(dayFirst));
}

// --- Lists -----------------------------------------------------------------------------------

QString TUtils::convertIntListToStr(const QList<std::int64_t> &AList)
{
    QStringList texts;
    texts.reserve(AList.size());
    for (std::int64_t value : AList)
        texts << QString::number(value);
    return texts.join(u',');
}

QString TUtils::convertStringListToInt(const QStringList &AList)
{
    return AList.join(u',');
}

QString TUtils::convertStringListToStr(const QStringList &AList)
{
    QStringList texts;
    texts.reserve(AList.size());
    for (const QString &line : AList)
        texts << quoted(line);
    return texts.join(u',');
}

QList<std::int64_t> TUtils::convertStringListToIntList(const QStringList &AList)
{
    QList<std::int64_t> values;
    values.reserve(AList.size());
    for (const QString &line : AList)
        values << StrEmptyToInt64(line);
    return values;
}

// --- Credentials, configuration, pictures ----------------------------------------------------

TUserLogin TUtils::AuthLoginToUserLogin(const QString &AAuthentication)
{
    QString encoded = AAuthentication;
    const qsizetype at = encoded.indexOf(QStringLiteral("basic "), 0, Qt::CaseInsensitive);
    if (at >= 0)
        encoded.remove(at, 6);
    const QString decoded = QString::fromUtf8(DecodeBase64(encoded.toUtf8()));
    const QStringList pieces = decoded.split(u':');
    if (pieces.size() < 2)
        throw EListError(QStringLiteral("List index out of bounds (1)"));
    return TUserLogin { pieces.at(0), pieces.at(1) };
}

QString TUtils::getLinkServidor()
{
    return QStringLiteral("https://localhost:3580");
}

QString TUtils::RetornaValorParamsIniFile(const QString &AFileIni,
                                          const QString &ASection,
                                          const QString &AParam)
{
    return TIniFile(AFileIni).ReadString(ASection, AParam);
}

QImage &TUtils::GetImageResizeAndCompress(QImage &AImage, int ASizeKB)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    AImage.save(&stream, "PNG");
    const qsizetype sizeKB = bytes.size() / 1024;
    // Under 1 KB the size is 0 and the ratio has no divisor: such a picture already fits.
    if (sizeKB == 0 || ASizeKB <= 0 || sizeKB <= ASizeKB)
        return AImage;
    const double ratio = double(ASizeKB) / double(sizeKB);
    const int width = std::max(1, int(AImage.width() * ratio));
    const int height = std::max(1, int(AImage.height() * ratio));
    AImage = AImage.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return AImage;
}

QString
TUtils::getValueStringProp(const QString &ATypeName, const QVariant &AValue, bool AForceZeroOrEmpty)
{
    const QString type = ATypeName.toUpper();
    const QString null = QStringLiteral("null");
    if (type == u"INTEGER" || type == u"INT64") {
        const QString text = QString::number(AValue.toLongLong());
        return text == u"0" && !AForceZeroOrEmpty ? null : text;
    }
    if (type == u"FLOAT" || type == u"DOUBLE" || type == u"EXTEND") {
        const double value = AValue.toDouble();
        if (value == 0 && !AForceZeroOrEmpty)
            return null;
        return FloatToStr(value).replace(u',', u'.');
    }
    if (type == u"TDATETIME") {
        const double value = AValue.toDouble();
        if (value == 0 && !AForceZeroOrEmpty)
            return null;
        return quoted(FormatDateTime(QStringLiteral("yyyy/mm/dd hh:nn:ss"), value));
    }
    const QString text = AValue.typeId() == QMetaType::Bool
        ? (AValue.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
        : AValue.toString();
    if (text.isEmpty() && !AForceZeroOrEmpty)
        return null;
    return quoted(RemoveDupeSpaceAndAccent(text));
}

QString TUtils::getValueStringProp(const TSerializeObject &AObject,
                                   const TMemberInfo &AProperty,
                                   bool AForceZeroOrEmpty)
{
    const TValue value = AProperty.GetValue(AObject);
    QVariant variant;
    if (const auto *v = std::get_if<bool>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<std::int32_t>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<std::int64_t>(&value))
        variant = qlonglong(*v);
    else if (const auto *v = std::get_if<double>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<TDateTime>(&value))
        variant = v->Value();
    else if (const auto *v = std::get_if<QString>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<TSString>(&value))
        variant = QString(*v);
    return getValueStringProp(AProperty.TypeName(), variant, AForceZeroOrEmpty);
}
