#include "App.Form.SubCadastro.Base.Titulo.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ManagerControls.h"

#include "Edit.h"
#include "FormatSettings.h"

#include <cmath>

double TFormBaseSubCadastroTitulo::ValorRestante()
{
    const long long cents
        = std::llround(m_valorTitulo * 100.0) - std::llround(findValorInDataSet() * 100.0);
    return static_cast<double>(cents) / 100.0;
}

void TFormBaseSubCadastroTitulo::afterClearForm()
{
    TFormBaseSubCadastro::afterClearForm();
    SetIsReturn(false);
    const double restante = ValorRestante();
    if (restante > 0)
        EditValor->setText(FormatFloat(QStringLiteral(",0.00"), restante));
}

void TFormBaseSubCadastroTitulo::afterSave()
{
    TFormBaseSubCadastro::afterSave();
    if (ValorRestante() == 0)
        SetIsReturn(true);
}

void TFormBaseSubCadastroTitulo::bindValor()
{
    FPresenter->ManagerControls()
        .Bind(EditValor, QStringLiteral("Valor"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
}
