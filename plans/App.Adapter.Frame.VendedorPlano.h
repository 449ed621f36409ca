#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's sellers: the staff member's name.
class TVendedorPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TVendedorPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
