#pragma once

#include "App.Base.Form.SubCadastro.h"
#include "App.Lib.ItemControl.h"

class TEdit;
class TLabel;
class TManagerControl;

// What the plan's three service sub-forms (included services, dependents' extra services and
// contract add-ons) share: a service lookup whose price is kept in FValorServico, the
// "Valor do Serviço" edit that shows price × index and is never saved, and the index that is.
// Descendants place the five common controls and bind them with the helpers below.
class TFormBaseSubCadastroServicoPlano : public TFormBaseSubCadastro
{
public:
    TLabel *LabelServico;
    TEdit *EditServico;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelIndice;
    TEdit *EditIndice;
    TLabel *LabelUtilizacao;
    TEdit *EditUtilizacao;
    TLabel *LabelListaTipoUtilizacao;
    TEdit *EditListaTipoUtilizacao;

    // The price of the service last chosen or found; 0 after the lookup was cleared.
    double ValorServico() const { return FValorServico; }

    // The base step, then the value of the row just opened is recomputed.
    void afterFillForm() override;

    // The service lookup found a service (also when a row is opened) or was cleared. Only a new
    // row takes the service's uses, usage kind and price into its edits.
    void ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent);
    // "Valor do Serviço" := index × price, in cents (half to even).
    void calcularValorServico();
    // The person typed an index: the value follows; a failure leaves the value as it was.
    void EditIndiceChangeTracking();
    // The person typed a value: the index follows (value ÷ price, unrounded); without a price
    // the index is left as it was.
    void EditValorChangeTracking();

protected:
    using TFormBaseSubCadastro::TFormBaseSubCadastro;

    // Binds the service lookup with its fixed filter and the not-saved value edit.
    void bindServicoValor(TManagerControl &AManager, const QString &AFixFilter);
    // Binds the index edit (4 decimals, default "1").
    void bindIndice(TManagerControl &AManager, const QString &ATitle);
    // Binds the uses (mask of AMask digits) and the usage kind.
    void bindUtilizacao(TManagerControl &AManager, const QString &AMask);
    // The index and the value follow each other while the person types in either.
    void trackValorIndice();

    double FValorServico = 0;

private:
    // The row open has no id yet.
    bool isNewRow() const;
};
