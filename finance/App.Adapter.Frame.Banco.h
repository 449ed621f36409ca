#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the bank list: the name and the code in three digits.
class TBancoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TBancoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleCodigo;
    TLabel *LabelCodigo;
};
