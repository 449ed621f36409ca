#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a portfolio's collector history: the collector, the start and end dates and the end
// reason.
class TColaboradorCarteiraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TColaboradorCarteiraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelColaborador;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;
};
