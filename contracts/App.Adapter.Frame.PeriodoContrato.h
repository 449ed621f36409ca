#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the contract's validity periods: the contract date, the fidelity days and the back
// end's summary of the period.
class TPeriodoContratoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPeriodoContratoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDataContrato;
    TLabel *LabelTitleFidelidade;
    TLabel *LabelFidelidade;
    TLabel *LabelInformacoes;
};
