#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a portfolio's neighbourhood history: the neighbourhood, its town and state, the start
// and end dates and the end reason.
class TBairroCarteiraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TBairroCarteiraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelBairro;
    TLabel *LabelMunicipioUf;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;
};
