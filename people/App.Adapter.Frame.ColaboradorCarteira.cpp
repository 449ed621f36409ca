#include "App.Adapter.Frame.ColaboradorCarteira.h"

TColaboradorCarteiraFrameAdapter::TColaboradorCarteiraFrameAdapter(QWidget *AOwner,
                                                                   const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelColaborador = AddHeadline(u"LabelColaborador", u"COLABORADOR");
    AddField(LabelTitleDataInicial,
             LabelDataInicial,
             { u"DataInicial", u"Data Inicial:", 184, 279, 42, u"DATA_INICIAL" });
    AddField(LabelTitleDataFinal,
             LabelDataFinal,
             { u"DataFinal", u"Data Final:", 400, 481, 42, u"DATA_FINAL" });
    AddField(LabelTitleMotivo,
             LabelMotivo,
             { u"Motivo", u"Motivo Finalização:", 600, 737, 42, u"MOTIVO" });
    SetupLabels();
}
