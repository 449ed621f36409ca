#pragma once

#include <QString>

#include <optional>

// The link between a row's current value, its percentage and its new value, in both directions.
// Texts are read as the money edits hold them: every "." removed, decimal comma. A result is the
// text the other edit takes ("0.00" picture); no result means that edit keeps what it has.

// The number a money edit's text stands for; none when it does not parse.
std::optional<double> TAtualizacaoValoresLerValor(const QString &AText);

// Percentage changed: N = X × (P ÷ 100 + 1), written only when it is greater than 0.
std::optional<QString> TAtualizacaoValoresNovoValor(const QString &AValorAtual,
                                                    const QString &APercentual);

// New value changed: P = (N ÷ X − 1) × 100, also when negative, so a lower new value never stays
// beside the percentage of an earlier one; nothing for a current value of 0 or a new value of 0
// or less.
std::optional<QString> TAtualizacaoValoresPercentual(const QString &AValorAtual,
                                                     const QString &ANovoValor);

// The new value a row added under a global percentage starts with: the current value raised by
// the percentage, rounded to cents; the current value itself when the result would be 0 or less.
double TAtualizacaoValoresAplicarPercentual(double AValorAtual, double APercentual);
