#include "App.View.EstornoSemFinanceiro.h"

#include "App.Adapter.Frame.EstornoSemFinanceiro.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Theme.h"
#include "App.Presenter.EstornoMovimentacaoFinanceira.h"
#include "App.View.Sub.EstornoMovimentacaoFinanceira.h"
#include "Common.Lib.Utils.h"

#include "Label.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QDate>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FormViewEstornoSemFinanceiroTest
    : public RegistrationWindowFixture<TFormViewEstornoSemFinanceiro, TEstornoSemFinanceiroFrameAdapter>
{
protected:
    FormViewEstornoSemFinanceiroTest()
        : RegistrationWindowFixture("TFormViewEstornoSemFinanceiro",
                                    "/estorno-movimentacao-financeira/complex")
    { }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        m_watch.stop();
        RegistrationWindowFixture::TearDown();
    }
    TEstornoSemFinanceiroFrameAdapter *rowOf(const QString &ADocumento) const
    {
        return frameOf(&TEstornoSemFinanceiroFrameAdapter::LabelDocumento, ADocumento);
    }
    QTimer m_watch;
};

// The seed: 2001 bonified, 2002 cancelled, 2003 a payable both cancelled and bonified; the
// default period is the current month.
TEST_F(FormViewEstornoSemFinanceiroTest, ListsTheMonthAndNamesCancellationBeforeBonus)
{
    search();

    const auto request = demo.backend().last("GET", "/estorno-sem-financeiro");
    ASSERT_TRUE(request);
    const QJsonObject filtro
        = QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object();
    const QDate hoje = QDate::currentDate();
    EXPECT_TRUE(filtro.value("dataInicial").toString().startsWith(
        QDate(hoje.year(), hoje.month(), 1).toString(QStringLiteral("MM-dd-yyyy"))))
        << filtro.value("dataInicial").toString().toStdString();
    EXPECT_TRUE(filtro.value("dataFinal").toString().startsWith(
        QDate(hoje.year(), hoje.month(), hoje.daysInMonth()).toString(QStringLiteral("MM-dd-yyyy"))))
        << filtro.value("dataFinal").toString().toStdString();
    EXPECT_EQ(filtro.value("idConta").toString(), QString());

    ASSERT_EQ(frames().size(), 3);
    const auto marca = [this](const char *ADocumento) {
        const TEstornoSemFinanceiroFrameAdapter *row = rowOf(QString::fromLatin1(ADocumento));
        if (!row)
            return QStringLiteral("(no row)");
        return row->LabelIsCancelada->isHidden()
            ? QStringLiteral("(hidden)")
            : row->LabelTitleIsCancelada->text() + u' ' + row->LabelIsCancelada->text();
    };
    EXPECT_EQ(marca("BOL 2001"), QStringLiteral("Bonificada? Sim"));
    EXPECT_EQ(marca("BOL 2002"), QStringLiteral("Cancelada? Sim"));
    EXPECT_EQ(marca("BOL 2003"), QStringLiteral("Cancelada? Sim"));

    const TEstornoSemFinanceiroFrameAdapter *despesa = rowOf(QStringLiteral("BOL 2003"));
    EXPECT_EQ(despesa->LabelValorBaixado->text(), QStringLiteral("120,00"));
    EXPECT_EQ(despesa->LabelValorBaixado->fontColor(),
              TThemeApp::Instance().ColorFinanceiro().TipoDespesa);
    EXPECT_EQ(despesa->LabelNumeroContrato->text(), QStringLiteral("0"));
    EXPECT_EQ(rowOf(QStringLiteral("BOL 2001"))->LabelParcela->text(), QStringLiteral("0000000004/012"));
}

TEST_F(FormViewEstornoSemFinanceiroTest, RowWithoutCancellationOrBonusHidesTheMark)
{
    demo.backend().on("GET",
                      "/estorno-sem-financeiro",
                      FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":5,)"
                                      R"("siglaTipoDocumento":"BOL","numeroDocumento":"7",)"
                                      R"("codigoTipoTitulo":"R"}]})"));
    search();
    ASSERT_EQ(frames().size(), 1);
    EXPECT_TRUE(frames().first()->LabelIsCancelada->isHidden());
    EXPECT_TRUE(frames().first()->LabelTitleIsCancelada->isHidden());
}

// No payment-line question: the dialog opens at once; the reversed movement leaves the list.
TEST_F(FormViewEstornoSemFinanceiroTest, ReversalGoesStraightToTheDialogAndReloads)
{
    search();
    dialogs.answerQuestion(kYes);
    QObject::connect(&m_watch, &QTimer::timeout, [this] {
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *dialog = dynamic_cast<TFormSubViewEstornoMovimentacaoFinanceira *>(widget);
                dialog && dialog->LayoutBackground && dialog->LayoutBackground->isVisible()) {
                m_watch.stop();
                dialog->Presenter()
                    ->FindItemControl(QStringLiteral("EditMotivo"))
                    ->SetValueControl(QStringLiteral("2"));
                typeText(dialog->MemoObservacao, QStringLiteral("bonus indevido"));
                dialog->RectangleEstornar->OnClick(dialog->RectangleEstornar);
                return;
            }
    });
    m_watch.start(10);

    rowOf(QStringLiteral("BOL 2001"))->SpeedButtonEstornar->click();
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { QStringLiteral(
                                 "QUESTION:Confirma gerar o(s) estorno(s) da(s) movimentação(ões)?"),
                             kSuccess }));
    EXPECT_FALSE(demo.backend().last("GET", "/movimentacao-financeira/movimentacao-forma-baixa/1260"));
    EXPECT_EQ(lastPost().value("idMovimentacaoFinanceira").toInteger(), 1260);
    EXPECT_EQ(frames().size(), 2);
    EXPECT_EQ(rowOf(QStringLiteral("BOL 2001")), nullptr);
}

} // namespace
