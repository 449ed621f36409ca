#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a function's commission types: the commission type and its other three classifications.
class TTipoComissaoFuncaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TTipoComissaoFuncaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTipoComissao;
    TLabel *LabelTitleCategoriaRealizacao;
    TLabel *LabelCategoriaRealizacao;
    TLabel *LabelTitleOrigemCalculoComissao;
    TLabel *LabelOrigemCalculoComissao;
    TLabel *LabelTitleBaseComissao;
    TLabel *LabelBaseComissao;
};
