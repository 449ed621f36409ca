#include "App.Adapter.Frame.FaixaParcelaTipoComissao.h"

TFaixaParcelaTipoComissaoFrameAdapter::TFaixaParcelaTipoComissaoFrameAdapter(QWidget *AOwner,
                                                                             const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelComissao = AddHeadline(u"LabelComissao", u"COMISSAO");
    AddField(LabelTitleFaixaParcela,
             LabelFaixaParcela,
             { u"FaixaParcela", u"Faixa Parcela:", 184, 280, 42, u"FAIXA_PARCELA" });
    AddField(LabelTitleFormaRecebimento,
             LabelFormaRecebimento,
             { u"FormaRecebimento", u"Forma Recebimento:", 408, 540, 42, u"FORMA_RECEBIMENTO" });
    SetupLabels();
}
