#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the staff list: the staff member's name, function, admission and dismissal dates and
// company.
class TColaboradorFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TColaboradorFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelColaborador;
    TLabel *LabelTitleFuncao;
    TLabel *LabelFuncao;
    TLabel *LabelTitleDataAdmissao;
    TLabel *LabelDataAdmissao;
    TLabel *LabelTitleDataDemissao;
    TLabel *LabelDataDemissao;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
};
