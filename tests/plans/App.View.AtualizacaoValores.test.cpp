#include "App.View.AtualizacaoValores.Planos.h"
#include "App.View.AtualizacaoValores.Servicos.h"

#include "App.Adapter.Frame.AtualizacaoValores.Planos.h"
#include "App.Adapter.Frame.AtualizacaoValores.Servicos.h"
#include "App.Lib.AtualizacaoValores.Calculo.h"
#include "App.Presenter.AtualizacaoValores.h"

#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Utils.h"

#include "AniIndicator.h"
#include "CheckBox.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Events.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitIdle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString kConfirmaAtualizacao
    = QStringLiteral("QUESTION:Confirma gerar a atualização dos valores?");
const QString kNaoListados
    = QStringLiteral("QUESTION:Deseja atualizar os valores dos registros não listados?");
const QString kNaoSalvos
    = QStringLiteral("WARNING:Para prosseguir é necessário que todos registros estejam salvos.");
const QString kNaoLocalizadas = QStringLiteral("WARNING:Informações não localizadas.");
const QString kAvisoCartao = QStringLiteral(
    "WARNING:Caso haja assinatura de cartão de crédito vinculada, somente serão afetadas "
    "mensalidades futuras.\r\nAtualização de parcelas vencidas só serão alteradas no sistema, "
    "não sendo possível atualizar na API financeira.\r\n\r\nATENÇÃO: ESSE PROCESSO PODE DEMORAR "
    "UM POUCO.");
const char *const kPostPlanos = "/atualizacao-valores/planos";

// A bulk price update window opened from the menu by its class name and docked, for the demo
// user on the stand-in back end served from the repository's seed (plans 700, 701 and 702 with
// their latest prices; services with their values).
template<class TForm, class TRow>
class AtualizacaoValoresWindowTest : public ::testing::Test
{
protected:
    explicit AtualizacaoValoresWindowTest(const char *AFormClass)
        : m_formClass(QString::fromLatin1(AFormClass))
    { }

    void SetUp() override
    {
        // A failure of a click is shown as the program shows it.
        m_previousHandler = SetApplicationExceptionHandler(
            [](std::exception_ptr failure) { TDravikHandleException::Handle(failure); });
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        principal.reset(TFormBase::Create<TFormPrincipalTeste>());
        principal->Install();
        principal->show();
        TApplicationZunta &application = TApplicationZunta::GetInstance();
        application.OpenForm(nullptr, m_formClass);
        form = dynamic_cast<TForm *>(application.FormOpened(m_formClass));
        ASSERT_NE(form, nullptr) << m_formClass.toStdString() << " did not open";
    }
    void TearDown() override
    {
        waitIdle();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
        principal.reset();
        SetApplicationExceptionHandler(m_previousHandler);
    }

    TItemControl &item(QWidget *AControl) const
    {
        TItemControl *found = form->Presenter().FindItemControl(AControl->objectName());
        EXPECT_NE(found, nullptr) << AControl->objectName().toStdString();
        return *found;
    }
    // Chooses the record in the lookup edit, as picking it in the lookup's list does.
    void escolher(std::int64_t AId)
    {
        item(form->EditDescricao).SetValueControl(QString::number(AId));
        waitIdle();
    }
    void globais(const QString &APercentual, TDateTime AVigencia)
    {
        item(form->EditPercentual).SetValueControl(APercentual);
        if (AVigencia == 0)
            form->DateEditNovaVigencia->setIsEmpty(true);
        else
            form->DateEditNovaVigencia->setDate(AVigencia);
    }
    QList<TRow *> frames() const
    {
        FlushDeletes();
        QList<TRow *> rows;
        for (TRow *row : form->VertScrollBoxDados->template findChildren<TRow *>())
            if (!row->isHidden())
                rows << row;
        return rows;
    }
    TRow *frameOf(const QString &ADescricao) const
    {
        for (TRow *row : frames())
            if (row->LabelDescricao->text() == ADescricao)
                return row;
        return nullptr;
    }
    void salvarTodas()
    {
        for (TRow *row : frames())
            if (row->EmEdicao)
                row->SpeedButtonGravar->click();
    }
    int linhas() const { return form->Presenter().DataSetInfo().RecordCount(); }
    void atualizar()
    {
        form->RectangleAtualizar->click();
        waitIdle();
    }
    QJsonArray enviados(const char *APath)
    {
        const auto post = demo.backend().last("POST", APath);
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body))
                          .object()
                          .value(QStringLiteral("listHelper"))
                          .toArray()
                    : QJsonArray();
    }

    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormPrincipalTeste> principal;
    TForm *form = nullptr;

private:
    QString m_formClass;
    TApplicationExceptionHandler m_previousHandler;
};

class FormViewAtualizacaoValoresPlanosTest
    : public AtualizacaoValoresWindowTest<TFormViewAtualizacaoValoresPlanos,
                                          TPlanosAtualizacaoValoresFrameAdapter>
{
protected:
    FormViewAtualizacaoValoresPlanosTest()
        : AtualizacaoValoresWindowTest("TFormViewAtualizacaoValoresPlanos")
    { }
};

class FormViewAtualizacaoValoresServicosTest
    : public AtualizacaoValoresWindowTest<TFormViewAtualizacaoValoresServicos,
                                          TServicosAtualizacaoValoresFrameAdapter>
{
protected:
    FormViewAtualizacaoValoresServicosTest()
        : AtualizacaoValoresWindowTest("TFormViewAtualizacaoValoresServicos")
    { }
};

// The global values are what a row starts with when it is added; rows already listed keep theirs.
TEST_F(FormViewAtualizacaoValoresPlanosTest, GlobalValuesApplyToRowsAddedAfterwardsOnly)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("ATUALIZAÇÃO DE VALORES DE PLANOS"));
    // The window opens on 0 % from today.
    EXPECT_EQ(form->DateEditNovaVigencia->date(), Date());
    EXPECT_EQ(TAtualizacaoValoresLerValor(form->EditPercentual->text()), 0.0);
    EXPECT_FALSE(form->CheckBoxAtualizarParcelasFuturas->isChecked());
    globais(QStringLiteral("0"), EncodeDate(2027, 1, 1));
    escolher(700);
    ASSERT_EQ(frames().size(), 1);
    TPlanosAtualizacaoValoresFrameAdapter *ouro = frameOf(QStringLiteral("PLANO FAMILIAR OURO"));
    ASSERT_NE(ouro, nullptr);
    // With 0 % the new values are the current ones.
    EXPECT_EQ(ouro->EditValorAtual->text(), QStringLiteral("79,90"));
    EXPECT_EQ(ouro->EditNovoValor->text(), QStringLiteral("79,90"));
    EXPECT_EQ(ouro->EditPercentual->text(), QStringLiteral("0,00"));
    EXPECT_EQ(ouro->EditNovoValorPlano->text(), QStringLiteral("150,00"));
    EXPECT_EQ(ouro->DateEditVigenciaNova->date(), EncodeDate(2027, 1, 1));
    EXPECT_TRUE(ouro->EditNovoValor->isEnabled());
    // What the clerk typed into a row still in edit survives the rows being built again.
    ouro->EditNovoValor->setText(QStringLiteral("85,00"));

    globais(QStringLiteral("10"), EncodeDate(2027, 2, 1));
    form->EditPercentualValorPlano->setText(QStringLiteral("5"));
    form->CheckBoxAtualizarParcelasFuturas->setChecked(true);
    escolher(701);
    ASSERT_EQ(frames().size(), 2);
    TPlanosAtualizacaoValoresFrameAdapter *prata
        = frameOf(QStringLiteral("PLANO INDIVIDUAL PRATA"));
    ASSERT_NE(prata, nullptr);
    // The plan's price raised by the global percentages.
    EXPECT_EQ(prata->EditValorAtual->text(), QStringLiteral("39,90"));
    EXPECT_EQ(prata->EditNovoValor->text(), QStringLiteral("43,89"));
    EXPECT_EQ(prata->EditPercentual->text(), QStringLiteral("10,00"));
    EXPECT_EQ(prata->EditNovoValorPlano->text(), QStringLiteral("94,50"));
    EXPECT_TRUE(prata->CheckBoxAtualizarParcelasFuturas->isChecked());
    EXPECT_EQ(prata->DateEditVigenciaNova->date(), EncodeDate(2027, 2, 1));

    ouro = frameOf(QStringLiteral("PLANO FAMILIAR OURO"));
    ASSERT_NE(ouro, nullptr);
    EXPECT_EQ(ouro->EditNovoValor->text(), QStringLiteral("85,00"));
    EXPECT_EQ(ouro->EditNovoValorPlano->text(), QStringLiteral("150,00"));
    EXPECT_FALSE(ouro->CheckBoxAtualizarParcelasFuturas->isChecked());
    EXPECT_EQ(ouro->DateEditVigenciaNova->date(), EncodeDate(2027, 1, 1));
}

TEST_F(FormViewAtualizacaoValoresPlanosTest, APlanAlreadyListedIsRefusedAndAddAllSkipsIt)
{
    escolher(700);
    ASSERT_EQ(linhas(), 1);
    dialogs.clearMessages();
    escolher(700);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Já existe um item de PLANO FAMILIAR OURO e "
                                           "outro não pode ser inserido.") });
    EXPECT_EQ(linhas(), 1);
    EXPECT_EQ(frames().size(), 1);
    EXPECT_TRUE(form->EditDescricao->text().isEmpty());

    form->SpeedButtonNovo->click();
    waitIdle();
    EXPECT_EQ(linhas(), 3);
    EXPECT_EQ(frames().size(), 3);
}

// A run settles its questions on the main thread; the row of the records not listed goes only
// with a percentage above 0 and a date, and never enters the table.
struct NaoListadosCase
{
    const char *name;
    const char *percentual;
    bool comData;
    bool perguntaNaoListados;
};

class AtualizacaoValoresNaoListadosTest : public FormViewAtualizacaoValoresPlanosTest,
                                          public ::testing::WithParamInterface<NaoListadosCase>
{
};

TEST_P(AtualizacaoValoresNaoListadosTest, RunSendsTheNotListedRowOnlyWithPercentageAndDate)
{
    const NaoListadosCase &c = GetParam();
    escolher(701);
    salvarTodas();
    globais(QString::fromLatin1(c.percentual), c.comData ? EncodeDate(2027, 3, 1) : TDateTime(0));
    form->EditPercentualValorPlano->setText(QStringLiteral("3"));
    form->CheckBoxAtualizarParcelasVencidas->setChecked(true);
    form->CheckBoxAtualizarVinculacaoAPI->setChecked(true);
    dialogs.clearMessages();
    dialogs.answerQuestions(c.perguntaNaoListados ? std::initializer_list<int> { kYes, kYes }
                                                  : std::initializer_list<int> { kYes });
    // The credit-card warning shows before the overlay comes up.
    bool overlayNoAviso = true;
    dialogs.onMessage([this, &overlayNoAviso](const TMessageRequest &AMessage) {
        if (AMessage.Message == kAvisoCartao)
            overlayNoAviso = form->AniIndicatorLoading->isVisible();
        return 0;
    });

    atualizar();

    QStringList esperadas { kAvisoCartao, kConfirmaAtualizacao };
    if (c.perguntaNaoListados)
        esperadas << kNaoListados;
    esperadas << kSuccess;
    EXPECT_EQ(dialogs.messageTexts(), esperadas);
    EXPECT_FALSE(overlayNoAviso);
    const QJsonArray rows = enviados(kPostPlanos);
    ASSERT_EQ(rows.size(), c.perguntaNaoListados ? 2 : 1);
    EXPECT_EQ(rows.at(0).toObject().value(QStringLiteral("id")).toInteger(), 701);
    if (c.perguntaNaoListados) {
        const QJsonObject resto = rows.at(1).toObject();
        EXPECT_EQ(resto.value(QStringLiteral("id")).toInteger(), 0);
        EXPECT_EQ(resto.value(QStringLiteral("percentual")).toDouble(), 5);
        EXPECT_EQ(resto.value(QStringLiteral("percentualValorPlano")).toDouble(), 3);
        EXPECT_TRUE(resto.value(QStringLiteral("atualizarParcelasVencidas")).toBool());
        EXPECT_FALSE(resto.value(QStringLiteral("atualizarParcelasFuturas")).toBool(true));
        EXPECT_TRUE(resto.value(QStringLiteral("atualizarVinculacaoAPI")).toBool());
        EXPECT_TRUE(
            resto.value(QStringLiteral("novaVigencia")).toString().startsWith(u"2027-03-01"));
    }
    // Success empties the list.
    EXPECT_EQ(linhas(), 0);
    EXPECT_TRUE(frames().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos,
    AtualizacaoValoresNaoListadosTest,
    ::testing::Values(NaoListadosCase { "FivePercentWithDate", "5", true, true },
                      NaoListadosCase { "ZeroPercentWithDate", "0", true, false },
                      NaoListadosCase { "FivePercentWithoutDate", "5", false, false }),
    [](const ::testing::TestParamInfo<NaoListadosCase> &info) {
        return std::string(info.param.name);
    });

// Whatever stops a run before or at the back end, the prepared rows and their frames stay.
TEST_F(FormViewAtualizacaoValoresServicosTest, RunThatStopsKeepsTheRowsAndTheirFrames)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("ATUALIZAÇÃO DE VALORES DE SERVIÇOS"));
    // Nothing listed and nothing for the records not listed.
    globais(QStringLiteral("0"), EncodeDate(2027, 1, 1));
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaAtualizacao, kNaoLocalizadas }));

    escolher(910);
    escolher(911);
    ASSERT_EQ(frames().size(), 2);
    frameOf(QStringLiteral("CAFÉ E LANCHE PARA VELÓRIO"))->SpeedButtonGravar->click();

    // A row still in edit; then "Não" to the confirmation; then the back end's refusal.
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaAtualizacao, kNaoSalvos }));
    salvarTodas();
    dialogs.answerQuestion(kNo);
    atualizar();
    demo.backend().on("POST",
                      "/atualizacao-valores/servicos",
                      FakeReply::text("WARNING:Vigência já utilizada.", 400));
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { kConfirmaAtualizacao, QStringLiteral("WARNING:Vigência já utilizada.") }));
    EXPECT_EQ(demo.backend().count("POST", "/atualizacao-valores/servicos"), 1u);
    EXPECT_EQ(linhas(), 2);
    EXPECT_EQ(frames().size(), 2);

    // The refusal gone, the same rows go out and the list empties.
    demo.backend().on("POST", "/atualizacao-valores/servicos", FakeReply::json("{}"));
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaAtualizacao, kSuccess }));
    const QJsonArray rows = enviados("/atualizacao-valores/servicos");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).toObject().value(QStringLiteral("valorAtual")).toDouble(), 180);
    EXPECT_EQ(rows.at(0).toObject().value(QStringLiteral("novoValor")).toDouble(), 180);
    EXPECT_EQ(linhas(), 0);
    EXPECT_TRUE(frames().isEmpty());
}

// A row saved with a typed percentage sends what its edits show; removing a row drops it and
// its frame, and editing it again holds the run back until it is saved.
TEST_F(FormViewAtualizacaoValoresServicosTest, RowIsSavedEditedAndRemovedByItsButtons)
{
    escolher(910);
    escolher(911);
    TServicosAtualizacaoValoresFrameAdapter *cafe
        = frameOf(QStringLiteral("CAFÉ E LANCHE PARA VELÓRIO"));
    ASSERT_NE(cafe, nullptr);
    cafe->EditPercentual->setText(QStringLiteral("12,5"));
    EXPECT_EQ(cafe->EditNovoValor->text(), QStringLiteral("202,50"));
    cafe->DateEditVigenciaNova->setDate(EncodeDate(2027, 5, 1));
    cafe->SpeedButtonGravar->click();
    EXPECT_FALSE(cafe->EditPercentual->isEnabled());

    frameOf(QStringLiteral("COROA DE FLORES NATURAIS"))->SpeedButtonRemover->click();
    EXPECT_EQ(linhas(), 1);
    ASSERT_EQ(frames().size(), 1);
    cafe = frames().front();
    // The saved row shows what was stored.
    EXPECT_EQ(cafe->EditNovoValor->text(), QStringLiteral("202,50"));
    EXPECT_FALSE(cafe->EmEdicao);

    cafe->SpeedButtonEdit->click();
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(dialogs.lastMessage().Message, kNaoSalvos);
    cafe->SpeedButtonGravar->click();
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    atualizar();
    EXPECT_EQ(dialogs.lastMessage().Message, kSuccess);
    const QJsonArray rows = enviados("/atualizacao-valores/servicos");
    ASSERT_EQ(rows.size(), 1);
    const QJsonObject cafeEnviado = rows.at(0).toObject();
    EXPECT_EQ(cafeEnviado.value(QStringLiteral("id")).toInteger(), 910);
    EXPECT_DOUBLE_EQ(cafeEnviado.value(QStringLiteral("percentual")).toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(cafeEnviado.value(QStringLiteral("novoValor")).toDouble(), 202.5);
    EXPECT_TRUE(
        cafeEnviado.value(QStringLiteral("novaVigencia")).toString().startsWith(u"2027-05-01"));
}

} // namespace
