#include "App.Adapter.Frame.UsuarioEmpresa.h"

#include "CheckBox.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

TUsuarioEmpresaFrameAdapter::TUsuarioEmpresaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonEdit->setVisible(false);
    SpeedButtonView->setVisible(false);
    LabelEmpresa = AddHeadline(u"LabelEmpresa", u"EMPRESA");
    CheckBoxAtivo = new TCheckBox(LayoutBackground, QStringLiteral("CheckBoxAtivo"));
    CheckBoxAtivo->setText(QStringLiteral("Ativo"));
    CheckBoxAtivo->setPosition(184, 38);
    CheckBoxAtivo->setSize(120, 19);
    CheckBoxAtivo->OnClick = [this](QObject *) { CheckBoxAtivoChange(); };
    SetupLabels();
}

void TUsuarioEmpresaFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    IdEmpresa = ADataSet.FieldByName(QStringLiteral("ID_EMPRESA"))->AsLargeInt();
    CheckBoxAtivo->setChecked(ADataSet.FieldByName(QStringLiteral("ATIVO"))->AsBoolean());
    if (ADataSet.FieldByName(QStringLiteral("ID"))->AsLargeInt() == 0)
        RectangleColorStatus->setFillColor(0xFFFF0000);
}

void TUsuarioEmpresaFrameAdapter::CheckBoxAtivoChange()
{
    if (ProcCheckboxClick)
        ProcCheckboxClick(this);
}
