#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a user's settlement methods: the method and the account it settles into.
class TUsuarioFormaBaixaContaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUsuarioFormaBaixaContaFrameAdapter(QWidget *AOwner = nullptr,
                                                 const QString &name = {});

    TLabel *LabelFormaPagamento;
    TLabel *LabelTitleConta;
    TLabel *LabelConta;
};
