#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of an agreement's professionals: the name and the specialties.
class TProfissionalConvenioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TProfissionalConvenioFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelProfissional;
    TLabel *LabelTitleEspecialidades;
    TLabel *LabelEspecialidades;
};
