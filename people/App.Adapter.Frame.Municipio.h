#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the city list: the name and the state abbreviation.
class TMunicipioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TMunicipioFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleUf;
    TLabel *LabelUf;
};
