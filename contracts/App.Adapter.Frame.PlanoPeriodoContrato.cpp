#include "App.Adapter.Frame.PlanoPeriodoContrato.h"

#include "SpeedButton.h"

TPlanoPeriodoContratoFrameAdapter::TPlanoPeriodoContratoFrameAdapter(QWidget *AOwner,
                                                                     const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelPlano = AddHeadline(u"LabelPlano", u"PLANO");
    AddField(LabelTitleValorPlano,
             LabelValorPlano,
             { u"ValorPlano", u"Valor Plano:", 184, 270, 42, u"VALOR_PLANO" });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"Valor Parcela:", 380, 475, 42, u"VALOR_PARCELA" });
    AddField(
        LabelTitlePrimeiroVencimento,
        LabelPrimeiroVencimento,
        { u"PrimeiroVencimento", u"Primeiro Vencimento:", 184, 320, 62, u"PRIMEIRO_VENCIMENTO" });
    AddField(LabelTitleParcelaInicial,
             LabelParcelaInicial,
             { u"ParcelaInicial", u"Parcela Inicial:", 420, 525, 62, u"PARCELA_INICIAL" });
    AddField(LabelTitleDataFinal,
             LabelDataFinal,
             { u"DataFinal", u"Data Final:", 184, 262, 82, u"DATA_FINAL" });
    AddField(LabelTitleVendedor,
             LabelVendedor,
             { u"Vendedor", u"Vendedor:", 380, 450, 82, u"VENDEDOR" });
    SpeedButtonMenuLateral = AddButton(QStringLiteral("SpeedButtonMenuLateral"),
                                       QStringLiteral("infotoolbutton"),
                                       [this] { SpeedButtonMenuLateralClick(); });
    LayoutButtons->setWidth(LayoutButtons->width() + 34);
    SpeedButtonRemove->OnClick = [this](QObject *) { SpeedButtonRemovePlanoClick(); };
    setSize(width(), 104);
    SetupLabels();
}

void TPlanoPeriodoContratoFrameAdapter::SetProcTotalizadorContrato(std::function<void()> AValue)
{
    if (AValue)
        m_procTotalizadorContrato = std::move(AValue);
}

void TPlanoPeriodoContratoFrameAdapter::SpeedButtonMenuLateralClick()
{
    if (ProcMenuLateral)
        ProcMenuLateral(this);
}

void TPlanoPeriodoContratoFrameAdapter::SpeedButtonRemovePlanoClick()
{
    // The removal frees the row (the list is rebuilt), so the procedure is kept first.
    const std::function<void()> totalizador = m_procTotalizadorContrato;
    SpeedButtonRemoveClick();
    if (totalizador)
        totalizador();
}
