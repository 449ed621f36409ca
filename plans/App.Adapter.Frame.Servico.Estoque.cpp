#include "App.Adapter.Frame.Servico.Estoque.h"

TServicoEstoqueFrameAdapter::TServicoEstoqueFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    AddColumn(LabelID, QStringLiteral("ID_EMPRESA"));
    // Each title above its value.
    LabelTitleEmpresa
        = AddLabel(QStringLiteral("LabelTitleEmpresa"), QStringLiteral("Empresa"), 184, 8);
    LabelEmpresa = AddLabel(QStringLiteral("LabelEmpresa"), QString(), 184, 26);
    AddColumn(LabelEmpresa, QStringLiteral("EMPRESA"));
    LabelTitleEstoque
        = AddLabel(QStringLiteral("LabelTitleEstoque"), QStringLiteral("Estoque"), 560, 8);
    LabelEstoque = AddLabel(QStringLiteral("LabelEstoque"), QString(), 560, 26);
    AddColumn(LabelEstoque, QStringLiteral("ESTOQUE"));
    SetupLabels();
}
