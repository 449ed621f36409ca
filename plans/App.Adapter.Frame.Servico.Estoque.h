#pragma once

#include "App.Base.Adapter.h"

// A row of a service's stock: the company and the quantity it holds. Only looked at: the row
// has no edit or remove buttons.
class TServicoEstoqueFrameAdapter final : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TServicoEstoqueFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
    TLabel *LabelTitleEstoque;
    TLabel *LabelEstoque;
};
