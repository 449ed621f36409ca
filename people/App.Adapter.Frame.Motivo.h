#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the reason list: the description, and the reason type's code and description, with
// the registration row's edit, remove and view buttons.
class TMotivoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TMotivoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleCodigoTipoMotivo;
    TLabel *LabelCodigoTipoMotivo;
    TLabel *LabelTitleTipoMotivo;
    TLabel *LabelTipoMotivo;
};
