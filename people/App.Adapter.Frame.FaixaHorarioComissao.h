#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a commission table's time bands: its start and end hours.
class TFaixaHorarioComissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFaixaHorarioComissaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitleHoraInicial;
    TLabel *LabelHoraInicial;
    TLabel *LabelTitleHoraFinal;
    TLabel *LabelHoraFinal;
};
