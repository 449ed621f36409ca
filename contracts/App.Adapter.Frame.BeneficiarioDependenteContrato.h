#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a member's beneficiary list: the beneficiary, the kinship, the share in percent with
// four decimals and the period.
class TBeneficiarioDependenteContratoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TBeneficiarioDependenteContratoFrameAdapter(QWidget *AOwner = nullptr,
                                                         const QString &name = {});

    TLabel *LabelPessoa;
    TLabel *LabelTitleParentesco;
    TLabel *LabelParentesco;
    TLabel *LabelTitlePercentualParticipacao;
    TLabel *LabelPercentualParticipacao;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
};
