#include "Common.Lib.Validate.h"

namespace {

bool onlyDigits(const QString &value)
{
    for (QChar c : value)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool allEqual(const QString &value)
{
    return value.count(value.at(0)) == value.size();
}

int digitAt(const QString &value, qsizetype index)
{
    return value.at(index).unicode() - u'0';
}

int checkDigit(int sum)
{
    const int remainder = sum % 11;
    return remainder < 2 ? 0 : 11 - remainder;
}

// CPF: weights 10..2 over the first nine digits, then 11..2 over the first ten.
bool isCPF(const QString &value)
{
    if (value.size() != 11 || allEqual(value))
        return false;
    int first = 0;
    for (int i = 0; i < 9; ++i)
        first += digitAt(value, i) * (10 - i);
    int second = 0;
    for (int i = 0; i < 10; ++i)
        second += digitAt(value, i) * (11 - i);
    return checkDigit(first) == digitAt(value, 9) && checkDigit(second) == digitAt(value, 10);
}

// CNPJ: weights 2..9 repeating, from the last digit before the check digit leftwards.
int cnpjCheckDigit(const QString &value, int length)
{
    int sum = 0;
    int weight = 2;
    for (int i = length - 1; i >= 0; --i) {
        sum += digitAt(value, i) * weight;
        weight = weight == 9 ? 2 : weight + 1;
    }
    return checkDigit(sum);
}

bool isCNPJ(const QString &value)
{
    if (allEqual(value))
        return false;
    return cnpjCheckDigit(value, 12) == digitAt(value, 12)
        && cnpjCheckDigit(value, 13) == digitAt(value, 13);
}

} // namespace

bool TValidade::isCPForCNPJ(const QString &Value)
{
    if (Value.isEmpty())
        return true;
    if (!onlyDigits(Value))
        return false;
    return Value.size() == 14 ? isCNPJ(Value) : isCPF(Value);
}

bool TValidade::isCartao(const QString &Value)
{
    const QString number = Value.trimmed();
    if (number.isEmpty())
        return false;
    // Luhn doubles every second digit counting leftwards from the one before the check digit,
    // whatever the length.
    int sum = 0;
    int weight = 2;
    for (qsizetype i = number.size() - 2; i >= 0; --i) {
        const QChar c = number.at(i);
        const int digit = c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
        const int product = digit * weight;
        sum += product / 10 + product % 10;
        weight = weight == 2 ? 1 : 2;
    }
    return number.back() == QChar(u'0' + (10 - sum % 10) % 10);
}
