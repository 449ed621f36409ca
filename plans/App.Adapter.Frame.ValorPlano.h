#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's price history: the date the price holds from, the base of calculation for
// waiting periods and the instalment value.
class TValorPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TValorPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelData;
    TLabel *LabelTitleValorPlano;
    TLabel *LabelValorPlano;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
};
