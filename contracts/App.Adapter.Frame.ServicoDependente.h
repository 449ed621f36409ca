#pragma once

#include "App.Base.Adapter.ServicoAdicional.h"

// A row of a member's additional services.
class TServicoDependenteFrameAdapter final : public TFrameBaseAdapterServicoAdicional
{
    Q_OBJECT

public:
    explicit TServicoDependenteFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});
};
