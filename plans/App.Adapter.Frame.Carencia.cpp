#include "App.Adapter.Frame.Carencia.h"

#include "Label.h"

TCarenciaFrameAdapter::TCarenciaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleCodigoTipo,
             LabelCodigoTipo,
             { u"CodigoTipo", u"Tipo:", 184, 218, 42, u"CODIGO_TIPO" });
    LabelTipo = AddLabel(QStringLiteral("LabelTipo"), QString(), 250, 42);
    AddColumn(LabelTipo, QStringLiteral("TIPO"));
    SetupLabels();
}

void TCarenciaFrameAdapter::fillRow(const TMemTable &)
{
    LabelTipo->setPositionX(LabelCodigoTipo->x() + LabelCodigoTipo->width() + 8);
}
