#include "App.Adapter.Frame.Logradouro.h"
#include "App.Form.Cadastro.Bairro.h"
#include "App.Form.Cadastro.Logradouro.h"
#include "App.Form.Cadastro.Municipio.h"
#include "App.Form.Cadastro.UnidadeFederativa.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.Logradouro.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/TestTexts.h"
#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Logradouro, PresenterContract, TLogradouroPresenter);


// The public service's reply for a street of Belo Horizonte, none of whose levels the seed has.
const char *const kAfonsoPena
    = R"({"cep":"30130-010","logradouro":"Avenida Afonso Pena","complemento":"",)"
      R"("bairro":"Centro","localidade":"Belo Horizonte","uf":"MG","ibge":"3106200",)"
      R"("gia":"","ddd":"31","siafi":"4123"})";
// A street of a neighbourhood the seed has (BELA VISTA, SÃO PAULO, SP).
const char *const kTrezeDeMaio
    = R"({"cep":"01327-000","logradouro":"Rua Treze de Maio","complemento":"",)"
      R"("bairro":"Bela Vista","localidade":"São Paulo","uf":"SP","ibge":"3550308",)"
      R"("gia":"1004","ddd":"11","siafi":"7107"})";

// The street window against the stand-in back end, with a second fake back end playing the
// public postal-code service.
class FormCadastroLogradouroTest
    : public RegistrationWindowFixture<TFormCadastroLogradouro, TLogradouroFrameAdapter>
{
protected:
    FormCadastroLogradouroTest()
        : RegistrationWindowFixture("TFormCadastroLogradouro", "/logradouro")
    {
        // Read with the rest of the configuration when the fixture logs in.
        QFile file(fake.folder() + QStringLiteral("/zunta_conf.ini"));
        if (file.open(QIODevice::Append))
            file.write(QStringLiteral("\n[API-CEP]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/\n")
                           .arg(publico->port())
                           .toUtf8());
        publico->on("GET", "/ws/30130010/json/", FakeReply::json(kAfonsoPena));
        publico->on("GET", "/ws/01327000/json/", FakeReply::json(kTrezeDeMaio));
        publico->on("GET", "/ws/01310100/json/", FakeReply::json(kTrezeDeMaio));
    }

    template<class TCadastro>
    static TCadastro *opened(const char *AClassName)
    {
        return dynamic_cast<TCadastro *>(
            TApplicationZunta::GetInstance().FormOpened(QString::fromLatin1(AClassName)));
    }
    // Types the code into the postal-code edit and leaves it for the street name, as a person
    // does with the keyboard.
    void leaveCep(const QString &ACep)
    {
        principal->activateWindow();
        form->EditCep->setFocus();
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == form->EditCep; }));
        typeText(form->EditCep, ACep);
        form->EditDescricao->setFocus();
    }
    std::size_t publicRequests() const { return publico->requests().size(); }

    std::unique_ptr<FakeBackend> publico = std::make_unique<FakeBackend>();
};

TEST_F(FormCadastroLogradouroTest, ListsTheStreetsWithNeighbourhoodCodeCityAndState)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE LOGRADOUROS"));
    search(QStringLiteral("AVENIDA PAULISTA"));
    ASSERT_EQ(frames().size(), 1);
    const TLogradouroFrameAdapter *row = frames().first();
    EXPECT_EQ(row->LabelLogradouro->text(), QStringLiteral("AVENIDA PAULISTA"));
    EXPECT_EQ(row->LabelTitleBairroCep->text(), QStringLiteral("Bairro/CEP:"));
    EXPECT_EQ(row->LabelBairroCep->text(), QStringLiteral("BELA VISTA - 01310100"));
    EXPECT_EQ(row->LabelTitleMunicipioUF->text(), QStringLiteral("Município/UF:"));
    EXPECT_EQ(row->LabelMunicipioUF->text(), QStringLiteral("SÃO PAULO - SP"));
}

TEST_F(FormCadastroLogradouroTest, UnknownLevelsAreRegisteredInTurnAndEachSaveFillsTheWindowBefore)
{
    form->SpeedButtonNovo->click();
    leaveCep(QStringLiteral("30130010"));
    EXPECT_EQ(form->EditCep->text(), QStringLiteral("30.130-010"));
    EXPECT_EQ(publico->count("GET", "/ws/30130010/json/"), 1u);
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("AVENIDA AFONSO PENA"));

    // The three windows stand open, each filled from the reply.
    auto *bairro = opened<TFormCadastroBairro>("TFormCadastroBairro");
    auto *municipio = opened<TFormCadastroMunicipio>("TFormCadastroMunicipio");
    auto *uf = opened<TFormCadastroUnidadeFederativa>("TFormCadastroUnidadeFederativa");
    ASSERT_TRUE(bairro && municipio && uf);
    EXPECT_EQ(bairro->EditDescricao->text(), QStringLiteral("CENTRO"));
    EXPECT_TRUE(bairro->EditMunicipio->text().isEmpty());
    EXPECT_EQ(municipio->EditNome->text(), QStringLiteral("BELO HORIZONTE"));
    EXPECT_EQ(municipio->EditCodigoIbge->text(), QStringLiteral("3106200"));
    EXPECT_EQ(municipio->EditDdd->text(), QStringLiteral("31"));
    EXPECT_TRUE(municipio->EditUnidadeFederativa->text().isEmpty());
    EXPECT_EQ(uf->EditSigla->text(), QStringLiteral("MG"));
    EXPECT_TRUE(uf->EditNome->text().isEmpty()) << "the state's name is the person's to type";
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    // The person names the state and saves each window from the top down.
    typeText(uf->EditNome, QStringLiteral("minas gerais"));
    uf->SpeedButtonSalvar->click();
    waitIdle();
    const auto estado = demo.backend().last("POST", "/unidade-federativa");
    ASSERT_TRUE(estado);
    EXPECT_NE(estado->body.find(R"("sigla":"MG")"), std::string::npos) << estado->body;
    EXPECT_EQ(municipio->EditUnidadeFederativa->text(), QStringLiteral("MINAS GERAIS"));

    municipio->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(bairro->EditMunicipio->text(), QStringLiteral("BELO HORIZONTE"));
    EXPECT_EQ(bairro->EditUf->text(), QStringLiteral("MG"));

    bairro->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(form->EditBairro->text(), QStringLiteral("CENTRO"));
    EXPECT_EQ(form->EditMunicipio->text(), QStringLiteral("BELO HORIZONTE"));
    EXPECT_EQ(form->EditUf->text(), QStringLiteral("MG"));
    FlushDeletes();
    EXPECT_EQ(opened<TFormBaseView>("TFormCadastroBairro"), nullptr);

    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList(4, kSuccess));
    const QJsonObject rua = lastPost();
    EXPECT_EQ(rua.value(QStringLiteral("cep")).toString(), QStringLiteral("30130010"));
    EXPECT_EQ(rua.value(QStringLiteral("descricao")).toString(),
              QStringLiteral("AVENIDA AFONSO PENA"));
    const QJsonArray bairros = demo.store().rows(QStringLiteral("/bairro"));
    const QJsonObject centro = bairros.last().toObject();
    EXPECT_EQ(centro.value(QStringLiteral("descricao")).toString(), QStringLiteral("CENTRO"));
    EXPECT_EQ(rua.value(QStringLiteral("idBairro")).toInteger(),
              centro.value(QStringLiteral("id")).toInteger());
    EXPECT_EQ(publico->count("GET", "/ws/30130010/json/"), 1u) << "the reply was asked once";
}

TEST_F(FormCadastroLogradouroTest, KnownNeighbourhoodFillsTheStreetAtOnceAndOpensNothing)
{
    form->SpeedButtonNovo->click();
    form->findCep(QStringLiteral("01327000"));
    EXPECT_EQ(form->EditCep->text(), QStringLiteral("01.327-000"));
    EXPECT_EQ(publico->count("GET", "/ws/01327000/json/"), 1u);
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("RUA TREZE DE MAIO"));
    EXPECT_EQ(form->EditBairro->text(), QStringLiteral("BELA VISTA"));
    EXPECT_EQ(form->EditMunicipio->text(), QStringLiteral("SÃO PAULO"));
    EXPECT_EQ(form->EditUf->text(), QStringLiteral("SP"));
    EXPECT_EQ(opened<TFormBaseView>("TFormCadastroBairro"), nullptr);
    EXPECT_EQ(form->Cep(), nullptr) << "nothing handed on";

    // Clearing the neighbourhood empties its city and state.
    form->Presenter()->FindItemControl(QStringLiteral("EditBairro"))->Clear();
    EXPECT_TRUE(form->EditMunicipio->text().isEmpty());
    EXPECT_TRUE(form->EditUf->text().isEmpty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormCadastroLogradouroTest, LeavingTheCodeOfAStoredStreetLooksUpOnlyWhenItHasNoName)
{
    search(QStringLiteral("AVENIDA PAULISTA"));
    ASSERT_EQ(frames().size(), 1);
    frames().first()->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditCep->text(), QStringLiteral("01.310-100"));
    EXPECT_EQ(form->EditBairro->text(), QStringLiteral("BELA VISTA"));

    form->EditCepExit(form->EditCep);
    EXPECT_EQ(publicRequests(), 0u) << "a stored street with a name keeps it";
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("AVENIDA PAULISTA"));

    form->EditDescricao->clear();
    form->EditCepExit(form->EditCep);
    EXPECT_EQ(publico->count("GET", "/ws/01310100/json/"), 1u);
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("RUA TREZE DE MAIO"));
}

TEST_F(FormCadastroLogradouroTest, UnreachablePublicServiceIsShownAndFillsNothing)
{
    publico.reset(); // nobody listens on its port any more
    form->SpeedButtonNovo->click();
    form->findCep(QStringLiteral("30130010"));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_TRUE(form->EditDescricao->text().isEmpty());
    EXPECT_TRUE(form->EditBairro->text().isEmpty());
    EXPECT_EQ(opened<TFormBaseView>("TFormCadastroBairro"), nullptr);
}

// Every window of the cascade works from its own copy of the public reply: the street window
// lets its reply go as soon as its lookup ends, and may itself be gone before the others.
TEST_F(FormCadastroLogradouroTest, EachCascadeWindowKeepsItsOwnCopyOfTheReply)
{
    form->SpeedButtonNovo->click();
    form->findCep(QStringLiteral("30130010"));
    auto *bairro = opened<TFormCadastroBairro>("TFormCadastroBairro");
    auto *municipio = opened<TFormCadastroMunicipio>("TFormCadastroMunicipio");
    ASSERT_TRUE(bairro && municipio);

    // The street window clears its own copy and closes; the others still read theirs.
    dialogs.answerQuestion(7);
    form->SpeedButtonCloseClick(nullptr);
    waitIdle();
    FlushDeletes();
    ASSERT_EQ(opened<TFormBaseView>("TFormCadastroLogradouro"), nullptr);
    ASSERT_TRUE(bairro->Cep() && municipio->Cep());
    EXPECT_EQ(bairro->Cep()->Localidade, QStringLiteral("Belo Horizonte"));
    EXPECT_EQ(bairro->Cep()->Uf, QStringLiteral("MG"));
    EXPECT_EQ(municipio->Cep()->Uf, QStringLiteral("MG"));
    EXPECT_EQ(municipio->Cep()->Ibge, QStringLiteral("3106200"));
}

} // namespace
