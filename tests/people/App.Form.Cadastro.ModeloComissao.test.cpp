#include "App.Form.Cadastro.ModeloComissao.h"

#include "App.Adapter.Frame.ComissaoFuncao.h"
#include "App.Adapter.Frame.FaixaParcelaTipoComissao.h"
#include "App.Adapter.Frame.ModeloComissao.h"
#include "App.Adapter.Frame.TipoComissaoFuncao.h"
#include "App.Form.SubCadastro.ComissaoFuncao.h"
#include "App.Form.SubCadastro.FaixaParcelaTipoComissao.h"
#include "App.Form.SubCadastro.TipoComissaoFuncao.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Grupo.h"
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

// Model 550 of the seed: function 550 ("VENDEDOR") with type 550 ("VENDA") and its instalment
// band 550; function 551 ("COBRADOR") with types 551 (its band 551) and 552 (no band), both
// "COBRANÇA".
class FormCadastroModeloComissaoTest
    : public RegistrationWindowFixture<TFormCadastroModeloComissao, TModeloComissaoFrameAdapter>
{
protected:
    FormCadastroModeloComissaoTest()
        : RegistrationWindowFixture("TFormCadastroModeloComissao", "/modelo-comissao")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        funcoes = form->FormComissaoFuncao;
        tipos = funcoes->FormTipoComissaoFuncao;
        faixas = tipos->FormFaixaParcelaTipoComissao;
    }

    void openModel()
    {
        form->SetIdRegistro(550);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("550"));
        showGroup(form, QStringLiteral("Comissão Função"));
    }
    // The first listed row of the sub-form whose label shows the text.
    template<class TRow>
    static TRow *
    rowOf(const TFormBaseMetodoCadastro *AForm, TLabel *TRow::*ALabel, const QString &AText)
    {
        for (TRow *row : rowsOf<TRow>(AForm))
            if ((row->*ALabel)->text() == AText)
                return row;
        ADD_FAILURE() << "no row " << AText.toStdString();
        return nullptr;
    }
    // The function opened in its sub-form, with its types shown.
    void openFunction(const QString &AFuncao)
    {
        auto *row = rowOf(funcoes, &TComissaoFuncaoFrameAdapter::LabelDescricao, AFuncao);
        ASSERT_TRUE(row);
        row->SpeedButtonEdit->click();
        waitIdle();
        showGroup(funcoes, QStringLiteral("Tipo de Comissão Função"));
    }
    // The first type of the open function, opened with its instalment bands shown.
    void openType(const QString &ATipo)
    {
        auto *row = rowOf(tipos, &TTipoComissaoFuncaoFrameAdapter::LabelTipoComissao, ATipo);
        ASSERT_TRUE(row);
        row->SpeedButtonEdit->click();
        waitIdle();
        showGroup(tipos, QStringLiteral("Faixa Parcela"));
    }
    template<class TRow>
    void remove(TFormBaseMetodoCadastro *AForm, TLabel *TRow::*ALabel, const QString &AText)
    {
        TRow *row = rowOf(AForm, ALabel, AText);
        ASSERT_TRUE(row);
        dialogs.answerQuestion(kYes);
        row->SpeedButtonRemove->click();
        waitIdle();
    }
    // The ids of every row of a table, whatever its filter shows.
    static QList<qint64> idsOf(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        QList<qint64> ids;
        for (ATable.First(); !ATable.Eof(); ATable.Next())
            ids << ATable.FieldByName(QStringLiteral("ID"))->AsLargeInt();
        ATable.SetFiltered(filtered);
        return ids;
    }
    QJsonObject save()
    {
        demo.backend().on("POST", "/modelo-comissao/complex", FakeReply::json(R"({"id":550})"));
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
        EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
        const auto post = demo.backend().last("POST", "/modelo-comissao/complex");
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

    TFormSubCadastroComissaoFuncao *funcoes = nullptr;
    TFormSubCadastroTipoComissaoFuncao *tipos = nullptr;
    TFormSubCadastroFaixaParcelaTipoComissao *faixas = nullptr;
};

// Every row of the child table hangs under the parent row whose ID its parent column holds.
void expectTiedToParents(TMemTable &AChild, const char *AParentColumn, TMemTable &AParent)
{
    std::map<qint64, qint64> registroDoPai;
    AParent.SetFiltered(false);
    for (AParent.First(); !AParent.Eof(); AParent.Next())
        registroDoPai[AParent.FieldByName("ID")->AsLargeInt()]
            = AParent.FieldByName("ID_REGISTRO")->AsLargeInt();
    AChild.SetFiltered(false);
    ASSERT_FALSE(AChild.IsEmpty());
    for (AChild.First(); !AChild.Eof(); AChild.Next()) {
        const qint64 pai = AChild.FieldByName(QLatin1String(AParentColumn))->AsLargeInt();
        ASSERT_TRUE(registroDoPai.count(pai)) << AParentColumn << " " << pai;
        EXPECT_EQ(AChild.FieldByName("ID_REGISTRO_FK")->AsLargeInt(), registroDoPai[pai])
            << AParentColumn << " " << pai;
    }
}

TEST_F(FormCadastroModeloComissaoTest,
       OpeningAModelReadsTheThreeLevelsInOrderAndTiesEachToItsParent)
{
    openModel();
    QStringList reads;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && QString::fromStdString(request.path).endsWith(u"/550"))
            reads << QString::fromStdString(request.path);
    EXPECT_EQ(reads,
              (QStringList { "/modelo-comissao/550",
                             "/comissao-funcao/modelo-comissao/550",
                             "/tipo-comissao-funcao/modelo-comissao/550",
                             "/faixa-parcela-tipo-comissao/modelo-comissao/550" }));
    expectTiedToParents(
        tipos->DataSetSubCadastro(), "ID_COMISSAO_FUNCAO", funcoes->DataSetSubCadastro());
    expectTiedToParents(
        faixas->DataSetSubCadastro(), "ID_TIPO_COMISSAO_FUNCAO", tipos->DataSetSubCadastro());

    openFunction(QStringLiteral("VENDEDOR"));
    const auto linhas = rowsOf<TTipoComissaoFuncaoFrameAdapter>(tipos);
    ASSERT_EQ(linhas.size(), 1) << "only the types of the open function";
    EXPECT_EQ(linhas[0]->LabelTipoComissao->text(), QStringLiteral("VENDA"));
    EXPECT_EQ(linhas[0]->LabelCategoriaRealizacao->text(), QStringLiteral("ADESÃO"));
    EXPECT_EQ(linhas[0]->LabelOrigemCalculoComissao->text(), QStringLiteral("VALOR RECEBIDO"));
    EXPECT_EQ(linhas[0]->LabelBaseComissao->text(), QStringLiteral("PERCENTUAL"));
    openType(QStringLiteral("VENDA"));
    const auto bandas = rowsOf<TFaixaParcelaTipoComissaoFrameAdapter>(faixas);
    ASSERT_EQ(bandas.size(), 1);
    EXPECT_EQ(bandas[0]->LabelComissao->text(), QStringLiteral("COMISSÃO DIURNA"));
    EXPECT_EQ(bandas[0]->LabelFormaRecebimento->text(), QStringLiteral("DINHEIRO"));
    EXPECT_EQ(bandas[0]->LabelFaixaParcela->text(), QStringLiteral("1,0000"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

TEST_F(FormCadastroModeloComissaoTest, RemovedTypesOfTheSecondFunctionTravelInTheFirstFunction)
{
    openModel();
    openFunction(QStringLiteral("COBRADOR"));
    remove(tipos, &TTipoComissaoFuncaoFrameAdapter::LabelTipoComissao, QStringLiteral("COBRANÇA"));
    remove(tipos, &TTipoComissaoFuncaoFrameAdapter::LabelTipoComissao, QStringLiteral("COBRANÇA"));
    EXPECT_EQ(idsOf(tipos->DataSetSubCadastro()), QList<qint64> { 550 });
    EXPECT_EQ(idsOf(faixas->DataSetSubCadastro()), QList<qint64> { 550 })
        << "the removed type's instalment band left with it";

    const QJsonObject body = save();
    EXPECT_TRUE(list(body, "removeComissaoFuncaos").isEmpty());
    const QJsonArray funcoesEnviadas = list(body, "comissaoFuncaos");
    ASSERT_EQ(funcoesEnviadas.size(), 2);
    const QJsonObject primeira = item(funcoesEnviadas, 0);
    EXPECT_EQ(primeira.value("idFuncao").toInteger(), 2);
    EXPECT_EQ(list(primeira, "removeTipoComissaoFuncaos"), (QJsonArray { 551, 552 }));
    const QJsonArray tiposEnviados = list(primeira, "tipoComissaoFuncaos");
    ASSERT_EQ(tiposEnviados.size(), 1);
    EXPECT_EQ(list(item(tiposEnviados, 0), "removeFaixaParcelaTipoComissaos"), QJsonArray { 551 });
    EXPECT_EQ(list(item(tiposEnviados, 0), "faixaParcelaTipoComissaos").size(), 1);
    EXPECT_TRUE(list(item(funcoesEnviadas, 1), "tipoComissaoFuncaos").isEmpty());
    EXPECT_TRUE(list(item(funcoesEnviadas, 1), "removeTipoComissaoFuncaos").isEmpty());
}

TEST_F(FormCadastroModeloComissaoTest, RemovedFunctionTakesItsTypesAndTheirInstalmentBands)
{
    openModel();
    remove(funcoes, &TComissaoFuncaoFrameAdapter::LabelDescricao, QStringLiteral("VENDEDOR"));
    EXPECT_EQ(idsOf(funcoes->DataSetSubCadastro()), QList<qint64> { 551 });
    EXPECT_EQ(idsOf(tipos->DataSetSubCadastro()), (QList<qint64> { 551, 552 }));
    EXPECT_EQ(idsOf(faixas->DataSetSubCadastro()), QList<qint64> { 551 })
        << "no instalment band is left tied to a removed type";

    const QJsonObject body = save();
    EXPECT_EQ(list(body, "removeComissaoFuncaos"), QJsonArray { 550 });
    const QJsonArray funcoesEnviadas = list(body, "comissaoFuncaos");
    ASSERT_EQ(funcoesEnviadas.size(), 1);
    EXPECT_EQ(list(item(funcoesEnviadas, 0), "removeTipoComissaoFuncaos"), QJsonArray { 550 });
    const QJsonArray tiposEnviados = list(item(funcoesEnviadas, 0), "tipoComissaoFuncaos");
    ASSERT_EQ(tiposEnviados.size(), 2);
    EXPECT_EQ(list(item(tiposEnviados, 0), "removeFaixaParcelaTipoComissaos"), QJsonArray { 550 });
    EXPECT_TRUE(list(item(tiposEnviados, 1), "removeFaixaParcelaTipoComissaos").isEmpty());
}

TEST_F(FormCadastroModeloComissaoTest,
       RemovedBandsTravelInTheFirstTypeEvenWhenTheFirstFunctionHasNone)
{
    openModel();
    openFunction(QStringLiteral("VENDEDOR"));
    remove(tipos, &TTipoComissaoFuncaoFrameAdapter::LabelTipoComissao, QStringLiteral("VENDA"));
    showGroup(form, QStringLiteral("Comissão Função"));
    openFunction(QStringLiteral("COBRADOR"));
    openType(QStringLiteral("COBRANÇA"));
    remove(faixas,
           &TFaixaParcelaTipoComissaoFrameAdapter::LabelComissao,
           QStringLiteral("COMISSÃO NOTURNA"));
    EXPECT_TRUE(idsOf(faixas->DataSetSubCadastro()).isEmpty());

    const QJsonObject body = save();
    const QJsonArray funcoesEnviadas = list(body, "comissaoFuncaos");
    ASSERT_EQ(funcoesEnviadas.size(), 2);
    EXPECT_TRUE(list(item(funcoesEnviadas, 0), "tipoComissaoFuncaos").isEmpty());
    EXPECT_EQ(list(item(funcoesEnviadas, 0), "removeTipoComissaoFuncaos"), QJsonArray { 550 });
    const QJsonArray tiposEnviados = list(item(funcoesEnviadas, 1), "tipoComissaoFuncaos");
    ASSERT_EQ(tiposEnviados.size(), 2);
    EXPECT_EQ(list(item(tiposEnviados, 0), "removeFaixaParcelaTipoComissaos"),
              (QJsonArray { 550, 551 }));
    EXPECT_TRUE(list(item(tiposEnviados, 1), "removeFaixaParcelaTipoComissaos").isEmpty());
}

TEST_F(FormCadastroModeloComissaoTest, NewTypeAndBandShowTheirLookupsAndHangUnderTheOpenRows)
{
    openModel();
    openFunction(QStringLiteral("VENDEDOR"));
    tipos->SpeedButtonNovo->click();
    waitIdle();
    ASSERT_FALSE(tipos->IsListTabActive());
    for (const auto &[control, id] : { std::pair { "EditListaTipoComissao", "551" },
                                       std::pair { "EditListaCategoriaRealizacao", "553" },
                                       std::pair { "EditListaOrigemCalculoComissao", "555" },
                                       std::pair { "EditListaBaseComissao", "557" } }) {
        tipos->Presenter()
            ->FindItemControl(QLatin1String(control))
            ->SetValueControl(QLatin1String(id));
        waitIdle();
    }
    dialogs.clearMessages();
    tipos->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    TMemTable &tabelaTipos = tipos->DataSetSubCadastro();
    tabelaTipos.SetFiltered(false);
    ASSERT_TRUE(tabelaTipos.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(0))));
    for (const auto &[column, text] :
         { std::pair { "TIPO_COMISSAO", "COBRANÇA" },
           std::pair { "CODIGO_TIPO_COMISSAO", "02" },
           std::pair { "CATEGORIA_REALIZACAO", "RENOVAÇÃO" },
           std::pair { "CODIGO_CATEGORIA_REALIZACAO", "02" },
           std::pair { "ORIGEM_CALCULO_COMISSAO", "VALOR DO CONTRATO" },
           std::pair { "CODIGO_ORIGEM_CALCULO_COMISSAO", "02" },
           std::pair { "BASE_COMISSAO", "VALOR FIXO" },
           std::pair { "CODIGO_BASE_COMISSAO", "02" } })
        EXPECT_EQ(tabelaTipos.FieldByName(QLatin1String(column))->AsString(),
                  QString::fromUtf8(text))
            << column;
    tabelaTipos.SetFiltered(true);

    // The new type, opened again, takes a new instalment band pointing to a commission table.
    openType(QStringLiteral("COBRANÇA"));
    faixas->SpeedButtonNovo->click();
    waitIdle();
    ASSERT_FALSE(faixas->IsListTabActive());
    faixas->Presenter()->FindItemControl(QStringLiteral("EditComissao"))->SetValueControl("551");
    waitIdle();
    faixas->Presenter()
        ->FindItemControl(QStringLiteral("EditListaFormaRecebimento"))
        ->SetValueControl("559");
    waitIdle();
    typeText(faixas->EditFaixaParcela, QStringLiteral("3"));
    dialogs.clearMessages();
    faixas->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const auto bandas = rowsOf<TFaixaParcelaTipoComissaoFrameAdapter>(faixas);
    ASSERT_EQ(bandas.size(), 1);
    EXPECT_EQ(bandas[0]->LabelComissao->text(), QStringLiteral("COMISSÃO NOTURNA"));
    EXPECT_EQ(bandas[0]->LabelFormaRecebimento->text(), QStringLiteral("BOLETO"));

    const QJsonObject body = save();
    const QJsonArray tiposEnviados
        = list(item(list(body, "comissaoFuncaos"), 0), "tipoComissaoFuncaos");
    ASSERT_EQ(tiposEnviados.size(), 2);
    const QJsonObject novo = item(tiposEnviados, 1);
    EXPECT_EQ(novo.value("id").toInteger(), 0);
    EXPECT_EQ(novo.value("listaTipoComissao").toInteger(), 551);
    EXPECT_EQ(novo.value("listaCategoriaRealizacao").toInteger(), 553);
    EXPECT_EQ(novo.value("listaOrigemCalculoComissao").toInteger(), 555);
    EXPECT_EQ(novo.value("listaBaseComissao").toInteger(), 557);
    const QJsonArray novasBandas = list(novo, "faixaParcelaTipoComissaos");
    ASSERT_EQ(novasBandas.size(), 1);
    EXPECT_EQ(item(novasBandas, 0).value("idComissao").toInteger(), 551);
    EXPECT_EQ(item(novasBandas, 0).value("listaFormaRecebimento").toInteger(), 559);
    EXPECT_DOUBLE_EQ(item(novasBandas, 0).value("faixaParcela").toDouble(), 3);
    EXPECT_EQ(list(item(tiposEnviados, 0), "faixaParcelaTipoComissaos").size(), 1);
}

TEST_F(FormCadastroModeloComissaoTest, TypeListWithoutRowsMemberStopsTheLoad)
{
    demo.backend().on(
        "GET", "/tipo-comissao-funcao/modelo-comissao/550", FakeReply::json(R"({"total":1})"));
    form->SetIdRegistro(550);
    form->executeEditar(nullptr);
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().front().contains(
        QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos.")))
        << dialogs.messageTexts().front().toStdString();
}

} // namespace
