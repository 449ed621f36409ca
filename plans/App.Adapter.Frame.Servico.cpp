#include "App.Adapter.Frame.Servico.h"

#include "Label.h"
#include "MemTable.h"

namespace {

// The kind of service whose stock is kept.
const QString CodigoTipoEstoque = QStringLiteral("04");

QString simOuNao(bool AValue)
{
    return AValue ? QStringLiteral("Sim") : QStringLiteral("Não");
}

} // namespace

TServicoFrameAdapter::TServicoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleCodigoTipo,
             LabelCodigoTipo,
             { u"CodigoTipo", u"Tipo: ", 184, 217, 42, u"CODIGO_TIPO" });
    LabelTipo = AddLabel(QStringLiteral("LabelTipo"), QString(), 245, 42);
    AddColumn(LabelTipo, QStringLiteral("TIPO"));
    AddField(LabelTitleIsServicoKit,
             LabelIsServicoKit,
             { u"IsServicoKit", u"Serviço Kit?", 480, 550, 42 });
    AddField(LabelTitleIncluirOrdemServico,
             LabelIncluirOrdemServico,
             { u"IncluirOrdemServico", u"Incluir na O.S?", 600, 685, 42 });
    AddField(LabelTitleEstoque, LabelEstoque, { u"Estoque", QStringView(), 735, 790, 42 });
    SetupLabels();
}

void TServicoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    if (ADataSet.FieldByName(QStringLiteral("CODIGO_TIPO"))->AsString() == CodigoTipoEstoque) {
        LabelEstoque->setText(ADataSet.FieldByName(QStringLiteral("ESTOQUE"))->DisplayText());
        LabelTitleEstoque->setText(QStringLiteral("Estoque"));
    } else {
        LabelEstoque->setText(QString());
        LabelTitleEstoque->setText(QString());
    }
    LabelIsServicoKit->setText(
        simOuNao(ADataSet.FieldByName(QStringLiteral("IS_SERVICO_KIT"))->AsBoolean()));
    LabelIncluirOrdemServico->setText(
        simOuNao(ADataSet.FieldByName(QStringLiteral("INCLUIR_ORDEM_SERVICO"))->AsBoolean()));
}
