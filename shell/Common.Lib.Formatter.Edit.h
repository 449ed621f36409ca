#pragma once

#include <QString>

class QObject;

// The display forms of typed values (tax ids, phones, postal codes, amounts, weights, dates,
// times, competences) and the stored form read back from them. Numbers and dates follow the fixed
// pt-BR settings: "," decimal separator, "." thousands separator.
enum class TFormatterEdit {
    CNPJ,
    CPF,
    InscricaoEstadual,
    CNPJorCPF,
    TelefoneFixo,
    Celular,
    Personalizado,
    Valor,
    CEP,
    Date,
    Time,
    Peso,
    Competencia,
    DataNascimento,
    Null, // no format: the default of a bound control
};

// A mask is a text in which every "#" takes the next digit and any other character is copied. A
// literal appears only once a digit follows it; digits beyond the last "#" are dropped. An empty
// mask or no digits gives the digits unchanged.
QString ApplyMask(const QString &AMask, const QString &AValue);

// The display form of a typed text. ADecimals counts for Valor and Peso only; AMask is the mask
// of Personalizado and, for InscricaoEstadual, the two-letter state code (upper case). Valor and
// Peso raise EConvertError when what is left of the text is no number (a lone "-" or ",", two
// commas); an invalid complete date or time gives the empty text.
QString FormatTextByType(const QString &AText,
                         TFormatterEdit AType,
                         int ADecimals = 2,
                         const QString &AMask = QString());

// Replaces an edit's text by its display form and, for CEP, Time, Competencia and DataNascimento,
// sets its maximum length. Any other object, or none, is left alone.
void FormatEditByType(QObject *AControl,
                      TFormatterEdit AType,
                      int ADecimals = 2,
                      const QString &AMask = QString());

// The stored form of a display text: Valor and Peso lose every "."; Date and Null stay as they
// are; every other kind loses ".", "-", "/", "(", ")" and blanks.
QString RemoveMaskByType(const QString &AText, TFormatterEdit AType);
