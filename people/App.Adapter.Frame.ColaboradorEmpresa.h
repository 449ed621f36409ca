#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a staff member's employments: the company, the registration code and the admission
// and dismissal dates.
class TColaboradorEmpresaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TColaboradorEmpresaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelEmpresa;
    TLabel *LabelTitleCodigoRegistro;
    TLabel *LabelCodigoRegistro;
    TLabel *LabelTitleDataAdmissao;
    TLabel *LabelDataAdmissao;
    TLabel *LabelTitleDataDemissao;
    TLabel *LabelDataDemissao;
};
