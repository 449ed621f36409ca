#include "App.Presenter.Pessoa.h"

#include "Common.Lib.PictureText.h"

#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "MemTable.h"

#include "support/TestTexts.h"
#include "support/FakeBackend.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Pessoa, PresenterContract, TPessoaPresenter);

const QString threeLetters
    = QStringLiteral("WARNING:Para realizar a pesquisa é necessário 3 letras no mínimo.");

class PessoaPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    QWidget window;
    TEdit *EditNome = new TEdit(&window, QStringLiteral("EditNome"));
    std::unique_ptr<TPessoaPresenter> presenter = TBasePresenter::Create<TPessoaPresenter>();

    PessoaPresenterTest()
    {
        presenter->SetProcFillListControl(
            [this] { presenter->ManagerControls().Bind(EditNome, QStringLiteral("Nome")); });
    }

    QString failure(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const Exception &e) {
            return e.Message();
        }
        return {};
    }
    QJsonObject lastBody(const std::string &method, const std::string &path) const
    {
        const auto request = backend.last(method, path);
        if (!request) {
            ADD_FAILURE() << "no " << method << ' ' << path;
            return {};
        }
        return QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object();
    }
    // Answers a save with the body it got and the id 31.
    void echoSave(const std::string &path)
    {
        backend.on("POST", path, [](const RecordedRequest &request) {
            QJsonObject saved
                = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
            saved[QStringLiteral("id")] = 31;
            return FakeReply::json(QJsonDocument(saved).toJson().toStdString());
        });
    }
};

struct SearchCase
{
    const char *name;
    const char *text;
    bool searched;
};

class PessoaSearchTest : public PessoaPresenterTest,
                         public ::testing::WithParamInterface<SearchCase>
{
};

INSTANTIATE_TEST_SUITE_P(Texts,
                         PessoaSearchTest,
                         ::testing::Values(SearchCase { "TwoLetters", "ab", false },
                                           SearchCase { "Empty", "", false },
                                           SearchCase { "LetterAndDigit", "a1", false },
                                           SearchCase { "ShortNumber", "12", true },
                                           SearchCase { "ThreeLetters", "ana", true }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_P(PessoaSearchTest, ShortTextsMustBeNumbers)
{
    backend.on("GET",
               "/pessoa",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[)"
                               R"({"id":2,"nome":"MARIA","cpfCnpj":"52998224725",)"
                               R"("foto":"aGVsbG8="}]})"));
    presenter->TextSearch = QString::fromUtf8(GetParam().text);

    const QString refusal = failure([&] { presenter->findByFilterToDataSet(); });

    if (GetParam().searched) {
        EXPECT_EQ(refusal, QString());
        EXPECT_EQ(backend.last("GET", "/pessoa")->param("search"), GetParam().text);
        ASSERT_EQ(presenter->DataSetInfo().RecordCount(), 1);
        EXPECT_EQ(presenter->DataSetInfo().FieldByName(QStringLiteral("NOME"))->AsString(),
                  QStringLiteral("MARIA"));
    } else {
        EXPECT_EQ(refusal, threeLetters);
        EXPECT_EQ(backend.count("GET", "/pessoa"), 0u);
    }
}

TEST_F(PessoaPresenterTest, ListTableHoldsNoPhoto)
{
    EXPECT_EQ(presenter->DataSetInfo().FindField(QStringLiteral("FOTO")), nullptr);
    EXPECT_EQ(
        presenter->DataSetInfo().FieldByName(QStringLiteral("DATA_NASCIMENTO"))->DisplayFormat(),
        QStringLiteral("dd/mm/yyyy"));
}

// Two address rows (one hidden by the sub-form's search), no contact or link table: every row
// goes, the missing tables give empty lists, and the remove lines become ids.
TEST_F(PessoaPresenterTest, AggregateCarriesChildRowsRemovedIdsAndPhoto)
{
    TMemTable enderecos;
    enderecos.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
    enderecos.AddField(QStringLiteral("ID_PESSOA"), TFieldType::LargeInt);
    enderecos.AddField(QStringLiteral("NUMERO"), TFieldType::String, 100);
    enderecos.AddField(QStringLiteral("IS_COBRANCA"), TFieldType::Boolean);
    enderecos.CreateDataSet();
    for (const auto &[id, numero] : { std::pair { 0, "250" }, std::pair { 9, "1000" } }) {
        enderecos.Append();
        enderecos.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(id);
        enderecos.FieldByName(QStringLiteral("ID_PESSOA"))->SetAsLargeInt(7);
        enderecos.FieldByName(QStringLiteral("NUMERO"))->SetAsString(QString::fromLatin1(numero));
        enderecos.FieldByName(QStringLiteral("IS_COBRANCA"))->SetAsBoolean(id == 9);
        enderecos.Post();
    }
    enderecos.SetFilter(QStringLiteral("ID = 9"));
    enderecos.SetFiltered(true);
    TMemTable contatosFechada;
    presenter->DataSetEndereco = &enderecos;
    presenter->DataSetContato = &contatosFechada;

    *presenter->ListRemoveEndereco() << QStringLiteral("41") << QString();
    *presenter->ListRemoveContato() << QStringLiteral("5");
    presenter->Foto = TPictureText::FromBytes(QByteArray("\x89PNG\x81", 5));
    presenter->RemoverFoto = true;
    EditNome->setText(QStringLiteral("ANA"));
    echoSave("/pessoa/complex");

    presenter->PostComplex();

    const QJsonObject body = lastBody("POST", "/pessoa/complex");
    EXPECT_EQ(body[QStringLiteral("nome")].toString(), QStringLiteral("ANA"));
    const QJsonArray sent = listOf(body, "enderecos");
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0][QStringLiteral("numero")].toString(), QStringLiteral("250"));
    EXPECT_EQ(sent[0][QStringLiteral("id")].toInt(), 0);
    EXPECT_EQ(sent[1][QStringLiteral("idPessoa")].toInt(), 7);
    EXPECT_TRUE(sent[1][QStringLiteral("isCobranca")].toBool());
    EXPECT_EQ(listOf(body, "removeEnderecos"), (QJsonArray { 41, 0 }));
    EXPECT_EQ(listOf(body, "removeContatos"), (QJsonArray { 5 }));
    EXPECT_EQ(listOf(body, "contatos"), QJsonArray());
    for (const char *member : { "contatos", "pessoaIntegracaoApis", "removePessoaIntegracaoApis" })
        EXPECT_TRUE(body.value(QLatin1String(member)).isObject()) << member << " travels as a list";
    EXPECT_EQ(listOf(body, "pessoaIntegracaoApis"), QJsonArray());
    EXPECT_EQ(listOf(body, "removePessoaIntegracaoApis"), QJsonArray());
    EXPECT_TRUE(body[QStringLiteral("removerFoto")].toBool());
    EXPECT_EQ(TPictureText::ToBytes(TPictureText::Decode(body[QStringLiteral("foto")].toString())),
              QByteArray("\x89PNG\x81", 5));
    EXPECT_EQ(presenter->Entity()->Id, 31);

    // Clearing for the next record empties the remove lists.
    presenter->Clear(false, false, true);
    EXPECT_TRUE(presenter->ListRemoveEndereco()->isEmpty());
    EXPECT_TRUE(presenter->ListRemoveContato()->isEmpty());
}

TEST_F(PessoaPresenterTest, AggregateWithoutPhotoSendsItEmpty)
{
    echoSave("/pessoa/complex");
    presenter->PostComplex();

    const QJsonObject body = lastBody("POST", "/pessoa/complex");
    EXPECT_EQ(body[QStringLiteral("foto")].toString(), QString());
    EXPECT_FALSE(body[QStringLiteral("removerFoto")].toBool());
    EXPECT_EQ(listOf(body, "enderecos"), QJsonArray());
    EXPECT_EQ(listOf(body, "removeEnderecos"), QJsonArray());
}

TEST_F(PessoaPresenterTest, SinglePostSendsThePhotoEncoded)
{
    presenter->Foto = QString(57, u'a');
    echoSave("/pessoa");
    presenter->Post();

    EXPECT_EQ(lastBody("POST", "/pessoa")[QStringLiteral("foto")].toString(),
              TPictureText::Encode(QString(57, u'a')));
    EXPECT_EQ(presenter->Entity()->Id, 31);
}

TEST_F(PessoaPresenterTest, LoadingDecodesTheStoredPhotoAndKeepsItWhenThereIsNone)
{
    const QString held = TPictureText::FromBytes(QByteArray("\x89PNG\x00\xFF", 6));
    const QJsonObject stored { { "id", 7 },
                               { "nome", "ANA" },
                               { "foto", TPictureText::Encode(held) } };
    backend.on("GET", "/pessoa/7", FakeReply::json(QJsonDocument(stored).toJson().toStdString()));
    backend.on("GET", "/pessoa/8", FakeReply::json(R"({"id":8,"nome":"BIA","foto":""})"));

    presenter->findById(7);
    EXPECT_EQ(presenter->Foto, held);
    EXPECT_EQ(presenter->EntityAs<TPessoaEntity>()->Nome, QStringLiteral("ANA"));

    presenter->findById(8);
    EXPECT_EQ(presenter->Foto, held);
}

TEST_F(PessoaPresenterTest, RemovalNamesTheAggregateClass)
{
    backend.on("DELETE", "/pessoa", FakeReply::empty(204));
    presenter->Delete(7);
    const auto request = backend.last("DELETE", "/pessoa");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("name_class"), "TPessoaComplexPost");
}

} // namespace
