#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <functional>

// The row of an additional service of the contract or of a member: the service, its base price,
// index, instalments, dates, uses and the amount (base price × index). Removing it recomputes
// the contract's total afterwards, whatever the answer to the question was.
class TFrameBaseAdapterServicoAdicional : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    TLabel *LabelServico;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
    TLabel *LabelTitleIndice;
    TLabel *LabelIndice;
    TLabel *LabelTitleParcelas;
    TLabel *LabelParcelas;
    TLabel *LabelTitleData;
    TLabel *LabelData;
    TLabel *LabelTitleUtilizacao;
    TLabel *LabelUtilizacao;
    TLabel *LabelTitlePrimeiroVencimento;
    TLabel *LabelPrimeiroVencimento;
    TLabel *LabelTitleTipoUtilizacao;
    TLabel *LabelTipoUtilizacao;
    TLabel *LabelTitleValorServico;
    TLabel *LabelValorServico;

    // The contract's total recomputation; an empty procedure leaves the one set before.
    void SetProcTotalizadorContrato(std::function<void()> AValue);

    // The base question and removal, then the contract's total.
    void SpeedButtonRemoveClick() override;

protected:
    TFrameBaseAdapterServicoAdicional(QWidget *AOwner,
                                      const QString &name,
                                      QStringView ATitlePrimeiroVencimento);

    void fillRow(const TMemTable &ADataSet) override;

    // The y of the line below the common ones, for a descendant's own fields.
    static constexpr int NextLineY = 102;

private:
    std::function<void()> FProcTotalizadorContrato;
};
