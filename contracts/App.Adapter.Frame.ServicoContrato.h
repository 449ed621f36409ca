#pragma once

#include "App.Base.Adapter.ServicoAdicional.h"

// A row of the contract's additional services, with whether it is a bonus and whether it has
// ended (an end reason given, whatever the end date).
class TServicoContratoFrameAdapter final : public TFrameBaseAdapterServicoAdicional
{
    Q_OBJECT

public:
    explicit TServicoContratoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitleIsServicoBonificado;
    TLabel *LabelIsServicoBonificado;
    TLabel *LabelTitleIsFinalizado;
    TLabel *LabelIsFinalizado;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
