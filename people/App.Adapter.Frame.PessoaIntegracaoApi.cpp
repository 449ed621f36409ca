#include "App.Adapter.Frame.PessoaIntegracaoApi.h"

#include "Label.h"
#include "MemTable.h"

TPessoaIntegracaoApiFrameAdapter::TPessoaIntegracaoApiFrameAdapter(QWidget *AOwner,
                                                                   const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelIntegracaoApiFinanceira
        = AddHeadline(u"LabelIntegracaoApiFinanceira", u"INTEGRACAO_API_FINANCEIRA");
    AddField(LabelTitleCodigoClienteIntegracaoApi,
             LabelCodigoClienteIntegracaoApi,
             { u"CodigoClienteIntegracaoApi",
               u"Código do Cliente:",
               184,
               310,
               40,
               u"CODIGO_CLIENTE_INTEGRACAO_API" });
    AddField(LabelTitleDataInicial,
             LabelDataInicial,
             { u"DataInicial", u"Data Inicial:", 184, 270, 62, u"DATA_INICIAL" });
    AddField(LabelTitleDataFinal, LabelDataFinal, { u"DataFinal", u"Data Final:", 380, 460, 62 });
    AddField(LabelTitleMotivo, LabelMotivo, { u"Motivo", u"Motivo:", 184, 240, 84 });
    // Two more lines of values than the base row holds.
    setSize(width(), 110);
    SetupLabels();
}

void TPessoaIntegracaoApiFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const TField *dataFinal = ADataSet.FieldByName(QStringLiteral("DATA_FINAL"));
    LabelDataFinal->setText(dataFinal->AsDateTime().Value() != 0 ? dataFinal->DisplayText()
                                                                 : QStringLiteral("Sem Data"));
    const QString motivo = ADataSet.FieldByName(QStringLiteral("MOTIVO"))->AsString();
    LabelMotivo->setText(motivo.isEmpty() ? QStringLiteral("Sem Motivo") : motivo);
}
