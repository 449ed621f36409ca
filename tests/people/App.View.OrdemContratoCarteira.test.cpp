#include "App.View.OrdemContratoCarteira.h"

#include "App.Adapter.Frame.OrdemContratoCarteira.h"
#include "App.Base.Presenter.Of.h"
#include "App.Base.Service.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.OrdemContratoCarteira.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Entity.h"
#include "Common.Base.FilterClass.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"
#include "CheckBox.h"
#include "Edit.h"
#include "MemTable.h"
#include "RestRequest.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QJsonArray>

#include <gtest/gtest.h>

// A stand-in for the contract presenter: the contract rows the order view reads and the update
// it sends, on the same paths.
class TOrdemTesteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TOrdemTesteContratoDto)

    QString Codigo;
    QString Titular;
    std::int32_t OrdemCobranca = 0;
    QString Logradouro;
    QString Numero;
    QString Bairro;
    QString Municipio;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TOrdemTesteContratoDto,
                      (TBaseDto),
                      (Codigo, Titular, OrdemCobranca, Logradouro, Numero, Bairro, Municipio, Uf))
ZUNTA_DEFINE_CLASS(TOrdemTesteContratoDto)

class TOrdemTesteContratoFilter final : public TBaseFilterClass
{
    ZUNTA_CLASS(TOrdemTesteContratoFilter)

    QString IdColaborador;
    QString IdBairro;
    QString IdCarteira;
    QString DiaVencimentoInicial;
    QString DiaVencimentoFinal;
    QString ApenasContratosAtivos;
};
BOOST_DESCRIBE_STRUCT(TOrdemTesteContratoFilter,
                      (TBaseFilterClass),
                      (IdColaborador,
                       IdBairro,
                       IdCarteira,
                       DiaVencimentoInicial,
                       DiaVencimentoFinal,
                       ApenasContratosAtivos))
ZUNTA_DEFINE_CLASS(TOrdemTesteContratoFilter)

class TOrdemTesteContratoService final : public TBaseService
{
public:
    TOrdemTesteContratoService()
        : TBaseService(QStringLiteral("TContratoService"))
    { }
    bool atualizar(const QString &ABody)
    {
        ClearRequest();
        Request().AddBody(ABody, QStringLiteral("application/json"));
        ExecutePost(ResourceName() + QStringLiteral("/atualizar-ordem-cobranca"));
        return StatusCode() == 200;
    }
};

class TOrdemTesteContratoPresenter final : public TCadastroPresenterOf<TBaseEntity,
                                                                       TOrdemTesteContratoDto,
                                                                       TOrdemTesteContratoService,
                                                                       TOrdemTesteContratoFilter>,
                                           public IOrdemContratoCarteiraContratoPresenter
{
public:
    TOrdemTesteContratoPresenter()
        : TCadastroPresenterOf(QStringLiteral("TContratoPresenter"),
                               { { "CODIGO", 20 },
                                 { "TITULAR", 100 },
                                 { "ORDEM_COBRANCA" },
                                 { "LOGRADOURO", 100 },
                                 { "NUMERO", 20 },
                                 { "BAIRRO", 100 },
                                 { "MUNICIPIO", 100 },
                                 { "UF", 2 } })
    { }
    void SetOrdenacaoCarteira(bool AValue) override { OrdenacaoCarteira = AValue; }
    bool AtualizarOrdemContratos(TMemTable &table) override
    {
        TObjectList<TOrdemTesteContratoDto> list;
        for (table.First(); !table.Eof(); table.Next()) {
            list.push_back(std::make_unique<TOrdemTesteContratoDto>());
            SetObjectFromDataSet(list.back().get(), &table);
        }
        return service().atualizar(TDravikJson::ListToJson(list));
    }
    bool OrdenacaoCarteira = false;
};

namespace {

// Portfolio 650's contracts: two without an order yet.
const char *const kContratos
    = R"({"total":4,"pages":1,"listHelper":[)"
      R"({"id":1,"codigo":"C-1","titular":"ANA","ordemCobranca":2,"logradouro":"RUA B","numero":"10","bairro":"CENTRO","municipio":"CAMPINAS","uf":"SP"},)"
      R"({"id":2,"codigo":"C-2","titular":"BRUNO","ordemCobranca":0,"logradouro":"RUA Z"},)"
      R"({"id":3,"codigo":"C-3","titular":"CELIA","ordemCobranca":1,"logradouro":"RUA A"},)"
      R"({"id":4,"codigo":"C-4","titular":"DAVI","ordemCobranca":0,"logradouro":"RUA C"}]})";

const QString kSemFiltro
    = QStringLiteral("WARNING:Não é possível realizar a pesquisa sem um filtro de carteira ou "
                     "cobrador ativo.");

class FormViewOrdemContratoCarteiraTest
    : public RegistrationWindowFixture<TFormViewOrdemContratoCarteira,
                                       TOrdemContratoCarteiraFrameAdapter>
{
protected:
    FormViewOrdemContratoCarteiraTest()
        : RegistrationWindowFixture("TFormViewOrdemContratoCarteira",
                                    "/contrato/atualizar-ordem-cobranca")
    { }
    void SetUp() override
    {
        demo.backend().on("GET", "/contrato", FakeReply::json(kContratos));
        demo.backend().on("POST", "/contrato/atualizar-ordem-cobranca", FakeReply::json("{}"));
        RegistrationWindowFixture::SetUp();
    }
    void chooseCarteira()
    {
        FPresenterFilter()
            ->FindItemControl(QStringLiteral("EditFilterCarteira"))
            ->SetValueControl(QStringLiteral("650"));
        waitIdle();
    }
    TManagerControl *FPresenterFilter() const
    {
        return &form->Presenter()->ManagerFilterControls();
    }
    // Holder and order of each row, top to bottom.
    QStringList rows() const
    {
        QStringList list;
        for (auto *row : frames())
            list << row->LabelTitular->text() + u'=' + row->EditOrdem->text();
        return list;
    }
    TOrdemContratoCarteiraFrameAdapter *rowOf(const QString &ATitular) const
    {
        return frameOf(&TOrdemContratoCarteiraFrameAdapter::LabelTitular, ATitular);
    }

    const TClassRegistration contratoPresenter {
        QStringLiteral("TContratoPresenter"),
        TPresenterFactory([]() -> std::unique_ptr<TBasePresenter> {
            return TBasePresenter::Create<TOrdemTesteContratoPresenter>();
        })
    };
};

TEST_F(FormViewOrdemContratoCarteiraTest, SearchNeedsACollectorOrAPortfolio)
{
    EXPECT_TRUE(dynamic_cast<TOrdemTesteContratoPresenter &>(*form->Presenter()).OrdenacaoCarteira);
    EXPECT_FALSE(form->CheckBoxFilterApenasContratosAtivos->isEnabled());
    EXPECT_TRUE(form->CheckBoxFilterApenasContratosAtivos->isChecked());
    search();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSemFiltro });
    EXPECT_FALSE(demo.backend().last("GET", "/contrato"));
}

TEST_F(FormViewOrdemContratoCarteiraTest, RowsAreNumberedRenumberedAndSentWhole)
{
    chooseCarteira();
    search();
    // The unordered contracts follow the highest order, by street.
    EXPECT_EQ(rows(), (QStringList { "CELIA=1", "ANA=2", "DAVI=3", "BRUNO=4" }));
    EXPECT_EQ(rowOf(QStringLiteral("ANA"))->LabelEndereco->text(),
              QStringLiteral("RUA B, 10, CENTRO, CAMPINAS - SP"));

    // BRUNO typed to the first place; DAVI one step up.
    TEdit *ordem = rowOf(QStringLiteral("BRUNO"))->EditOrdem;
    ordem->clear();
    typeText(ordem, QStringLiteral("1"));
    pressKey(ordem, Qt::Key_Return);
    waitIdle();
    EXPECT_EQ(rows(), (QStringList { "BRUNO=1", "CELIA=2", "ANA=3", "DAVI=4" }));
    rowOf(QStringLiteral("DAVI"))->SpeedButtonMoveUp->click();
    waitIdle();
    EXPECT_EQ(rows(), (QStringList { "BRUNO=1", "CELIA=2", "DAVI=3", "ANA=4" }));

    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    form->SpeedButtonNovo->click();
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().value(0),
              QStringLiteral("QUESTION:Confirma gerar a atualização das ordens de cobrança??"));
    const auto posts = demo.backend().requests("POST", "/contrato/atualizar-ordem-cobranca");
    ASSERT_EQ(posts.size(), 1U);
    const QJsonDocument corpo = QJsonDocument::fromJson(QByteArray::fromStdString(posts[0].body));
    const QJsonArray enviados
        = corpo.isArray() ? corpo.array() : corpo.object().value("listHelper").toArray();
    ASSERT_EQ(enviados.size(), 4);
    QStringList ordens;
    for (const QJsonValue &value : enviados)
        ordens << value.toObject().value("titular").toString() + u'='
                + QString::number(value.toObject().value("ordemCobranca").toInt());
    ordens.sort();
    EXPECT_EQ(ordens, (QStringList { "ANA=4", "BRUNO=1", "CELIA=2", "DAVI=3" }));
    // The search ran again, so the list shows what the back end stored.
    EXPECT_EQ(demo.backend().requests("GET", "/contrato").size(), 2U);
}

TEST_F(FormViewOrdemContratoCarteiraTest, UpdateWithoutRowsWarnsAndSendsNothing)
{
    dialogs.answerQuestion(kYes);
    form->SpeedButtonNovo->click();
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().value(1),
              QStringLiteral("WARNING:É necessário realizar a pesquisa para prosseguir."));
    EXPECT_TRUE(demo.backend().requests("POST", "/contrato/atualizar-ordem-cobranca").empty());
}

// A user without the move permission: the update button sends nothing.
class FormViewOrdemSemMovimentarTest : public FormViewOrdemContratoCarteiraTest
{
protected:
    void SetUp() override
    {
        m_login = QStringLiteral("atendente");
        m_senha = QStringLiteral("atendente1234");
        demo.backend().on("GET",
                          "/form-permission",
                          FakeReply::json(R"({"inserir":true,"editar":true,"remover":true,)"
                                          R"("visualizar":true,"movimentar":false})"));
        FormViewOrdemContratoCarteiraTest::SetUp();
    }
};

TEST_F(FormViewOrdemSemMovimentarTest, UpdateButtonSendsNothingWithoutTheMovePermission)
{
    EXPECT_FALSE(form->FPermissionMovimentar);
    chooseCarteira();
    search();
    ASSERT_FALSE(frames().isEmpty());
    dialogs.clearMessages();
    dialogs.answerAllQuestions(kYes);
    form->SpeedButtonNovo->click();
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    waitIdle();
    EXPECT_TRUE(demo.backend().requests("POST", "/contrato/atualizar-ordem-cobranca").empty())
        << dialogs.messageTexts().join(u'|').toStdString();
}

} // namespace
