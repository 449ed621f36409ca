#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of an employment's team history: the team, the start and end dates and the end reason.
class TEquipeColaboradorEmpresaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEquipeColaboradorEmpresaFrameAdapter(QWidget *AOwner = nullptr,
                                                   const QString &name = {});

    TLabel *LabelEquipe;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;
};
