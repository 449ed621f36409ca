#include "App.Adapter.Frame.ValorPlano.h"

TValorPlanoFrameAdapter::TValorPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelData = AddHeadline(u"LabelData", u"DATA");
    AddField(LabelTitleValorPlano,
             LabelValorPlano,
             { u"ValorPlano", u"Base de Cálculo para Carência:", 184, 404, 26, u"VALOR" });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"Valor Parcela: ", 514, 629, 26, u"VALOR_PARCELA" });
    SetupLabels();
}
