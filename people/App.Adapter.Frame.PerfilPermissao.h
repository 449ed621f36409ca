#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the permission-profile list: the profile's name, with edit, remove and view buttons.
class TPerfilPermissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPerfilPermissaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
