#include "App.Adapter.Frame.AdicionalContratoPlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "Label.h"
#include "MemTable.h"
#include "DateTime.h"

TAdicionalContratoPlanoFrameAdapter::TAdicionalContratoPlanoFrameAdapter(QWidget *AOwner,
                                                                         const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelServico = AddHeadline(u"LabelServico", u"SERVICO");
    AddField(LabelTitleValorServico,
             LabelValorServico,
             { u"ValorServico", u"Valor:", 184, 236, 26, u"VALOR_SERVICO" });
    AddField(LabelTitleParcelas,
             LabelParcelas,
             { u"Parcelas", u"Parcelas:", 346, 419, 26, u"PARCELAS" });
    AddField(
        LabelTitleDesativado, LabelDesativado, { u"Desativado", u"Desativado?", 529, 616, 26 });
    SetupLabels();
}

void TAdicionalContratoPlanoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelDesativado->setText(
        PlanoCalculo::AdicionalDesativado(
            ADataSet.FieldByName(QStringLiteral("DATA_FINAL"))->AsDateTime(), Now())
            ? QStringLiteral("Sim")
            : QStringLiteral("Não"));
}
