#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a professional's specialties: the specialty.
class TEspecialidadeProfissionalConvenioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEspecialidadeProfissionalConvenioFrameAdapter(QWidget *AOwner = nullptr,
                                                            const QString &name = {});

    TLabel *LabelEspecialidade;
};
