#include "App.Adapter.Frame.BeneficiarioDependenteContrato.h"

TBeneficiarioDependenteContratoFrameAdapter::TBeneficiarioDependenteContratoFrameAdapter(
    QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelPessoa = AddHeadline(u"LabelPessoa", u"PESSOA");
    AddField(LabelTitleParentesco,
             LabelParentesco,
             { u"Parentesco", u"Parentesco:", 184, 258, 42, u"PARENTESCO" });
    AddField(LabelTitlePercentualParticipacao,
             LabelPercentualParticipacao,
             { u"PercentualParticipacao",
               u"% Participação:",
               420,
               520,
               42,
               u"PERCENTUAL_PARTICIPACAO" });
    AddField(LabelTitleDataInicial,
             LabelDataInicial,
             { u"DataInicial", u"Data Início:", 184, 258, 62, u"DATA_INICIAL" });
    AddField(LabelTitleDataFinal,
             LabelDataFinal,
             { u"DataFinal", u"Data Encerramento:", 420, 545, 62, u"DATA_FINAL" });
    // A line of dates below the base row's two lines.
    setSize(width(), 88);
    SetupLabels();
}
