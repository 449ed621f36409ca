#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a commission type's instalment bands: the commission table, the instalment band and the
// receipt method.
class TFaixaParcelaTipoComissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFaixaParcelaTipoComissaoFrameAdapter(QWidget *AOwner = nullptr,
                                                   const QString &name = {});

    TLabel *LabelComissao;
    TLabel *LabelTitleFaixaParcela;
    TLabel *LabelFaixaParcela;
    TLabel *LabelTitleFormaRecebimento;
    TLabel *LabelFormaRecebimento;
};
