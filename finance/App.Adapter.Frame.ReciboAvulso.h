#pragma once

#include "App.Base.Adapter.Cadastro.h"

class TSpeedButton;

// A row of the stand-alone receipt list: the person and value, date, company, town and type, and
// the side-menu button (the receipt's prints). A receipt is never reopened for editing from the
// list: the window hides the edit button.
class TReciboAvulsoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TReciboAvulsoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelPessoa;
    TLabel *LabelTitleData;
    TLabel *LabelData;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
    TLabel *LabelTitleMunicipio;
    TLabel *LabelMunicipio;
    TLabel *LabelTitleTipoRecibo;
    TLabel *LabelTipoRecibo;
    TSpeedButton *SpeedButtonMenuLateral;

    // The window's side-menu procedure, run by the side-menu button when set.
    TProcFrame ProcMenuLateral;

    void SpeedButtonMenuLateralClick();

protected:
    // The person's name, " --- " and the value.
    void fillRow(const TMemTable &ADataSet) override;
};
