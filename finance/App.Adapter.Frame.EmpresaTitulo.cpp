#include "App.Adapter.Frame.EmpresaTitulo.h"

TEmpresaTituloFrameAdapter::TEmpresaTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEmpresa = AddHeadline(u"LabelEmpresa", u"EMPRESA");
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 184, 224, 42, u"VALOR" });
    SetupLabels();
}
