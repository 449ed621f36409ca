#pragma once

#include "App.Base.Adapter.Cadastro.h"

class TLayout;

// A row of the person list: the name, the tax id with most digits hidden, the birthday (day
// and month), the contract the person belongs to with the kinship, the main address, the type
// of person and the main contact.
class TPessoaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPessoaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleCpfCnpj;
    TLabel *LabelCpfCnpj;
    TLabel *LabelTitleDataNascimento;
    TLabel *LabelDataNascimento;
    TLabel *LabelTitleTipoPessoa;
    TLabel *LabelTipoPessoa;
    TLayout *LayoutInformacoesContrato;
    TLabel *LabelNumeroContrato;
    TLabel *LabelTitleParentesco;
    TLabel *LabelParentesco;
    TLabel *LabelTitleEndereco;
    TLabel *LabelEndereco;
    TLabel *LabelTitleTipoContato;
    TLabel *LabelTipoContato;
    TLabel *LabelTitleTelefone;
    TLabel *LabelTelefone;
    TLabel *LabelTitleInternet;
    TLabel *LabelInternet;

    // A CPF (fewer than 12 characters) as "***.456.***-01", a CNPJ as "**.345.***/***1-95":
    // only a few digits of the tax id are shown in a list. Characters past the end count as
    // none.
    static QString CpfCnpjMascarado(const QString &ACpfCnpj);

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
