#include "App.Adapter.Frame.Endereco.h"

#include "Label.h"
#include "MemTable.h"

TEnderecoFrameAdapter::TEnderecoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEndereco = AddHeadline(u"LabelEndereco", u"ENDERECO");
    LabelOutrasInformacoes = AddLabel(QStringLiteral("LabelOutrasInformacoes"), {}, 184, 40);
    AddColumns(LabelOutrasInformacoes,
               { QStringLiteral("BAIRRO"), QStringLiteral("MUNICIPIO"), QStringLiteral("UF") });
    AddField(LabelTitleTipoEndereco,
             LabelTipoEndereco,
             { u"TipoEndereco", u"Tipo:", 184, 224, 60, u"TIPO_ENDERECO" });
    AddField(LabelTitleDescricao,
             LabelDescricao,
             { u"Descricao", u"Descrição:", 420, 494, 60, u"COMPLEMENTO" });
    AddField(LabelTitleIsCobranca,
             LabelIsCobranca,
             { u"IsCobranca", u"Endereço de Cobrança?", 700, 860, 60 });
    // One more line of values than the base row holds.
    setSize(width(), 88);
    SetupLabels();
}

void TEnderecoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelEndereco->setText(ADataSet.FieldByName(QStringLiteral("ENDERECO"))->DisplayText()
                           + QStringLiteral(", ")
                           + ADataSet.FieldByName(QStringLiteral("NUMERO"))->DisplayText());
    LabelIsCobranca->setText(ADataSet.FieldByName(QStringLiteral("IS_COBRANCA"))->AsBoolean()
                                 ? QStringLiteral("Sim")
                                 : QStringLiteral("Não"));
}
