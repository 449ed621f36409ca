#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the branch list: the name, the number in four digits and the check digit (not the bank).
class TAgenciaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TAgenciaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleNumero;
    TLabel *LabelNumero;
    TLabel *LabelTitleDigito;
    TLabel *LabelDigito;
};
