#include "App.Form.Cadastro.ReciboAvulso.h"

#include "App.Adapter.Frame.ReciboAvulso.h"
#include "App.Base.Form.h"
#include "App.Interf.Form.CobrancaFilterReport.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Presenter.ReciboAvulso.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.Empresa.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "App.Lib.Button.h"
#include "Align.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// The report filter of the billing report window, as much of it as the receipt fills.
class TCobrancaFilterTesteClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TCobrancaFilterTesteClass)

    QString IdReciboAvulso;
};
BOOST_DESCRIBE_STRUCT(TCobrancaFilterTesteClass, (TBaseFilterClass), (IdReciboAvulso))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TCobrancaFilterTesteClass)

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(ReciboAvulso, PresenterContract, TReciboAvulsoPresenter);

// What the stand-in billing report window was asked to print.
struct TImpressao
{
    QString Resource;
    QString IdReciboAvulso;
};

std::vector<TImpressao> &impressoes()
{
    static std::vector<TImpressao> printed;
    return printed;
}

// The billing report window as a test registers it under its class name: it records each print.
class TFormCobrancaFilterReportTeste final : public TFormBase, public IFormCobrancaFilterReport
{
public:
    explicit TFormCobrancaFilterReportTeste(QWidget *AParent)
        : TFormBase(QStringLiteral("TFormCobrancaFilterReport"), AParent)
    { }
    bool IgnorePermission() override { return true; }
    TBaseFilterClass &ReportFilter() override { return m_filter; }
    void PrintReportByResource(const QString &AResource) override
    {
        impressoes().push_back({ AResource, m_filter.IdReciboAvulso });
    }

private:
    TCobrancaFilterTesteClass m_filter;
};

class FormCadastroReciboAvulsoTest
    : public RegistrationWindowFixture<TFormCadastroReciboAvulso, TReciboAvulsoFrameAdapter>
{
protected:
    FormCadastroReciboAvulsoTest()
        : RegistrationWindowFixture("TFormCadastroReciboAvulso", "/recibo-avulso")
    { }

    void SetUp() override
    {
        impressoes().clear();
        // The company chosen at login, before the window fixes its proposals.
        TApplicationZunta::GetInstance().EmpresaLogado().Id = m_idEmpresa;
        RegistrationWindowFixture::SetUp();
    }
    void TearDown() override
    {
        RegistrationWindowFixture::TearDown();
        impressoes().clear();
    }

    // The billing report window, registered for as long as the returned object lives.
    static TClassRegistration registerReportWindow()
    {
        return TClassRegistration(QStringLiteral("TFormCobrancaFilterReport"), reportWindow());
    }
    static TFormFactory reportWindow()
    {
        return [](QWidget *AParent) -> TFormBase * {
            return TFormBase::Create<TFormCobrancaFilterReportTeste>(AParent);
        };
    }
    static void choose(TEdit *AEdit, const QString &AText)
    {
        typeText(AEdit, AText);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    // A new receipt of 150,00 for JOAO, saved with the proposed date, company and town; the
    // print question is answered as given.
    void saveReceipt(int AAnswer)
    {
        form->SpeedButtonNovo->click();
        waitIdle();
        choose(form->EditPessoa, QStringLiteral("1057"));
        typeText(form->EditValor, QStringLiteral("150,00"));
        typeText(form->MemoDescricao, QStringLiteral("ajuda de custo"));
        dialogs.answerQuestion(AAnswer);
        form->SpeedButtonSalvar->click();
        waitIdle();
    }

    qint64 m_idEmpresa = 1;
};

TEST_F(FormCadastroReciboAvulsoTest, SavedReceiptIsPrintedWhenAskedAndListedWithPersonAndValue)
{
    const TClassRegistration report = registerReportWindow();
    saveReceipt(kYes);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kSuccess,
                             QStringLiteral("QUESTION:Deseja imprimir o recibo avulso gerado?") }));
    ASSERT_EQ(demo.backend().count("POST", "/recibo-avulso"), 1u);
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("idPessoa")).toInteger(), 1057);
    EXPECT_EQ(body.value(QStringLiteral("idEmpresa")).toInteger(), 1);
    EXPECT_EQ(body.value(QStringLiteral("idMunicipio")).toInteger(), 1);
    // No type chosen: the receipt travels without one.
    EXPECT_EQ(body.value(QStringLiteral("listaTipoRecibo")).toInteger(-1), 0);
    EXPECT_DOUBLE_EQ(body.value(QStringLiteral("valor")).toDouble(), 150.0);
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QStringLiteral("AJUDA DE CUSTO"));

    search();
    TReciboAvulsoFrameAdapter *row
        = frameOf(&TReciboAvulsoFrameAdapter::LabelPessoa, QStringLiteral("JOAO --- 150,00"));
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->SpeedButtonEdit->isHidden());
    const QString id = row->TagString;
    EXPECT_GT(id.toLongLong(), 0);
    ASSERT_EQ(impressoes().size(), 1u);
    EXPECT_EQ(impressoes().front().Resource, QStringLiteral("recibo-avulso"));
    EXPECT_EQ(impressoes().front().IdReciboAvulso, id + u'#' + id);

    // Printed again later from the row's side menu.
    row->SpeedButtonMenuLateral->click();
    waitIdle();
    TFormMenuPrint *menu = nullptr;
    for (QWidget *widget : QApplication::allWidgets())
        if (auto *found = dynamic_cast<TFormMenuPrint *>(widget))
            menu = found;
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Buttons().size(), 1);
    TSimpleButton *impressao = menu->Buttons().front();
    EXPECT_EQ(impressao->Text(), QStringLiteral("Impressão"));
    RealignAll(impressao->Layout()->window());
    clickAt(impressao->Rectangle(), impressao->Rectangle()->rect().center());
    waitIdle();
    ASSERT_EQ(impressoes().size(), 2u);
    EXPECT_EQ(impressoes().back().IdReciboAvulso, id + u'#' + id);
}

// The receipt is saved whatever becomes of the print: declined, or no report window to print it.
TEST_F(FormCadastroReciboAvulsoTest, ReceiptStaysSavedWhenThePrintIsDeclinedOrUnavailable)
{
    struct Case
    {
        int Answer;
        bool Registered;
        QString Message;
    };
    const Case cases[] = {
        { kNo, true, {} },
        { kYes,
          false,
          QStringLiteral("WARNING:O formulário TFormCobrancaFilterReport não está disponível.") },
    };
    std::size_t saved = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Registered ? "declined" : "unregistered");
        std::optional<TClassRegistration> report;
        if (c.Registered)
            report.emplace(QStringLiteral("TFormCobrancaFilterReport"), reportWindow());
        dialogs.clearMessages();
        saveReceipt(c.Answer);
        EXPECT_EQ(demo.backend().count("POST", "/recibo-avulso"), ++saved);
        QStringList expected { kSuccess,
                               QStringLiteral("QUESTION:Deseja imprimir o recibo avulso gerado?") };
        if (!c.Message.isEmpty())
            expected << c.Message;
        EXPECT_EQ(dialogs.messageTexts(), expected);
        EXPECT_TRUE(impressoes().empty());
    }
}

class ReciboAvulsoPropostaTest
    : public FormCadastroReciboAvulsoTest
    , public ::testing::WithParamInterface<qint64>
{
protected:
    ReciboAvulsoPropostaTest() { m_idEmpresa = GetParam(); }
};

// A new receipt proposes the company chosen at login and that company's town, both chosen
// records; without a company it proposes neither and does not ask for a town.
TEST_P(ReciboAvulsoPropostaTest, NewReceiptProposesTheLoggedCompanyAndItsTown)
{
    form->SpeedButtonNovo->click();
    waitIdle();
    const bool empresa = GetParam() != 0;
    EXPECT_EQ(demo.backend().count("GET", "/municipio/empresa/1"), empresa ? 1u : 0u);
    EXPECT_EQ(form->EditEmpresa->text(),
              empresa ? QStringLiteral("FUNERÁRIA SÃO JOSÉ") : QString());
    EXPECT_EQ(form->EditMunicipio->text(), empresa ? QStringLiteral("SÃO PAULO") : QString());
    EXPECT_FALSE(form->DateEditData->isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Empresa, ReciboAvulsoPropostaTest, ::testing::Values(1, 0));

} // namespace
