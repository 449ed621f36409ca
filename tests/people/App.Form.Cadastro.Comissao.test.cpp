#include "App.Form.Cadastro.Comissao.h"

#include "App.Adapter.Frame.Comissao.h"
#include "App.Adapter.Frame.FaixaComissao.h"
#include "App.Adapter.Frame.FaixaHorarioComissao.h"
#include "App.Form.SubCadastro.FaixaComissao.h"
#include "App.Form.SubCadastro.FaixaHorarioComissao.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.Comissao.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <map>

namespace {

// Table 550 of the seed: time band 550 (08:00 to 12:00) with band 550 ("VENDA"), time band 551
// (13:00 to 18:00) with band 551 ("COBRANÇA").
class FormCadastroComissaoTest
    : public RegistrationWindowFixture<TFormCadastroComissao, TComissaoFrameAdapter>
{
protected:
    FormCadastroComissaoTest()
        : RegistrationWindowFixture("TFormCadastroComissao", "/comissao")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        faixasHorario = form->FormFaixaHorarioComissao;
        faixas = faixasHorario->FormFaixaComissao;
    }

    void openTable()
    {
        form->SetIdRegistro(550);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("550"));
    }
    // The time band starting at that hour, opened in its sub-form with its bands shown.
    void openTimeBand(const QString &AHoraInicial)
    {
        showGroup(form, QStringLiteral("Faixa Horário de Comissão"));
        for (TFaixaHorarioComissaoFrameAdapter *row :
             rowsOf<TFaixaHorarioComissaoFrameAdapter>(faixasHorario))
            if (row->LabelHoraInicial->text() == AHoraInicial) {
                row->SpeedButtonEdit->click();
                waitIdle();
                showGroup(faixasHorario, QStringLiteral("Faixas de Comissões"));
                return;
            }
        FAIL() << "no time band " << AHoraInicial.toStdString();
    }
    void removeTimeBand(const QString &AHoraInicial)
    {
        showGroup(form, QStringLiteral("Faixa Horário de Comissão"));
        for (TFaixaHorarioComissaoFrameAdapter *row :
             rowsOf<TFaixaHorarioComissaoFrameAdapter>(faixasHorario))
            if (row->LabelHoraInicial->text() == AHoraInicial) {
                dialogs.answerQuestion(kYes);
                row->SpeedButtonRemove->click();
                waitIdle();
                return;
            }
        FAIL() << "no time band " << AHoraInicial.toStdString();
    }
    static int allRows(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.RecordCount();
        ATable.SetFiltered(filtered);
        return count;
    }
    void save(const char *AReply = R"({"id":550})")
    {
        demo.backend().on("POST", "/comissao/complex", FakeReply::json(AReply));
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    QJsonObject lastComplexPost()
    {
        const auto post = demo.backend().last("POST", "/comissao/complex");
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }
    static QJsonArray list(const QJsonObject &ABody, const char *AMember)
    {
        return ABody.value(QLatin1String(AMember)).toObject().value("listHelper").toArray();
    }
    static QJsonObject item(const QJsonArray &AList, int AIndex)
    {
        return AList.at(AIndex).toObject();
    }

    TFormSubCadastroFaixaHorarioComissao *faixasHorario = nullptr;
    TFormSubCadastroFaixaComissao *faixas = nullptr;
};

TEST_F(FormCadastroComissaoTest,
       OpeningATableReadsTimeBandsThenBandsAndHangsEachBandUnderItsTimeBand)
{
    openTable();
    QStringList reads;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && QString::fromStdString(request.path).endsWith(u"/550"))
            reads << QString::fromStdString(request.path);
    EXPECT_EQ(reads,
              (QStringList { "/comissao/550",
                             "/faixa-horario-comissao/comissao/550",
                             "/faixa-comissao/comissao/550" }));

    TMemTable &horarios = faixasHorario->DataSetSubCadastro();
    std::map<std::int64_t, std::int64_t> registroDoHorario;
    horarios.SetFiltered(false);
    for (horarios.First(); !horarios.Eof(); horarios.Next())
        registroDoHorario[horarios.FieldByName("ID")->AsLargeInt()]
            = horarios.FieldByName("ID_REGISTRO")->AsLargeInt();
    ASSERT_EQ(registroDoHorario.size(), 2u);
    TMemTable &bandas = faixas->DataSetSubCadastro();
    bandas.SetFiltered(false);
    ASSERT_EQ(bandas.RecordCount(), 2);
    for (bandas.First(); !bandas.Eof(); bandas.Next())
        EXPECT_EQ(bandas.FieldByName("ID_REGISTRO_FK")->AsLargeInt(),
                  registroDoHorario[bandas.FieldByName("ID_FAIXA_HORARIO_COMISSAO")->AsLargeInt()]);

    showGroup(form, QStringLiteral("Faixa Horário de Comissão"));
    QStringList horas;
    for (TFaixaHorarioComissaoFrameAdapter *row :
         rowsOf<TFaixaHorarioComissaoFrameAdapter>(faixasHorario))
        horas << row->LabelHoraInicial->text() + u'-' + row->LabelHoraFinal->text();
    EXPECT_EQ(horas, (QStringList { "08:00-12:00", "13:00-18:00" }));

    openTimeBand(QStringLiteral("13:00"));
    EXPECT_EQ(faixasHorario->LabelTopText->text(), QStringLiteral("H.I.: 13:00 - H.F.: 18:00"));
    const auto linhas = rowsOf<TFaixaComissaoFrameAdapter>(faixas);
    ASSERT_EQ(linhas.size(), 1) << "only the bands of the open time band";
    EXPECT_EQ(linhas[0]->LabelListaTipoComissao->text(), QStringLiteral("COBRANÇA"));
    EXPECT_EQ(linhas[0]->LabelPercentual->text(), QStringLiteral("2,5000"));
    EXPECT_EQ(linhas[0]->LabelValor->text(), QStringLiteral("15,00"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

TEST_F(FormCadastroComissaoTest, RemovedBandOfTheSecondTimeBandTravelsInTheFirstTimeBand)
{
    openTable();
    openTimeBand(QStringLiteral("13:00"));
    const auto linhas = rowsOf<TFaixaComissaoFrameAdapter>(faixas);
    ASSERT_EQ(linhas.size(), 1);
    dialogs.answerQuestion(kYes);
    linhas[0]->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_TRUE(rowsOf<TFaixaComissaoFrameAdapter>(faixas).isEmpty());

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastComplexPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("COMISSÃO DIURNA"));
    const QJsonArray horarios = list(body, "faixaHorarioComissaos");
    ASSERT_EQ(horarios.size(), 2);
    EXPECT_EQ(item(horarios, 0).value("id").toInteger(), 550);
    EXPECT_EQ(list(item(horarios, 0), "removeFaixaComissaos"), QJsonArray { 551 });
    EXPECT_TRUE(list(item(horarios, 1), "removeFaixaComissaos").isEmpty());
    ASSERT_EQ(list(item(horarios, 0), "faixaComissaos").size(), 1);
    EXPECT_EQ(item(list(item(horarios, 0), "faixaComissaos"), 0).value("id").toInteger(), 550);
    EXPECT_TRUE(list(item(horarios, 1), "faixaComissaos").isEmpty());
    EXPECT_TRUE(list(body, "removeFaixaHorarioComissaos").isEmpty());
}

TEST_F(FormCadastroComissaoTest, RemovedTimeBandTakesItsBandsAndSendsTheirIds)
{
    openTable();
    removeTimeBand(QStringLiteral("08:00"));
    EXPECT_EQ(allRows(faixasHorario->DataSetSubCadastro()), 1);
    TMemTable &bandas = faixas->DataSetSubCadastro();
    ASSERT_EQ(allRows(bandas), 1) << "the removed time band's band left the window";
    bandas.SetFiltered(false);
    bandas.First();
    EXPECT_EQ(bandas.FieldByName("ID")->AsLargeInt(), 551);

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastComplexPost();
    EXPECT_EQ(list(body, "removeFaixaHorarioComissaos"), QJsonArray { 550 });
    const QJsonArray horarios = list(body, "faixaHorarioComissaos");
    ASSERT_EQ(horarios.size(), 1);
    EXPECT_EQ(item(horarios, 0).value("id").toInteger(), 551);
    EXPECT_EQ(list(item(horarios, 0), "removeFaixaComissaos"), QJsonArray { 550 });
}

TEST_F(FormCadastroComissaoTest, NewBandShowsTheChosenTypeAndIsSavedUnderItsTimeBand)
{
    openTable();
    openTimeBand(QStringLiteral("13:00"));
    faixas->SpeedButtonNovo->click();
    waitIdle();
    ASSERT_FALSE(faixas->IsListTabActive());
    faixas->Presenter()
        ->FindItemControl(QStringLiteral("EditListaTipoComissao"))
        ->SetValueControl(QStringLiteral("550"));
    waitIdle();
    typeText(faixas->EditQuantidade, QStringLiteral("3"));
    typeText(faixas->EditPercentual, QStringLiteral("1,25"));
    typeText(faixas->EditValor, QStringLiteral("40"));
    dialogs.clearMessages();
    faixas->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });

    TMemTable &bandas = faixas->DataSetSubCadastro();
    bandas.SetFiltered(false);
    ASSERT_TRUE(bandas.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(0))));
    EXPECT_EQ(bandas.FieldByName("TIPO_COMISSAO")->AsString(), QStringLiteral("VENDA"));
    EXPECT_EQ(bandas.FieldByName("CODIGO_TIPO_COMISSAO")->AsString(), QStringLiteral("01"));
    bandas.SetFiltered(true);
    QStringList tipos;
    for (TFaixaComissaoFrameAdapter *row : rowsOf<TFaixaComissaoFrameAdapter>(faixas))
        tipos << row->LabelListaTipoComissao->text();
    EXPECT_EQ(tipos, (QStringList { "COBRANÇA", "VENDA" }));

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonArray horarios = list(lastComplexPost(), "faixaHorarioComissaos");
    ASSERT_EQ(horarios.size(), 2);
    const QJsonArray novas = list(item(horarios, 1), "faixaComissaos");
    ASSERT_EQ(novas.size(), 2);
    const QJsonObject nova = item(novas, 1);
    EXPECT_EQ(nova.value("id").toInteger(), 0);
    EXPECT_EQ(nova.value("listaTipoComissao").toInteger(), 550);
    EXPECT_DOUBLE_EQ(nova.value("quantidade").toDouble(), 3);
    EXPECT_DOUBLE_EQ(nova.value("percentual").toDouble(), 1.25);
    EXPECT_DOUBLE_EQ(nova.value("valor").toDouble(), 40);
    EXPECT_EQ(list(item(horarios, 0), "faixaComissaos").size(), 1);
}

TEST_F(FormCadastroComissaoTest, RefusedSaveKeepsTheRowsAndTheRemovedIds)
{
    openTable();
    removeTimeBand(QStringLiteral("08:00"));
    demo.backend().on(
        "POST", "/comissao/complex", FakeReply::text("WARNING:Tabela em uso no momento.", 400));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { "WARNING:Tabela em uso no momento." });
    EXPECT_EQ(allRows(faixasHorario->DataSetSubCadastro()), 1);
    EXPECT_EQ(allRows(faixas->DataSetSubCadastro()), 1);

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastComplexPost();
    EXPECT_EQ(list(body, "removeFaixaHorarioComissaos"), QJsonArray { 550 });
    const QJsonArray horarios = list(body, "faixaHorarioComissaos");
    ASSERT_EQ(horarios.size(), 1);
    EXPECT_EQ(list(item(horarios, 0), "removeFaixaComissaos"), QJsonArray { 550 })
        << "sent once, not twice";
    EXPECT_EQ(list(item(horarios, 0), "faixaComissaos").size(), 1);
}

TEST_F(FormCadastroComissaoTest, BandListWithoutRowsMemberStopsTheLoad)
{
    demo.backend().on("GET", "/faixa-comissao/comissao/550", FakeReply::json(R"({"total":1})"));
    form->SetIdRegistro(550);
    form->executeEditar(nullptr);
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().front().contains(
        QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos.")))
        << dialogs.messageTexts().front().toStdString();
}

} // namespace
