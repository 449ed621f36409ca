#include "App.Adapter.Frame.Agencia.h"

TAgenciaFrameAdapter::TAgenciaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(LabelTitleNumero, LabelNumero, { u"Numero", u"Número:", 16, 73, 42, u"NUMERO" });
    AddField(LabelTitleDigito, LabelDigito, { u"Digito", u"Dígito:", 236, 293, 42, u"DIGITO" });
    SetupLabels();
}
