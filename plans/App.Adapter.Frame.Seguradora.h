#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the insurer list: the insurer's name, its contract code and contract date, with the
// registration row's edit, remove and view buttons.
class TSeguradoraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TSeguradoraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelSeguradora;
    TLabel *LabelTitleCodigoContrato;
    TLabel *LabelCodigoContrato;
    TLabel *LabelTitleDataContrato;
    TLabel *LabelDataContrato;
};
