#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the system-list registration list: the item's description, its code and the list
// (type) it belongs to, with the registration row's edit, remove and view buttons.
class TListaSistemaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TListaSistemaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleCodigo;
    TLabel *LabelCodigo;
    TLabel *LabelTitleTipo;
    TLabel *LabelTipo;
};
