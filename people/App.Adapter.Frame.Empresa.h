#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the company list: the company's name, with edit and view buttons. Companies are not
// removed from this list: the row has no remove button.
class TEmpresaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEmpresaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelEmpresa;
};
