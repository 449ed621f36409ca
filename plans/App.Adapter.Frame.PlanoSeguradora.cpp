#include "App.Adapter.Frame.PlanoSeguradora.h"

#include "Label.h"

TPlanoSeguradoraFrameAdapter::TPlanoSeguradoraFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelPlano = AddHeadline(u"LabelPlano", u"PLANO");
    AddField(LabelTitleCodigoPlano,
             LabelCodigoPlano,
             { u"CodigoPlano", u"Código do Plano:", 184, 290, 42, u"CODIGO_PLANO" });
    AddField(LabelTitleApoliceAcidente,
             LabelApoliceAcidente,
             { u"ApoliceAcidente", u"Apólice Acidente:", 400, 510, 42, u"APOLICE_ACIDENTE" });
    AddField(LabelTitleApoliceDecesso,
             LabelApoliceDecesso,
             { u"ApoliceDecesso", u"Apólice Decesso:", 620, 730, 42, u"APOLICE_DECESSO" });
    SetupLabels();
}
