#pragma once

#include "App.Form.SubCadastro.Base.ServicoPlano.h"

#include <functional>

class TDateEdit;
class TFrameBaseAdapterServicoAdicional;

// What the contract's and the members' additional-service windows share: the plan service
// controls (the service lookup, "Valor do Serviço" following price × index while the person
// types, the index, the uses), the dates, instalments, charging and end, and the contract's
// total, recomputed after a row is stored and around a row's removal.
class TFormBaseSubCadastroServicoAdicional : public TFormBaseSubCadastroServicoPlano
{
public:
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelParcelas;
    TEdit *EditParcelas;
    TLabel *LabelPrimeiroVencimento;
    TDateEdit *DateEditPrimeiroVencimento;
    TLabel *LabelListaCobrancaServico;
    TEdit *EditListaCobrancaServico;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelListaBaixaAdicional;
    TEdit *EditListaBaixaAdicional;

    // The contract window's total recomputation; set by the contract's connector.
    void SetProcTotalizadorContrato(std::function<void()> AValue);
    // Runs the total recomputation when one is set.
    void ProcTotalizadorContrato() const;

    // The contract's total, then the base behaviour.
    void updateAfterSave() override;

protected:
    TFormBaseSubCadastroServicoAdicional(const QString &AClassName, QWidget *AParent);

    // Binds, in order, the service (lookup with that fixed filter) and "Valor do Serviço", the
    // start date, the index, the instalments, the first due date, the uses and their kind.
    void bindServico(TManagerControl &AManager, const QString &AFixFilter);
    // Binds the charging method (with that default code; none when empty).
    void bindCobrancaServico(TManagerControl &AManager, const QString &ADefault);
    // Binds the end date and the end reason.
    void bindFinalizacao(TManagerControl &AManager);
    // A row of the list recomputes the contract's total after its removal.
    void wireRow(TFrameBaseAdapterServicoAdicional *ARow);

private:
    std::function<void()> FProcTotalizadorContrato;
};
