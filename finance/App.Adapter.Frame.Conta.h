#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the account list: the description, number, digit, operation, type and company (no
// branch).
class TContaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TContaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleNumero;
    TLabel *LabelNumero;
    TLabel *LabelTitleDigito;
    TLabel *LabelDigito;
    TLabel *LabelTitleOperacao;
    TLabel *LabelOperacao;
    TLabel *LabelTitleTipoConta;
    TLabel *LabelTipoConta;
    TLabel *LabelTitlePessoa;
    TLabel *LabelPessoa;
};
