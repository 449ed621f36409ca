#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the chart of accounts: the description, the code as typed and the type.
class TPlanoContasFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPlanoContasFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleCodigo;
    TLabel *LabelCodigo;
    TLabel *LabelTitleTipoPlanoContas;
    TLabel *LabelTipoPlanoContas;
};
