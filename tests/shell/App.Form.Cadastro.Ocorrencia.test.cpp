#include "App.Form.Cadastro.Ocorrencia.h"

#include "App.Adapter.Frame.Ocorrencia.h"
#include "App.Lib.FormContainer.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Three occurrences that the seed lacks: removed and manual (of a record id past 32 bits),
// changed only, and one without any flag.
const char *const kOcorrenciaPage
    = R"({"total":3,"pages":1,"listHelper":[)"
      R"({"id":1,"idObjeto":5000000001,"dataCadastro":"2024-03-15T09:05:07.000Z","usuario":"ANA",)"
      R"("descricaoClasse":"Contratos","ocorrencia":"Motivo: desistiu",)"
      R"("isRegistroRemovido":true,"isOcorrenciaManual":true},)"
      R"({"id":2,"idObjeto":12,"dataCadastro":"2024-03-16T18:30:00.000Z","usuario":"BIA",)"
      R"("descricaoClasse":"Pessoas","ocorrencia":"Nome: A -> B","isRegistroAlterado":true},)"
      R"({"id":3,"idObjeto":13,"dataCadastro":"2024-03-17T08:00:00.000Z","usuario":"CAIO",)"
      R"("descricaoClasse":"Planos","ocorrencia":"Texto livre"}]})";

QJsonObject cadastroOcorrenciaJsonOf(const std::string &body)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(body)).object();
}

class FormCadastroOcorrenciaTest
    : public RegistrationWindowFixture<TFormCadastroOcorrencia, TOcorrenciaFrameAdapter>
{
protected:
    FormCadastroOcorrenciaTest()
        : RegistrationWindowFixture("TFormCadastroOcorrencia", "/ocorrencia")
    { }

    // The GET of the last search, as the back end received it.
    RecordedRequest lastSearch() { return *demo.backend().last("GET", "/ocorrencia"); }
};

TEST_F(FormCadastroOcorrenciaTest, RowsTellWhatHappenedAndOfferOnlyTheTextButton)
{
    demo.backend().on("GET", "/ocorrencia", FakeReply::json(kOcorrenciaPage));
    search();
    const auto list = frames();
    ASSERT_EQ(list.size(), 3);
    struct Expected
    {
        QString Local, Id, Data, Usuario, Ocorrencia;
    };
    const Expected expected[] = {
        { QStringLiteral("Contratos"),
          QStringLiteral("5000000001"),
          QStringLiteral("15/03/2024 09:05:07"),
          QStringLiteral("ANA"),
          QStringLiteral("Ocorrência Manual") },
        { QStringLiteral("Pessoas"),
          QStringLiteral("12"),
          QStringLiteral("16/03/2024 18:30:00"),
          QStringLiteral("BIA"),
          QStringLiteral("Registro alterado") },
        { QStringLiteral("Planos"),
          QStringLiteral("13"),
          QStringLiteral("17/03/2024 08:00:00"),
          QStringLiteral("CAIO"),
          QStringLiteral("Texto livre") },
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TOcorrenciaFrameAdapter *row = list[i];
        EXPECT_EQ(row->LabelLocalAlteracao->text(), expected[i].Local);
        EXPECT_TRUE(row->LabelIDObjeto->text().endsWith(expected[i].Id));
        EXPECT_EQ(row->LabelDataCadastro->text(), expected[i].Data);
        EXPECT_EQ(row->LabelUsuario->text(), expected[i].Usuario);
        EXPECT_EQ(row->LabelOcorrencia->text(), expected[i].Ocorrencia);
        EXPECT_FALSE(row->SpeedButtonEdit->isVisibleTo(principal.get()));
        EXPECT_FALSE(row->SpeedButtonRemove->isVisibleTo(principal.get()));
        EXPECT_FALSE(row->SpeedButtonView->isVisibleTo(principal.get()));
        EXPECT_TRUE(row->SpeedButtonVisualizarAlteracoes->isVisibleTo(principal.get()));
    }
    // No way to create an occurrence.
    EXPECT_FALSE(form->SpeedButtonNovo->isVisibleTo(principal.get()));
}

TEST_F(FormCadastroOcorrenciaTest, ListRequestCarriesTheFilterObjectEvenWithoutFilters)
{
    search();
    const RecordedRequest get = lastSearch();
    EXPECT_EQ(get.param("page"), "1");
    EXPECT_EQ(get.param("limit"), "100");
    const QJsonObject filter = cadastroOcorrenciaJsonOf(get.body);
    for (const char *name :
         { "idObjeto", "idUsuario", "idNomeClasse", "periodoDataInicial", "periodoDataFinal" })
        EXPECT_EQ(filter.value(QLatin1String(name)).toString(), QString()) << name;
    EXPECT_EQ(filter.value("somenteDelete").toString(), QStringLiteral("0#NÃO"));

    form->CheckBoxFilterSomenteDelete->setChecked(true);
    search();
    EXPECT_EQ(cadastroOcorrenciaJsonOf(lastSearch().body).value("somenteDelete").toString(),
              QStringLiteral("-1#SIM"));
}

TEST_F(FormCadastroOcorrenciaTest, ChangingAFilterEmptiesTheListAndTheSearchText)
{
    search(QStringLiteral("LISTAS"));
    ASSERT_FALSE(frames().isEmpty());
    form->SpeedButtonFiltro->click();
    form->CheckBoxFilterSomenteDelete->click();
    EXPECT_TRUE(frames().isEmpty());
    EXPECT_TRUE(form->EditPesquisar->text().isEmpty());
}

TEST_F(FormCadastroOcorrenciaTest, RecordIdFilterTakesAtMostFiveDigits)
{
    form->SpeedButtonFiltro->click();
    form->EditFilterIdObjeto->setFocus();
    typeText(form->EditFilterIdObjeto, QStringLiteral("1a2-34567"));
    EXPECT_EQ(form->EditFilterIdObjeto->text(), QStringLiteral("12345"));
}

TEST_F(FormCadastroOcorrenciaTest, TextButtonShowsTheOccurrenceReadOnlyAndFreesTheView)
{
    search();
    TFormSubViewOcorrenciaManual *shown = nullptr;
    QString memo;
    bool readOnly = false;
    bool saveOffered = true;
    QTimer::singleShot(0, [&] {
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *view = dynamic_cast<TFormSubViewOcorrenciaManual *>(widget))
                shown = view;
        ASSERT_NE(shown, nullptr);
        memo = shown->MemoOcorrencia->toPlainText();
        readOnly = shown->MemoOcorrencia->isReadOnly();
        saveOffered = shown->RectangleGravar->isVisibleTo(shown);
        shown->SpeedButtonClose->click();
    });
    TOcorrenciaFrameAdapter *manual
        = frameOf(&TOcorrenciaFrameAdapter::LabelOcorrencia, QStringLiteral("Ocorrência Manual"));
    ASSERT_NE(manual, nullptr);
    manual->SpeedButtonVisualizarAlteracoes->click();

    EXPECT_EQ(memo, QStringLiteral("Motivo: item cadastrado em duplicidade."));
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(saveOffered);
    FlushDeletes();
    bool left = false;
    for (QWidget *widget : QApplication::allWidgets())
        left = left || dynamic_cast<TFormSubViewOcorrenciaManual *>(widget);
    EXPECT_FALSE(left) << "the view lives for one showing";
}

} // namespace
