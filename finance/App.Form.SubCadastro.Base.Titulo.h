#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// What the title window's three child registrations (instalments, company shares, chart-of-
// accounts shares) share: the title's value, handed over before the group shows, and a "Valor"
// field that a new row starts with the part of the title's value the rows do not yet hold.
// While a remainder is left the sub-form stays on its record tab after a save, so rows can be
// entered one after the other; once the rows fill the title it returns to its list.
class TFormBaseSubCadastroTitulo : public TFormBaseSubCadastro
{
public:
    TLabel *LabelValor = nullptr;
    TEdit *EditValor = nullptr;

    double ValorTitulo() const { return m_valorTitulo; }
    void SetValorTitulo(double AValue) { m_valorTitulo = AValue; }
    // The title's value less the rows' values, in whole cents (33,33 + 33,33 + 33,34 fill
    // 100,00 exactly).
    double ValorRestante();

protected:
    using TFormBaseSubCadastro::TFormBaseSubCadastro;

    // The sum of the rows' values.
    virtual double findValorInDataSet() = 0;
    void afterClearForm() override;
    void afterSave() override;
    // Binds "Valor" (money, 2 decimals, 15 characters, required).
    void bindValor();

private:
    double m_valorTitulo = 0;
};
