#include "App.Adapter.Frame.Carteira.h"

#include "Label.h"
#include "MemTable.h"

TCarteiraFrameAdapter::TCarteiraFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleColaborador,
             LabelColaborador,
             { u"Colaborador", u"Responsável Carteira:", 184, 330, 42, u"COLABORADOR" });
    AddField(LabelTitleIsCobradorExternoAtivo,
             LabelIsCobradorExternoAtivo,
             { u"IsCobradorExternoAtivo", u"Cobrador Externo Ativo:", 640, 800, 42 });
    SetupLabels();
}

void TCarteiraFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelIsCobradorExternoAtivo->setText(
        ADataSet.FieldByName(QStringLiteral("IS_COBRADOR_EXTERNO_ATIVO"))->AsBoolean()
            ? QStringLiteral("Sim")
            : QStringLiteral("Não"));
}
