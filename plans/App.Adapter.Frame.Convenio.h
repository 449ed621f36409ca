#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the agreement list: the partner's name, the segment, the discount and the
// specialties offered.
class TConvenioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TConvenioFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelConvenio;
    TLabel *LabelTitleSegmento;
    TLabel *LabelSegmento;
    TLabel *LabelTitleDesconto;
    TLabel *LabelDesconto;
    TLabel *LabelTitleEspecialidades;
    TLabel *LabelEspecialidades;
};
