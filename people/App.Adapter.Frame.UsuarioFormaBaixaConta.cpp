#include "App.Adapter.Frame.UsuarioFormaBaixaConta.h"

TUsuarioFormaBaixaContaFrameAdapter::TUsuarioFormaBaixaContaFrameAdapter(QWidget *AOwner,
                                                                         const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelFormaPagamento = AddHeadline(u"LabelFormaPagamento", u"FORMA_PAGAMENTO");
    AddField(LabelTitleConta, LabelConta, { u"Conta", u"Conta:", 184, 224, 42, u"CONTA" });
    SetupLabels();
}
