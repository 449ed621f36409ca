#include "App.Adapter.Frame.ServicoConvenio.h"

TServicoConvenioFrameAdapter::TServicoConvenioFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelServico = AddHeadline(u"LabelServico", u"SERVICO");
    AddField(LabelTitleValorServico,
             LabelValorServico,
             { u"ValorServico", u"Valor:", 184, 224, 42, u"VALOR_SERVICO" });
    SetupLabels();
}
