#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the commission-table list: the table's description.
class TComissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TComissaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
