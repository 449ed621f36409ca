#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the street list: the name, its neighbourhood and postal code, its city and state.
class TLogradouroFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TLogradouroFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelLogradouro;
    TLabel *LabelTitleBairroCep;
    TLabel *LabelBairroCep;
    TLabel *LabelTitleMunicipioUF;
    TLabel *LabelMunicipioUF;
};
