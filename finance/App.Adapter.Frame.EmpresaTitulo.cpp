#include "App.Adapter.Frame.EmpresaTitulo.h"

TEmpresaTituloFrameAdapter::TEmpresaTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEmpresa = AddHeadline(u"LabelEmpresa", u"EMPRESA");
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 8, 60, 42, u"VALOR" });
    SetupLabels();
}
