#include "App.Adapter.Frame.UsuarioEmpresaPerfilPermissao.h"

#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

TUsuarioEmpresaPerfilPermissaoFrameAdapter::TUsuarioEmpresaPerfilPermissaoFrameAdapter(
    QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonEdit->setVisible(false);
    SpeedButtonView->setVisible(false);
    LabelPerfilPermissao = AddHeadline(u"LabelPerfilPermissao", u"PERFIL_PERMISSAO");
    AddField(
        LabelTitleEmpresa, LabelEmpresa, { u"Empresa", u"Empresa:", 184, 240, 42, u"EMPRESA" });
    SetupLabels();
}

void TUsuarioEmpresaPerfilPermissaoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    IdPerfilPermissao = ADataSet.FieldByName(QStringLiteral("ID_PERFIL_PERMISSAO"))->AsLargeInt();
    if (ADataSet.FieldByName(QStringLiteral("ID"))->AsLargeInt() == 0)
        RectangleColorStatus->setFillColor(0xFFFF0000);
}
