#include "App.Adapter.Frame.IntegracaoApiFinanceira.h"

TIntegracaoApiFinanceiraFrameAdapter::TIntegracaoApiFinanceiraFrameAdapter(QWidget *AOwner,
                                                                           const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleListaStatusGeral,
             LabelListaStatusGeral,
             { u"ListaStatusGeral", u"Status:", 16, 70, 42, u"STATUS_GERAL" });
    const auto runs = [this](TProcFrame TIntegracaoApiFinanceiraFrameAdapter::*AProc) {
        return [this, AProc] {
            if (this->*AProc)
                (this->*AProc)(this);
        };
    };
    SpeedButtonAtivarWebhook
        = AddButton(QStringLiteral("SpeedButtonAtivarWebhook"),
                    QStringLiteral("arrowrighttoolbutton"),
                    runs(&TIntegracaoApiFinanceiraFrameAdapter::ProcAtivarWebhook));
    SpeedButtonRecuperarInformacoes
        = AddButton(QStringLiteral("SpeedButtonRecuperarInformacoes"),
                    QStringLiteral("replytoolbutton"),
                    runs(&TIntegracaoApiFinanceiraFrameAdapter::ProcRecuperarInformacoes));
    SpeedButtonNotificacoes
        = AddButton(QStringLiteral("SpeedButtonNotificacoes"),
                    QStringLiteral("arrowrighttoolbutton"),
                    runs(&TIntegracaoApiFinanceiraFrameAdapter::ProcNotificacoes));
    // Room for the three buttons beside the usual ones; without it they are cut off.
    LayoutButtons->setWidth(LayoutButtons->width() + 3 * 34);
    SetupLabels();
}
