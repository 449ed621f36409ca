#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a team's member history: the staff member, the start and end dates and the end
// reason.
class TColaboradorEquipeFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TColaboradorEquipeFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelColaborador;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;
};
