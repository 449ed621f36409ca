#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's agreements: the partner's name, the segment and the discount.
class TConvenioPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TConvenioPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelConvenio;
    TLabel *LabelTitleSegmento;
    TLabel *LabelSegmento;
    TLabel *LabelTitleDesconto;
    TLabel *LabelDesconto;
};
