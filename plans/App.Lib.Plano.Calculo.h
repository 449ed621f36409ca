#pragma once

#include "DateTime.h"

#include <QString>

#include <optional>

// The arithmetic of a plan's service rows: the price of the chosen service times the index
// gives the value shown, and a typed value gives the index back. Plain functions, so the
// sub-forms and the tests share them.
namespace PlanoCalculo {

// Rounds to cents; a half cent goes to the even cent (0,125 -> 0,12; 0,375 -> 0,38).
double RoundCentsHalfEven(double AValue);
// A typed index or value: every "." (thousands separator) dropped, read with the decimal comma;
// empty or unreadable text counts as 0.
double ReadNumber(const QString &AText);
// The value of a service row: the index text times the service's price, in cents.
double ValorServico(const QString &AIndice, double AValorServico);
// The index that gives the typed value for the service's price, unrounded; none while no price
// is known.
std::optional<double> IndiceFromValor(const QString &AValor, double AValorServico);
// Part AIndex (from 0) of a lookup's other information split at ";"; empty when the lookup left
// fewer parts.
QString OtherInfoPart(const QString &AOtherInfo, int AIndex);
// A part of the other information read as ReadNumber reads it; 0 when the part is missing or
// unreadable.
double OtherInfoNumber(const QString &AOtherInfo, int AIndex);
// An add-on has ended when its end date is set and not later than ANow.
bool AdicionalDesativado(TDateTime ADataFinal, TDateTime ANow);

} // namespace PlanoCalculo
