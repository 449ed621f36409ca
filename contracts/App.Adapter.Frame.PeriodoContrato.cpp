#include "App.Adapter.Frame.PeriodoContrato.h"

#include "Label.h"

TPeriodoContratoFrameAdapter::TPeriodoContratoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDataContrato = AddHeadline(u"LabelDataContrato", u"DATA_CONTRATO");
    AddField(LabelTitleFidelidade,
             LabelFidelidade,
             { u"Fidelidade", u"Fidelidade:", 184, 262, 42, u"FIDELIDADE" });
    LabelInformacoes = AddLabel(QStringLiteral("LabelInformacoes"), QString(), 184, 62);
    AddColumn(LabelInformacoes, QStringLiteral("INFORMACOES"));
    setSize(width(), 88);
    SetupLabels();
}
