#pragma once

#include "App.Adapter.Frame.AtualizacaoValores.h"

// A service's row of a bulk price update.
class TServicosAtualizacaoValoresFrameAdapter final : public TAtualizacaoValoresFrameAdapter
{
    Q_OBJECT

public:
    explicit TServicosAtualizacaoValoresFrameAdapter(QWidget *AOwner = nullptr,
                                                     const QString &name = {});
};
