#pragma once

#include <QString>

// Check digits of Brazilian tax ids (CPF, CNPJ) and of payment card numbers.
class TValidade final
{
public:
    TValidade() = delete;

    // True for the empty text; a CNPJ check for 14 characters, a CPF check for any other
    // length. Bare digits only: anything else (points, dashes) is false.
    static bool isCPForCNPJ(const QString &Value);
    // The Luhn check of a card number whose last digit is the check digit, ignoring surrounding
    // blanks; a character that is no digit counts as 0. False for the empty text.
    static bool isCartao(const QString &Value);
};
