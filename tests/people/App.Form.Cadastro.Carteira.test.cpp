#include "App.Form.Cadastro.Carteira.h"

#include "App.Adapter.Frame.BairroCarteira.h"
#include "App.Adapter.Frame.Carteira.h"
#include "App.Adapter.Frame.ColaboradorCarteira.h"
#include "App.Form.SubCadastro.BairroCarteira.h"
#include "App.Form.SubCadastro.ColaboradorCarteira.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.BairroCarteira.h"
#include "App.Presenter.Carteira.h"
#include "App.Presenter.ColaboradorCarteira.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Carteira, PresenterContract, TCarteiraPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ColaboradorCarteira,
                               PresenterContract,
                               TColaboradorCarteiraPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(BairroCarteira, PresenterContract, TBairroCarteiraPresenter);

// The seed holds portfolio 650 ("CARTEIRA CENTRO") collected by CARLOS EDUARDO LIMA (row 650)
// and covering BELA VISTA (row 650) and JARDIM PAULISTA (row 651, ended); portfolio 651 has an
// active outside collector. Reasons 650 and 651 are of the types "05" and "02".
class FormCadastroCarteiraTest
    : public RegistrationWindowFixture<TFormCadastroCarteira, TCarteiraFrameAdapter>
{
protected:
    FormCadastroCarteiraTest()
        : RegistrationWindowFixture("TFormCadastroCarteira", "/carteira/complex")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        bairros = form->FormBairroCarteira;
        cobradores = form->FormColaboradorCarteira;
    }

    void showGrupo(const QString &AText)
    {
        for (const auto &button : form->ListMenuGrupo())
            if (button->Text() == AText) {
                button->Click();
                waitIdle();
                return;
            }
        FAIL() << "no group " << AText.toStdString();
    }
    template<class TRow>
    TRow *rowOf(TFormBaseSubCadastro *ASub, TLabel *TRow::*ALabel, const QString &AText) const
    {
        FlushDeletes();
        for (auto *row : ASub->VertScrollBoxDados->content()->findChildren<TRow *>())
            if (!row->isHidden() && (row->*ALabel)->text() == AText)
                return row;
        return nullptr;
    }
    static void choose(TEdit *AEdit, const QString &AId)
    {
        AEdit->clear();
        typeText(AEdit, AId);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    void openCarteira650()
    {
        form->SetIdRegistro(650);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditDescricao->text(), QStringLiteral("CARTEIRA CENTRO"));
    }

    TFormSubCadastroBairroCarteira *bairros = nullptr;
    TFormSubCadastroColaboradorCarteira *cobradores = nullptr;
};

TEST_F(FormCadastroCarteiraTest, ListShowsTheResponsibleCollectorAndTheOutsideCollectorFlag)
{
    search();
    auto *centro
        = frameOf(&TCarteiraFrameAdapter::LabelDescricao, QStringLiteral("CARTEIRA CENTRO"));
    auto *sul
        = frameOf(&TCarteiraFrameAdapter::LabelDescricao, QStringLiteral("CARTEIRA ZONA SUL"));
    ASSERT_TRUE(centro && sul);
    EXPECT_EQ(centro->LabelTitleColaborador->text(), QStringLiteral("Responsável Carteira:"));
    EXPECT_EQ(centro->LabelColaborador->text(), QStringLiteral("CARLOS EDUARDO LIMA"));
    EXPECT_EQ(centro->LabelTitleIsCobradorExternoAtivo->text(),
              QStringLiteral("Cobrador Externo Ativo:"));
    EXPECT_EQ(centro->LabelIsCobradorExternoAtivo->text(), QStringLiteral("Não"));
    EXPECT_EQ(sul->LabelIsCobradorExternoAtivo->text(), QStringLiteral("Sim"));
}

TEST_F(FormCadastroCarteiraTest, PortfolioIsSavedWithBothHistoriesAndTheirRemovedRows)
{
    openCarteira650();
    for (const char *path :
         { "/bairro-carteira/carteira/650", "/colaborador-carteira/carteira/650" }) {
        const auto leitura = demo.backend().last("GET", path);
        ASSERT_TRUE(leitura) << path;
        EXPECT_EQ(leitura->param("limit"), "100") << path;
    }
    showGrupo(QStringLiteral("Bairros"));
    auto *jardim = rowOf(
        bairros, &TBairroCarteiraFrameAdapter::LabelBairro, QStringLiteral("JARDIM PAULISTA"));
    ASSERT_TRUE(jardim);
    EXPECT_EQ(jardim->LabelDataFinal->text(), QStringLiteral("30/06/2023"));
    EXPECT_EQ(jardim->LabelMotivo->text(), QStringLiteral("BAIRRO REDISTRIBUÍDO"));

    // A stored neighbourhood removed; a new one shows its town and state and its reason at once.
    dialogs.answerQuestion(kYes);
    rowOf(bairros, &TBairroCarteiraFrameAdapter::LabelBairro, QStringLiteral("BELA VISTA"))
        ->SpeedButtonRemove->click();
    waitIdle();
    bairros->SpeedButtonNovo->click();
    choose(bairros->EditBairro, QStringLiteral("3"));
    EXPECT_EQ(bairros->EditBairro->text(), QStringLiteral("CAMBUÍ"));
    const QString municipio = bairros->EditMunicipio->text();
    EXPECT_FALSE(municipio.isEmpty());
    EXPECT_FALSE(bairros->EditMunicipio->isEnabled());
    bairros->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 2, 3)));
    choose(bairros->EditMotivo, QStringLiteral("651"));
    const auto motivoBairro = demo.backend().last("GET", "/motivo/pesquisa/651");
    ASSERT_TRUE(motivoBairro);
    EXPECT_EQ(motivoBairro->param("fix-filter"), "02");
    dialogs.clearMessages();
    bairros->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    auto *cambui
        = rowOf(bairros, &TBairroCarteiraFrameAdapter::LabelBairro, QStringLiteral("CAMBUÍ"));
    ASSERT_TRUE(cambui);
    EXPECT_EQ(cambui->LabelMunicipioUf->text(),
              municipio + QStringLiteral(" - ") + bairros->EditUf->text());
    EXPECT_TRUE(cambui->LabelMunicipioUf->text().endsWith(QStringLiteral(" - SP")));
    EXPECT_EQ(cambui->LabelMotivo->text(), QStringLiteral("BAIRRO REDISTRIBUÍDO"));

    // The stored collector ends with a reason of the collector type.
    showGrupo(QStringLiteral("Colaborador"));
    cobradores->SpeedButtonNovo->click();
    choose(cobradores->EditColaborador, QStringLiteral("500"));
    cobradores->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 2, 3)));
    choose(cobradores->EditMotivo, QStringLiteral("650"));
    const auto motivoCobrador = demo.backend().last("GET", "/motivo/pesquisa/650");
    ASSERT_TRUE(motivoCobrador);
    EXPECT_EQ(motivoCobrador->param("fix-filter"), "05");
    cobradores->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_TRUE(rowOf(cobradores,
                      &TColaboradorCarteiraFrameAdapter::LabelMotivo,
                      QStringLiteral("COBRADOR REMANEJADO")));

    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("CARTEIRA CENTRO"));
    EXPECT_EQ(body.value("previsaoCalculoFinanceiro").toInt(), 5);
    EXPECT_EQ(listOf(body, "removeBairroCarteiras"), QJsonArray { 650 });
    EXPECT_EQ(listOf(body, "removeColaboradorCarteiras"), QJsonArray {});
    const auto ids = [](const QJsonArray &ARows, const char *AChild) {
        QList<qint64> list;
        for (const QJsonValue &value : ARows) {
            EXPECT_EQ(value.toObject().value("idCarteira").toInteger(), 0)
                << AChild << ": the portfolio is the parent in the body";
            list << value.toObject().value("id").toInteger();
        }
        return list;
    };
    EXPECT_EQ(ids(listOf(body, "bairroCarteiras"), "bairro"), (QList<qint64> { 651, 0 }));
    EXPECT_EQ(ids(listOf(body, "colaboradorCarteiras"), "colaborador"), (QList<qint64> { 650, 0 }));
    const QJsonObject novoBairro = listOf(body, "bairroCarteiras")[1].toObject();
    EXPECT_EQ(novoBairro.value("idBairro").toInteger(), 3);
    EXPECT_EQ(novoBairro.value("idMotivo").toInteger(), 651);
    EXPECT_FALSE(novoBairro.contains("municipio")) << "town and state are not saved";
}

TEST_F(FormCadastroCarteiraTest, ForecastTakesTwoCharactersAndRemovedCollectorIsSent)
{
    form->SpeedButtonNovo->click();
    typeText(form->EditDescricao, QStringLiteral("carteira norte"));
    typeText(form->EditPrevisaoCalculoFinanceiro, QStringLiteral("123"));
    EXPECT_EQ(form->EditPrevisaoCalculoFinanceiro->text(), QStringLiteral("12"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("CARTEIRA NORTE"));
    EXPECT_EQ(body.value("previsaoCalculoFinanceiro").toInt(), 12);
    for (const char *list : { "colaboradorCarteiras",
                              "removeColaboradorCarteiras",
                              "bairroCarteiras",
                              "removeBairroCarteiras" })
        EXPECT_TRUE(body.contains(QLatin1String(list)) && listOf(body, list).isEmpty())
            << list << " is sent, empty";

    openCarteira650();
    showGrupo(QStringLiteral("Colaborador"));
    dialogs.answerQuestion(kYes);
    rowOf(cobradores,
          &TColaboradorCarteiraFrameAdapter::LabelColaborador,
          QStringLiteral("CARLOS EDUARDO LIMA"))
        ->SpeedButtonRemove->click();
    waitIdle();
    form->SpeedButtonSalvar->click();
    waitIdle();
    const QJsonObject removed = lastPost();
    EXPECT_EQ(listOf(removed, "removeColaboradorCarteiras"), QJsonArray { 650 });
    EXPECT_TRUE(listOf(removed, "colaboradorCarteiras").isEmpty());
    EXPECT_TRUE(listOf(removed, "removeBairroCarteiras").isEmpty());
}

// The lookup's extra text names town and state; a shorter one names neither instead of failing.
TEST_F(FormCadastroCarteiraTest, NeighbourhoodWithoutTownAndStateInfoSavesWithBothEmpty)
{
    form->SpeedButtonNovo->click();
    showGrupo(QStringLiteral("Bairros"));
    bairros->SpeedButtonNovo->click();
    choose(bairros->EditBairro, QStringLiteral("3"));
    bairros->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 2, 3)));
    bairros->PresenterSubCadastro()->FindItemControl(QStringLiteral("EditBairro"))->OtherInfo
        = QStringLiteral("CAMPINAS");
    dialogs.clearMessages();
    bairros->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    auto *cambui
        = rowOf(bairros, &TBairroCarteiraFrameAdapter::LabelBairro, QStringLiteral("CAMBUÍ"));
    ASSERT_TRUE(cambui);
    EXPECT_EQ(cambui->LabelMunicipioUf->text(), QStringLiteral(" - "));
}

} // namespace
