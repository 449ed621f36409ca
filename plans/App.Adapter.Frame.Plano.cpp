#include "App.Adapter.Frame.Plano.h"

#include "Label.h"
#include "MemTable.h"

TPlanoFrameAdapter::TPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleParcelas,
             LabelParcelas,
             { u"Parcelas", u"Qtde Parcelas:", 184, 292, 26, u"PARCELAS" });
    AddField(LabelTitleValor,
             LabelValor,
             { u"Valor", u"Base de Cálculo para Carência:", 402, 622, 26, u"VALOR" });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"Valor Parcela:", 184, 292, 44, u"VALOR_PARCELA" });
    AddField(LabelTitleCancelado, LabelCancelado, { u"Cancelado", u"Cancelado?", 402, 482, 44 });
    SetupLabels();
}

void TPlanoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelCancelado->setText(ADataSet.FieldByName(QStringLiteral("IS_CANCELADO"))->AsBoolean()
                                ? QStringLiteral("Sim")
                                : QStringLiteral("Não"));
}
