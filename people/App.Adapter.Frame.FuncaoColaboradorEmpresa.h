#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of an employment's function and salary history: the function, the start date, the
// reason, the salary and its type.
class TFuncaoColaboradorEmpresaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFuncaoColaboradorEmpresaFrameAdapter(QWidget *AOwner = nullptr,
                                                   const QString &name = {});

    TLabel *LabelFuncao;
    TLabel *LabelTitleData;
    TLabel *LabelData;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;
    TLabel *LabelTitleSalario;
    TLabel *LabelSalario;
    TLabel *LabelTitleTipoSalario;
    TLabel *LabelTipoSalario;
};
