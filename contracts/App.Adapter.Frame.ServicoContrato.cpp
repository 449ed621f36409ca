#include "App.Adapter.Frame.ServicoContrato.h"

#include "Label.h"
#include "MemTable.h"

namespace {

QString simNao(bool AValue)
{
    return AValue ? QStringLiteral("Sim") : QStringLiteral("Não");
}

} // namespace

TServicoContratoFrameAdapter::TServicoContratoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterServicoAdicional(AOwner, name, u"Primeiro Vencimento:")
{
    AddField(LabelTitleIsServicoBonificado,
             LabelIsServicoBonificado,
             { u"IsServicoBonificado", u"Bonificado?", 184, 290, NextLineY });
    AddField(LabelTitleIsFinalizado,
             LabelIsFinalizado,
             { u"IsFinalizado", u"Finalizado?", 420, 560, NextLineY });
    setSize(width(), NextLineY + 46);
    SetupLabels();
}

void TServicoContratoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    TFrameBaseAdapterServicoAdicional::fillRow(ADataSet);
    LabelIsServicoBonificado->setText(
        simNao(ADataSet.FieldByName(QStringLiteral("IS_SERVICO_BONIFICADO"))->AsBoolean()));
    LabelIsFinalizado->setText(
        simNao(ADataSet.FieldByName(QStringLiteral("LISTA_BAIXA_ADICIONAL"))->AsLargeInt() != 0));
}
