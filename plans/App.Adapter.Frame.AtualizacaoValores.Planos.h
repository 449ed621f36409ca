#pragma once

#include "App.Adapter.Frame.AtualizacaoValores.h"

// A plan's row of a bulk price update: the base pair is the instalment value; the plan value has
// a linked pair of its own, and three flags say what else the back end updates.
class TPlanosAtualizacaoValoresFrameAdapter final : public TAtualizacaoValoresFrameAdapter
{
    Q_OBJECT

public:
    explicit TPlanosAtualizacaoValoresFrameAdapter(QWidget *AOwner = nullptr,
                                                   const QString &name = {});

    TLabel *LabelValorPlanoAtual;
    TEdit *EditValorPlanoAtual;
    TLabel *LabelNovoValorPlano;
    TEdit *EditNovoValorPlano;
    TLabel *LabelPercentualValorPlano;
    TEdit *EditPercentualValorPlano;
    TCheckBox *CheckBoxAtualizarParcelasVencidas;
    TCheckBox *CheckBoxAtualizarParcelasFuturas;
    TCheckBox *CheckBoxAtualizarVinculacaoAPI;

    void enabledControls() override;

protected:
    void fillListControl() override;

private:
    bool m_calculandoPlano = false;
};
