#include "App.Adapter.Frame.AssinaturaContratoIntegracao.h"

#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"

TAssinaturaContratoIntegracaoFrameAdapter::TAssinaturaContratoIntegracaoFrameAdapter(
    QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelStatusGeral = AddHeadline(u"LabelStatusGeral", u"STATUS_GERAL");
    AddField(LabelTitleCodigoAssinaturaIntegracao,
             LabelCodigoAssinaturaIntegracao,
             { u"CodigoAssinaturaIntegracao",
               u"Código do Cliente na API:",
               184,
               350,
               42,
               u"CODIGO_ASSINATURA_INTEGRACAO" });
    SetupLabels();
}

void TAssinaturaContratoIntegracaoFrameAdapter::SpeedButtonRemoveClick()
{
    if (TAppUtils::MessageSystem(
            QStringLiteral("QUESTION:Ao remover uma assinatura, as mensalidades aguardando "
                           "pagamento ou vencidas também são removidas.\r\nDeseja prosseguir?"))
        == mrNo)
        return;
    TFrameBaseAdapterCadastro::SpeedButtonRemoveClick();
}
