#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a person's address list: street and number, neighbourhood - city - state, the
// address type, the complement and whether it is the billing address.
class TEnderecoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEnderecoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelEndereco;
    TLabel *LabelOutrasInformacoes;
    TLabel *LabelTitleTipoEndereco;
    TLabel *LabelTipoEndereco;
    TLabel *LabelTitleDescricao;
    TLabel *LabelDescricao;
    TLabel *LabelTitleIsCobranca;
    TLabel *LabelIsCobranca;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
