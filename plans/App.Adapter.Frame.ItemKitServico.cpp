#include "App.Adapter.Frame.ItemKitServico.h"

#include "Common.Lib.Utils.h"

#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"

TItemKitServicoFrameAdapter::TItemKitServicoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelServico = AddHeadline(u"LabelServico", u"SERVICO");
    AddField(LabelTitleValorServico,
             LabelValorServico,
             { u"ValorServico", u"Valor Serviço:", 184, 270, 32 });
    AddField(LabelTitleIndice, LabelIndice, { u"Indice", u"Índice:", 360, 402, 32, u"INDICE" });
    AddField(LabelTitleValorBaseServico,
             LabelValorBaseServico,
             { u"ValorBaseServico", u"Valor Base:", 470, 540, 32, u"VALOR_BASE_SERVICO" });
    AddField(LabelTitleReligiao,
             LabelReligiao,
             { u"Religiao", u"Religião:", 184, 240, 47, u"RELIGIAO" });
    AddField(LabelTitleStatus, LabelStatus, { u"Status", u"Status:", 470, 515, 47, u"STATUS" });
    SetupLabels();
}

void TItemKitServicoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const double valor = ADataSet.FieldByName(QStringLiteral("VALOR_BASE_SERVICO"))->AsFloat()
        * ADataSet.FieldByName(QStringLiteral("INDICE"))->AsFloat();
    LabelValorServico->setText(
        FormatFloat(QStringLiteral(",0.00"), TUtils::FormatDouble(valor, 2)));
}
