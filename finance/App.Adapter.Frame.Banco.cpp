#include "App.Adapter.Frame.Banco.h"

TBancoFrameAdapter::TBancoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(
        LabelTitleCodigo, LabelCodigo, { u"Codigo", u"Código do Banco:", 16, 136, 42, u"CODIGO" });
    SetupLabels();
}
