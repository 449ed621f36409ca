#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the state list: the name and the abbreviation.
class TUnidadeFederativaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUnidadeFederativaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleSigla;
    TLabel *LabelSigla;
};
