#include "App.Adapter.Frame.BairroCarteira.h"

TBairroCarteiraFrameAdapter::TBairroCarteiraFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelBairro = AddHeadline(u"LabelBairro", u"BAIRRO");
    LabelMunicipioUf = AddLabel(QStringLiteral("LabelMunicipioUf"), {}, 184, 40);
    AddColumns(LabelMunicipioUf, { QStringLiteral("MUNICIPIO"), QStringLiteral("UF") });
    AddField(LabelTitleDataInicial,
             LabelDataInicial,
             { u"DataInicial", u"Data Inicial:", 184, 279, 60, u"DATA_INICIAL" });
    AddField(LabelTitleDataFinal,
             LabelDataFinal,
             { u"DataFinal", u"Data Final:", 400, 481, 60, u"DATA_FINAL" });
    AddField(LabelTitleMotivo, LabelMotivo, { u"Motivo", u"Motivo:", 600, 660, 60, u"MOTIVO" });
    // One more line of values than the base row holds.
    setSize(width(), 88);
    SetupLabels();
}
