#include "App.Adapter.Frame.Contato.h"

#include "CheckBox.h"
#include "Label.h"
#include "MemTable.h"

TContatoFrameAdapter::TContatoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelTipoContato = AddHeadline(u"LabelTipoContato", u"TIPO_CONTATO");
    AddField(LabelTitleTelefone,
             LabelTelefone,
             { u"Telefone", u"Telefone:", 184, 250, 40, u"TELEFONE" });
    AddField(LabelTitleInternet,
             LabelInternet,
             { u"Internet", u"E-mail / URL:", 420, 510, 40, u"INTERNET" });
    CheckBoxMensageiro = new TCheckBox(LayoutBackground, QStringLiteral("CheckBoxMensageiro"));
    CheckBoxMensageiro->setText(QStringLiteral("Whatsapp/Telegram/Outros"));
    CheckBoxMensageiro->setPosition(184, 60);
    CheckBoxMensageiro->setSize(220, 19);
    CheckBoxMensageiro->setEnabled(false);
    AddField(LabelTitleIsCobranca,
             LabelIsCobranca,
             { u"IsCobranca", u"Contato de Cobrança?", 420, 570, 62 });
    AddField(LabelTitleDescricao,
             LabelDescricao,
             { u"Descricao", u"Descrição:", 184, 258, 84, u"DESCRICAO" });
    // Two more lines of values than the base row holds.
    setSize(width(), 110);
    SetupLabels();
}

void TContatoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    CheckBoxMensageiro->setChecked(
        ADataSet.FieldByName(QStringLiteral("IS_MENSAGEIRO"))->AsBoolean());
    LabelIsCobranca->setText(ADataSet.FieldByName(QStringLiteral("IS_COBRANCA"))->AsBoolean()
                                 ? QStringLiteral("Sim")
                                 : QStringLiteral("Não"));
}
