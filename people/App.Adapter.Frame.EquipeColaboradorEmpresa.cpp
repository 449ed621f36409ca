#include "App.Adapter.Frame.EquipeColaboradorEmpresa.h"

TEquipeColaboradorEmpresaFrameAdapter::TEquipeColaboradorEmpresaFrameAdapter(QWidget *AOwner,
                                                                             const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEquipe = AddHeadline(u"LabelEquipe", u"EQUIPE");
    AddField(LabelTitleDataInicial,
             LabelDataInicial,
             { u"DataInicial", u"Data Inicial:", 184, 279, 42, u"DATA_INICIAL" });
    AddField(LabelTitleDataFinal,
             LabelDataFinal,
             { u"DataFinal", u"Data Final:", 400, 481, 42, u"DATA_FINAL" });
    AddField(LabelTitleMotivo,
             LabelMotivo,
             { u"Motivo", u"Motivo da Finalização:", 600, 758, 42, u"MOTIVO" });
    SetupLabels();
}
