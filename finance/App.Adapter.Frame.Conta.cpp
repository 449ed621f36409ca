#include "App.Adapter.Frame.Conta.h"

TContaFrameAdapter::TContaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleNumero, LabelNumero, { u"Numero", u"Número:", 16, 73, 42, u"NUMERO" });
    AddField(LabelTitleDigito, LabelDigito, { u"Digito", u"Dígito:", 236, 293, 42, u"DIGITO" });
    AddField(LabelTitleOperacao,
             LabelOperacao,
             { u"Operacao", u"Operação:", 456, 527, 42, u"OPERACAO" });
    AddField(LabelTitleTipoConta,
             LabelTipoConta,
             { u"TipoConta", u"Tipo de Conta:", 16, 122, 62, u"TIPO_CONTA" });
    AddField(LabelTitlePessoa, LabelPessoa, { u"Pessoa", u"Empresa:", 236, 300, 62, u"PESSOA" });
    // Two lines of values.
    setSize(width(), 90);
    SetupLabels();
}
