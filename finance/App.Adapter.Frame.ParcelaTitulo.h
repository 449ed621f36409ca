#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a title's instalments: its number, document, due date, value and bar code.
class TParcelaTituloFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TParcelaTituloFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitleParcela;
    TLabel *LabelParcela;
    TLabel *LabelTitleNumeroDocumento;
    TLabel *LabelNumeroDocumento;
    TLabel *LabelVencimento;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
    TLabel *LabelTitleCodigoBarras;
    TLabel *LabelCodigoBarras;
};
