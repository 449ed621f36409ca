#pragma once

#include "App.View.AtualizacaoValores.h"

class TCheckBox;

// "ATUALIZAÇÃO DE VALORES DE PLANOS": the bulk price update of plans. Besides the instalment
// value, each row carries the plan value with a percentage of its own and three flags; the
// window's global plan percentage and flags are what rows added afterwards start with.
class TFormViewAtualizacaoValoresPlanos final : public TFormViewAtualizacaoValores
{
public:
    explicit TFormViewAtualizacaoValoresPlanos(QWidget *AParent = nullptr);

    TLabel *LabelTitlePercentualValorPlano;
    TEdit *EditPercentualValorPlano;
    TCheckBox *CheckBoxAtualizarParcelasVencidas;
    TCheckBox *CheckBoxAtualizarParcelasFuturas;
    TCheckBox *CheckBoxAtualizarVinculacaoAPI;

    // Warns what a run does to card subscriptions and due instalments, then runs it.
    void RectangleAtualizarClick() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillRegistroNaoListados(TAtualizacaoValoresDto &ARegistro) override;
    TAtualizacaoValoresFrameAdapter *newFrame() override;
    void fillFrameColumns(TMemTable &ADataSet, TAtualizacaoValoresFrameAdapter &AFrame) override;
    void saveFrameColumns(TMemTable &ADataSet, TAtualizacaoValoresFrameAdapter &AFrame) override;
    void applyGlobais(TAtualizacaoValoresDto &ARegistro) override;
};
