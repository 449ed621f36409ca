#include "App.Base.Adapter.ServicoAdicional.h"

#include "App.Lib.ServicoAdicional.h"

#include "Label.h"
#include "MemTable.h"

TFrameBaseAdapterServicoAdicional::TFrameBaseAdapterServicoAdicional(
    QWidget *AOwner, const QString &name, QStringView ATitlePrimeiroVencimento)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelServico = AddHeadline(u"LabelServico", u"SERVICO");
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor Base:", 184, 290, 42, u"VALOR" });
    AddField(LabelTitleIndice, LabelIndice, { u"Indice", u"Índice:", 420, 560, 42, u"INDICE" });
    AddField(LabelTitleParcelas,
             LabelParcelas,
             { u"Parcelas", u"Parcelas:", 660, 760, 42, u"PARCELAS" });
    AddField(LabelTitleData, LabelData, { u"Data", u"Data Vigência:", 184, 290, 62, u"DATA" });
    AddField(LabelTitlePrimeiroVencimento,
             LabelPrimeiroVencimento,
             { u"PrimeiroVencimento",
               ATitlePrimeiroVencimento,
               420,
               560,
               62,
               u"PRIMEIRO_VENCIMENTO" });
    AddField(LabelTitleUtilizacao,
             LabelUtilizacao,
             { u"Utilizacao", u"Utilização:", 660, 760, 62, u"UTILIZACAO" });
    AddField(LabelTitleTipoUtilizacao,
             LabelTipoUtilizacao,
             { u"TipoUtilizacao", u"Tipo Utilização:", 184, 290, 82, u"TIPO_UTILIZACAO" });
    AddField(LabelTitleValorServico,
             LabelValorServico,
             { u"ValorServico", u"Valor Serviço:", 420, 560, 82 });
    setSize(width(), NextLineY + 26);
    SetupLabels();
}

void TFrameBaseAdapterServicoAdicional::SetProcTotalizadorContrato(std::function<void()> AValue)
{
    if (AValue)
        FProcTotalizadorContrato = std::move(AValue);
}

void TFrameBaseAdapterServicoAdicional::SpeedButtonRemoveClick()
{
    // The procedure is kept before the removal: the removal rebuilds the list and this row goes.
    const std::function<void()> totalizador = FProcTotalizadorContrato;
    TFrameBaseAdapterCadastro::SpeedButtonRemoveClick();
    if (totalizador)
        totalizador();
}

void TFrameBaseAdapterServicoAdicional::fillRow(const TMemTable &ADataSet)
{
    LabelValorServico->setText(ServicoAdicional::ValorServicoText(
        ADataSet.FieldByName(QStringLiteral("VALOR"))->AsFloat(),
        ADataSet.FieldByName(QStringLiteral("INDICE"))->AsFloat()));
}
