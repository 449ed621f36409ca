#include "App.Adapter.Frame.UsuarioConta.h"

#include "CheckBox.h"
#include "MemTable.h"
#include "SpeedButton.h"

TUsuarioContaFrameAdapter::TUsuarioContaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonEdit->setVisible(false);
    SpeedButtonView->setVisible(false);
    LabelConta = AddHeadline(u"LabelConta", u"CONTA");
    CheckBoxPadraoConta = new TCheckBox(LayoutBackground, QStringLiteral("CheckBoxPadraoConta"));
    CheckBoxPadraoConta->setText(QStringLiteral("Padrão?"));
    CheckBoxPadraoConta->setPosition(184, 38);
    CheckBoxPadraoConta->setSize(120, 19);
    CheckBoxPadraoConta->OnClick = [this](QObject *) { CheckBoxPadraoContaChange(); };
    SetupLabels();
}

void TUsuarioContaFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    IdConta = ADataSet.FieldByName(QStringLiteral("ID_CONTA"))->AsLargeInt();
    CheckBoxPadraoConta->setChecked(
        ADataSet.FieldByName(QStringLiteral("PADRAO_CONTA"))->AsBoolean());
}

void TUsuarioContaFrameAdapter::CheckBoxPadraoContaChange()
{
    if (ProcCheckboxClick)
        ProcCheckboxClick(this);
}
