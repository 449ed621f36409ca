#pragma once

#include "App.Base.Adapter.Cadastro.h"

class TCheckBox;

// A row of a person's contact list: the type, the phone, the e-mail or URL, whether the number
// takes messages, whether it is the billing contact, and the description.
class TContatoFrameAdapter : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TContatoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTipoContato;
    TLabel *LabelTitleTelefone;
    TLabel *LabelTelefone;
    TLabel *LabelTitleInternet;
    TLabel *LabelInternet;
    TCheckBox *CheckBoxMensageiro;
    TLabel *LabelTitleIsCobranca;
    TLabel *LabelIsCobranca;
    TLabel *LabelTitleDescricao;
    TLabel *LabelDescricao;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
