#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <cstdint>
#include <functional>

// A row of a period's plan list: the plan, its values, the first due date and instalment, the end
// date and the seller, with a button for the plan's side menu. Removing the row recomputes the
// contract total afterwards, whatever the answer to the question was.
class TPlanoPeriodoContratoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPlanoPeriodoContratoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelPlano;
    TLabel *LabelTitleValorPlano;
    TLabel *LabelValorPlano;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
    TLabel *LabelTitlePrimeiroVencimento;
    TLabel *LabelPrimeiroVencimento;
    TLabel *LabelTitleParcelaInicial;
    TLabel *LabelParcelaInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleVendedor;
    TLabel *LabelVendedor;
    TSpeedButton *SpeedButtonMenuLateral;

    std::int64_t IdPlano = 0;
    TProcFrame ProcMenuLateral;

    // An empty procedure leaves the one set before.
    void SetProcTotalizadorContrato(std::function<void()> AValue);

    void SpeedButtonMenuLateralClick();
    // The base removal (question and removal), then the contract total.
    void SpeedButtonRemovePlanoClick();

private:
    std::function<void()> m_procTotalizadorContrato;
};
