#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the neighbourhood list: the name, and its city and state.
class TBairroFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TBairroFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelBairro;
    TLabel *LabelTitleMunicipioUF;
    TLabel *LabelMunicipioUF;
};
