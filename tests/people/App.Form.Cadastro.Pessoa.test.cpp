#include "App.Form.Cadastro.Pessoa.h"

#include "App.Adapter.Frame.Contato.h"
#include "App.Adapter.Frame.Endereco.h"
#include "App.Adapter.Frame.Pessoa.h"
#include "App.Adapter.Frame.PessoaIntegracaoApi.h"
#include "App.Form.Cadastro.Logradouro.h"
#include "App.Form.SubCadastro.Contato.h"
#include "App.Form.SubCadastro.Endereco.h"
#include "App.Form.SubCadastro.PessoaIntegracaoApi.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.Pessoa.h"
#include "Common.Lib.PictureText.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPessoaSucesso = QStringLiteral("SUCCESSOperação realizada com sucesso.");
constexpr int kPessoaSim = 6;

// A street the back end does not know, in a neighbourhood it knows (BELA VISTA, SÃO PAULO, SP).
const char *const kPessoaTrezeDeMaio
    = R"({"cep":"01327-000","logradouro":"Rua Treze de Maio","complemento":"",)"
      R"("bairro":"Bela Vista","localidade":"São Paulo","uf":"SP","ibge":"3550308",)"
      R"("gia":"1004","ddd":"11","siafi":"7107"})";

QByteArray pessoaPng(const QImage &AImage)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    AImage.save(&buffer, "PNG");
    return png;
}

// Noise compresses to nothing: a picture of this many rows is about 769 bytes per row as PNG.
QImage pessoaRuido(int AHeight)
{
    QImage image(256, AHeight, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

// The stand-in back end's seed: FUNERÁRIA SÃO JOSÉ LTDA (1) with one billing address and one
// contact, MARIA APARECIDA DOS SANTOS (2) with an address, a contact and a payment-API link, and
// JOSÉ CARLOS DOS SANTOS (3) with none.
class FormCadastroPessoaTest
    : public RegistrationWindowFixture<TFormCadastroPessoa, TPessoaFrameAdapter>
{
protected:
    FormCadastroPessoaTest()
        : RegistrationWindowFixture("TFormCadastroPessoa", "/pessoa/complex")
    {
        QFile file(fake.folder() + QStringLiteral("/zunta_conf.ini"));
        if (file.open(QIODevice::Append))
            file.write(QStringLiteral("\n[API-CEP]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/\n")
                           .arg(publico.port())
                           .toUtf8());
        publico.on("GET", "/ws/01327000/json/", FakeReply::json(kPessoaTrezeDeMaio));
    }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        if (!form)
            return;
        enderecos = form->FormSubCadastroEndereco();
        contatos = form->FormSubCadastroContato();
        integracoes = form->FormSubCadastroPessoaIntegracaoApi();
    }

    void open(const QString &ANome)
    {
        search(QStringLiteral("SANTOS"));
        TPessoaFrameAdapter *row = frameOf(&TPessoaFrameAdapter::LabelNome, ANome);
        if (!row) {
            search(QStringLiteral("LTDA"));
            row = frameOf(&TPessoaFrameAdapter::LabelNome, ANome);
        }
        ASSERT_NE(row, nullptr) << ANome.toStdString();
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
        ASSERT_EQ(form->EditNome->text(), ANome);
    }
    void group(int AIndex) { form->ListMenuGrupo()[AIndex]->Click(); }

    QStringList enderecoRows() const
    {
        QStringList texts;
        for (TEnderecoFrameAdapter *row : rowsOf<TEnderecoFrameAdapter>(enderecos))
            texts << row->LabelEndereco->text() + u'|' + row->LabelOutrasInformacoes->text() + u'|'
                    + row->LabelTipoEndereco->text() + u'|' + row->LabelIsCobranca->text();
        texts.sort();
        return texts;
    }
    static void setLookup(TFormBaseSubCadastro *AForm, const char *AControl, std::int64_t AId)
    {
        AForm->Presenter()
            ->FindItemControl(QLatin1String(AControl))
            ->SetValueControl(QString::number(AId));
        waitIdle();
    }
    // A new address typed by its postal code, number and type; saved into the list.
    void addEndereco(const QString &ACep, const QString &ANumero, bool ACobranca)
    {
        group(1);
        enderecos->SpeedButtonNovo->click();
        typeText(enderecos->EditCep, ACep);
        enderecos->EditCepExit(enderecos->EditCep);
        waitIdle();
        typeText(enderecos->EditNumero, ANumero);
        setLookup(enderecos, "EditListaEndereco", 67);
        enderecos->CheckBoxIsCobranca->setChecked(ACobranca);
        enderecos->SpeedButtonSalvar->click();
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    static QJsonArray listOf(const QJsonObject &ABody, const char *AName)
    {
        return ABody.value(QLatin1String(AName)).toObject().value("listHelper").toArray();
    }
    TPessoaPresenter &presenter() const
    {
        return *static_cast<TPessoaPresenter *>(form->Presenter());
    }
    // A picture file in the test's folder.
    QString writeFile(const QString &AName, const QByteArray &ABytes)
    {
        const QString path = pasta.filePath(AName);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ABytes);
        return path;
    }
    void choosePhoto(const QString &APath)
    {
        dialogs.chooseOpenFile(APath);
        form->ImageFotoClick(form->ImageFoto);
    }
    // The photo the last save sent, as a picture.
    QImage sentPhoto()
    {
        const QString wire = lastPost().value("foto").toString();
        return QImage::fromData(TPictureText::ToBytes(TPictureText::Decode(wire)));
    }

    FakeBackend publico;
    QTemporaryDir pasta;
    TFormSubCadastroEndereco *enderecos = nullptr;
    TFormSubCadastroContato *contatos = nullptr;
    TFormSubCadastroPessoaIntegracaoApi *integracoes = nullptr;
};

struct PessoaMascaraCase
{
    const char *name;
    const char *cpfCnpj;
    const char *shown;
};

class PessoaFrameMascaraTest : public ::testing::TestWithParam<PessoaMascaraCase>
{
};

TEST_P(PessoaFrameMascaraTest, ShowsOnlyAFewDigitsOfTheTaxId)
{
    EXPECT_EQ(TPessoaFrameAdapter::CpfCnpjMascarado(QLatin1String(GetParam().cpfCnpj)),
              QLatin1String(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Rows,
    PessoaFrameMascaraTest,
    ::testing::Values(PessoaMascaraCase { "Cpf", "12345678901", "***.456.***-01" },
                      PessoaMascaraCase { "Cnpj", "12345678000195", "**.345.***/***1-95" },
                      PessoaMascaraCase {
                          "TwelveCharactersAsCnpj", "123456789012", "**.345.***/***2-" },
                      PessoaMascaraCase { "Empty", "", "***..***-" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormCadastroPessoaTest, RowsShowBirthdayContractLineAndAddress)
{
    EXPECT_EQ(form->LabelTitleForm->text(),
              QStringLiteral("CADASTRO DE PESSOAS (CLIENTES / FORNECEDORES / PARCEIROS)"));
    demo.backend().on(
        "GET",
        "/pessoa",
        FakeReply::json(
            R"({"total":3,"pages":1,"listHelper":[)"
            R"({"id":1,"nome":"ATIVA","cpfCnpj":"12345678901","dataNascimento":"1961-09-14T12:00:00.000Z",)"
            R"("numeroContrato":123,"dependenteAtivo":true,"parentesco":"TITULAR",)"
            R"("logradouro":"RUA A","numero":"10","bairro":"CENTRO","complemento":"FUNDOS"},)"
            R"({"id":2,"nome":"DESATIVADA","cpfCnpj":"12345678000195","numeroContrato":77,)"
            R"("dependenteAtivo":false,"parentesco":"FILHA","logradouro":"RUA B","numero":"2",)"
            R"("bairro":"SUL"},)"
            R"({"id":3,"nome":"SEM CONTRATO","numeroContrato":0,"parentesco":"NENHUM"}]})"));
    search(QStringLiteral("TODAS"));
    TPessoaFrameAdapter *ativa = frameOf(&TPessoaFrameAdapter::LabelNome, QStringLiteral("ATIVA"));
    TPessoaFrameAdapter *desativada
        = frameOf(&TPessoaFrameAdapter::LabelNome, QStringLiteral("DESATIVADA"));
    TPessoaFrameAdapter *sem
        = frameOf(&TPessoaFrameAdapter::LabelNome, QStringLiteral("SEM CONTRATO"));
    ASSERT_TRUE(ativa && desativada && sem);

    EXPECT_EQ(ativa->LabelCpfCnpj->text(), QStringLiteral("***.456.***-01"));
    EXPECT_EQ(ativa->LabelDataNascimento->text(), QStringLiteral("14/09"));
    EXPECT_FALSE(ativa->LayoutInformacoesContrato->isHidden());
    EXPECT_EQ(ativa->LabelNumeroContrato->text(), QStringLiteral("Ativo no Contrato: 123"));
    EXPECT_EQ(ativa->LabelParentesco->text(), QStringLiteral("TITULAR"));
    EXPECT_EQ(ativa->LabelEndereco->text(), QStringLiteral("RUA A, 10, CENTRO, FUNDOS"));

    EXPECT_EQ(desativada->LabelCpfCnpj->text(), QStringLiteral("**.345.***/***1-95"));
    EXPECT_EQ(desativada->LabelDataNascimento->text(), QString());
    EXPECT_EQ(desativada->LabelNumeroContrato->text(),
              QStringLiteral("Desativado no Contrato: 77"));
    EXPECT_EQ(desativada->LabelEndereco->text(), QStringLiteral("RUA B, 2, SUL"));

    EXPECT_TRUE(sem->LayoutInformacoesContrato->isHidden());
    EXPECT_EQ(sem->LabelParentesco->text(), QString()) << "the kinship is left alone";
    EXPECT_EQ(sem->LabelEndereco->text(), QString());
}

TEST_F(FormCadastroPessoaTest, PhotoIsSentAsItIsUpTo500KBAndHalvedAt1000KB)
{
    // Heights whose PNG is about 400 KB, exactly 500 KB and about 1000 KB.
    const QImage maior = pessoaRuido(1400);
    int exato = 0;
    for (int altura = 660; altura < 700 && exato == 0; ++altura)
        if (pessoaPng(maior.copy(0, 0, 256, altura)).size() / 1024 == 500)
            exato = altura;
    ASSERT_GT(exato, 0);

    for (const int altura : { 530, exato, 1330 }) {
        SCOPED_TRACE(altura);
        const QImage imagem = maior.copy(0, 0, 256, altura);
        const qsizetype kb = pessoaPng(imagem).size() / 1024;
        form->SpeedButtonNovo->click();
        typeText(form->EditNome, QStringLiteral("PESSOA COM FOTO"));
        choosePhoto(writeFile(QStringLiteral("retrato.PNG"), pessoaPng(imagem)));
        EXPECT_FALSE(form->ImageFoto->bitmap().isNull()) << "the upper-case suffix is accepted";
        save();
        EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
        const QImage enviada = sentPhoto();
        if (kb <= 500) {
            EXPECT_EQ(enviada.size(), imagem.size()) << kb << " KB";
        } else {
            const double r = 500.0 / double(kb);
            EXPECT_EQ(enviada.width(), int(256 * r)) << kb << " KB";
            EXPECT_EQ(enviada.height(), int(altura * r)) << kb << " KB";
            EXPECT_NEAR(r, 0.5, 0.02);
        }
        EXPECT_TRUE(form->ImageFoto->bitmap().isNull()) << "the photo area empties after a save";
    }
}

TEST_F(FormCadastroPessoaTest, RefusedFileLeavesThePhotoAsItWas)
{
    form->SpeedButtonNovo->click();
    const QImage imagem = pessoaRuido(20);
    choosePhoto(writeFile(QStringLiteral("retrato.png"), pessoaPng(imagem)));
    ASSERT_EQ(form->ImageFoto->bitmap().size(), imagem.size());
    presenter().RemoverFoto = true;

    // A folder named like a picture makes no picture of what it holds.
    QDir(pasta.path()).mkdir(QStringLiteral("fotos.png"));
    choosePhoto(writeFile(QStringLiteral("fotos.png/retrato.bmp"), pessoaPng(pessoaRuido(5))));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Extensão de arquivo inválido.\r\nFormatos "
                                           "aceitos: .jpg, .jpeg e .png") });
    dialogs.clearMessages();
    choosePhoto(writeFile(QStringLiteral("quebrada.jpg"), QByteArray("no picture here")));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.lastMessage().Text.startsWith(
        QStringLiteral("Não foi possível abrir a imagem escolhida.")))
        << dialogs.lastMessage().Text.toStdString();
    EXPECT_EQ(form->ImageFoto->bitmap().size(), imagem.size());
    EXPECT_TRUE(presenter().RemoverFoto);
}

TEST_F(FormCadastroPessoaTest, ConfirmedRemovalSendsRemoverFotoAndNoPhoto)
{
    open(QStringLiteral("JOSÉ CARLOS DOS SANTOS"));
    choosePhoto(writeFile(QStringLiteral("retrato.jpeg"), pessoaPng(pessoaRuido(10))));
    dialogs.answerQuestion(kPessoaSim);
    form->SpeedButtonExcluirFoto->click();
    EXPECT_EQ(dialogs.lastMessage().Text, QStringLiteral("Deseja realizar a exclusão da foto?"));
    EXPECT_TRUE(form->ImageFoto->bitmap().isNull());
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
    EXPECT_TRUE(lastPost().value("removerFoto").toBool());
    EXPECT_EQ(lastPost().value("foto").toString(), QString());
}

TEST_F(FormCadastroPessoaTest, AddressesByPostalCodeKeepOneBillingAddress)
{
    open(QStringLiteral("FUNERÁRIA SÃO JOSÉ LTDA"));
    group(1);
    EXPECT_EQ(enderecoRows(),
              QStringList { QStringLiteral(
                  "AVENIDA PAULISTA, 1000|BELA VISTA - SÃO PAULO - SP|COMERCIAL|Sim") });

    enderecos->SpeedButtonNovo->click();
    EXPECT_FALSE(enderecos->CheckBoxIsCobranca->isChecked()) << "the list has a row already";
    typeText(enderecos->EditCep, QStringLiteral("01424000"));
    EXPECT_EQ(enderecos->EditCep->text(), QStringLiteral("01.424-000"));
    enderecos->EditCepExit(enderecos->EditCep);
    waitIdle();
    EXPECT_EQ(enderecos->EditLogradouro->text(), QStringLiteral("ALAMEDA LORENA"));
    EXPECT_EQ(enderecos->EditBairro->text(), QStringLiteral("JARDIM PAULISTA"));
    EXPECT_EQ(enderecos->EditMunicipio->text(), QStringLiteral("SÃO PAULO"));
    EXPECT_EQ(enderecos->EditUF->text(), QStringLiteral("SP"));

    // With a street chosen, leaving the code asks nothing.
    demo.backend().clearRequests();
    enderecos->EditCepExit(enderecos->EditCep);
    waitIdle();
    EXPECT_TRUE(demo.backend().requests().empty());

    typeText(enderecos->EditNumero, QStringLiteral("55"));
    setLookup(enderecos, "EditListaEndereco", 67);
    enderecos->CheckBoxIsCobranca->setChecked(true);
    enderecos->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
    EXPECT_EQ(enderecoRows(),
              (QStringList { QStringLiteral("ALAMEDA LORENA, 55|JARDIM PAULISTA - SÃO PAULO - "
                                            "SP|RESIDENCIAL|Sim"),
                             QStringLiteral("AVENIDA PAULISTA, 1000|BELA VISTA - SÃO PAULO - "
                                            "SP|COMERCIAL|Não") }));

    // An empty address names its three required fields in one message.
    dialogs.clearMessages();
    enderecos->SpeedButtonNovo->click();
    enderecos->SpeedButtonSalvar->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const QString text = dialogs.lastMessage().Text;
    for (const char *title : { "Logradouro", "Número", "Tipo do Endereço" })
        EXPECT_TRUE(text.contains(
            QStringLiteral("O campo %1 não possui um valor válido.").arg(QString::fromUtf8(title))))
            << text.toStdString();
}

// A street whose lookup left fewer than three names gives the row none of them, and no failure.
TEST_F(FormCadastroPessoaTest, StreetWithoutItsThreeNamesLeavesThemEmptyInTheRow)
{
    open(QStringLiteral("JOSÉ CARLOS DOS SANTOS"));
    group(1);
    enderecos->SpeedButtonNovo->click();
    setLookup(enderecos, "EditLogradouro", 2);
    enderecos->Presenter()->FindItemControl(QStringLiteral("EditLogradouro"))->OtherInfo
        = QStringLiteral("JARDIM PAULISTA;SÃO PAULO");
    typeText(enderecos->EditNumero, QStringLiteral("1"));
    setLookup(enderecos, "EditListaEndereco", 67);
    enderecos->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
    EXPECT_EQ(enderecoRows(),
              QStringList { QStringLiteral("ALAMEDA LORENA, 1| -  - |RESIDENCIAL|Sim") });
}

TEST_F(FormCadastroPessoaTest, UnknownPostalCodeOpensTheStreetWindowWithItLookedUp)
{
    open(QStringLiteral("JOSÉ CARLOS DOS SANTOS"));
    group(1);
    enderecos->SpeedButtonNovo->click();
    EXPECT_TRUE(enderecos->CheckBoxIsCobranca->isChecked()) << "the first address bills";
    typeText(enderecos->EditCep, QStringLiteral("01327000"));
    enderecos->EditCepExit(enderecos->EditCep);
    waitIdle();
    auto *rua = dynamic_cast<TFormCadastroLogradouro *>(
        TApplicationZunta::GetInstance().FormOpened(QStringLiteral("TFormCadastroLogradouro")));
    ASSERT_NE(rua, nullptr);
    EXPECT_EQ(rua->EditCep->text(), QStringLiteral("01.327-000"));
    EXPECT_EQ(rua->EditBairro->text(), QStringLiteral("BELA VISTA"))
        << "the public reply's neighbourhood, known to the back end";
    EXPECT_EQ(rua->EditDescricao->text(), QStringLiteral("RUA TREZE DE MAIO"));
    EXPECT_EQ(publico.count("GET", "/ws/01327000/json/"), 1u);
    EXPECT_TRUE(enderecos->EditLogradouro->text().isEmpty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

TEST_F(FormCadastroPessoaTest, SavedPersonReopensWithEveryChildRow)
{
    demo.store().seed(QStringLiteral("/pessoa-integracao-api"),
                      QJsonArray { QJsonObject { { "id", 50 },
                                                 { "idPessoa", 3 },
                                                 { "idIntegracaoApiFinanceira", 1 },
                                                 { "codigoClienteIntegracaoApi", "CUS_9" },
                                                 { "dataInicial", "2024-05-01T12:00:00.000Z" },
                                                 { "dataFinal", "2024-06-01T12:00:00.000Z" } } });
    open(QStringLiteral("JOSÉ CARLOS DOS SANTOS"));
    addEndereco(QStringLiteral("01424000"), QStringLiteral("7"), true);

    group(2);
    contatos->SpeedButtonNovo->click();
    EXPECT_TRUE(contatos->CheckBoxIsCobranca->isChecked());
    setLookup(contatos, "EditListaTipoContato", 69);
    typeText(contatos->EditTelefone, QStringLiteral("(11) 98765-4321"));
    contatos->SpeedButtonSalvar->click();
    const auto contatoRows = rowsOf<TContatoFrameAdapter>(contatos);
    ASSERT_EQ(contatoRows.size(), 1);
    EXPECT_EQ(contatoRows[0]->LabelTelefone->text(), QStringLiteral("11987654321"));
    EXPECT_EQ(contatoRows[0]->LabelTipoContato->text(), QStringLiteral("CELULAR"));

    demo.backend().clearRequests();
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("id").toInteger(), 3);
    const QJsonArray enviados = listOf(body, "enderecos");
    ASSERT_EQ(enviados.size(), 1);
    EXPECT_EQ(enviados[0].toObject().value("idLogradouro").toInteger(), 2);
    EXPECT_EQ(enviados[0].toObject().value("numero").toString(), QStringLiteral("7"));
    EXPECT_TRUE(enviados[0].toObject().value("isCobranca").toBool());
    ASSERT_EQ(listOf(body, "contatos").size(), 1);
    EXPECT_EQ(listOf(body, "contatos")[0].toObject().value("telefone").toString(),
              QStringLiteral("11987654321"));

    // The stored person is read back with its three child lists, in this order.
    std::vector<std::string> leituras;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && request.path.find("/pessoa/3") != std::string::npos
            && request.path != "/pessoa/3")
            leituras.push_back(request.path);
    EXPECT_EQ(leituras,
              (std::vector<std::string> {
                  "/endereco/pessoa/3", "/contato/pessoa/3", "/pessoa-integracao-api/pessoa/3" }));
    group(1);
    EXPECT_EQ(rowsOf<TEnderecoFrameAdapter>(enderecos).size(), 1);
    group(2);
    EXPECT_EQ(rowsOf<TContatoFrameAdapter>(contatos).size(), 1);
    group(3);
    const auto links = rowsOf<TPessoaIntegracaoApiFrameAdapter>(integracoes);
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0]->LabelDataFinal->text(), QStringLiteral("01/06/2024"));
    EXPECT_EQ(links[0]->LabelMotivo->text(), QStringLiteral("Sem Motivo"));
    EXPECT_EQ(links[0]->LabelIntegracaoApiFinanceira->text(), QString());
}

TEST_F(FormCadastroPessoaTest, OpenLinkShowsSemDataAndRemovedAddressIsSentForRemoval)
{
    open(QStringLiteral("MARIA APARECIDA DOS SANTOS"));
    group(3);
    const auto links = rowsOf<TPessoaIntegracaoApiFrameAdapter>(integracoes);
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0]->LabelDataFinal->text(), QStringLiteral("Sem Data"));
    EXPECT_EQ(links[0]->LabelMotivo->text(), QStringLiteral("ADESÃO À COBRANÇA AUTOMÁTICA"));
    EXPECT_EQ(links[0]->LabelCodigoClienteIntegracaoApi->text(), QStringLiteral("CUS_000123"));

    group(1);
    const auto rows = rowsOf<TEnderecoFrameAdapter>(enderecos);
    ASSERT_EQ(rows.size(), 1);
    dialogs.answerQuestion(kPessoaSim);
    rows[0]->SpeedButtonRemove->click();
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPessoaSucesso });
    EXPECT_EQ(listOf(lastPost(), "removeEnderecos"), QJsonArray { 2 });
    EXPECT_TRUE(listOf(lastPost(), "enderecos").isEmpty());
    EXPECT_TRUE(demo.store().rows(QStringLiteral("/endereco")).size() == 1)
        << "the back end deleted the address";
}

struct PessoaRecusaCase
{
    const char *name;
    bool json;
    int status;
    const char *body;
    const char *shown;
};

class FormCadastroPessoaRecusaTest : public FormCadastroPessoaTest,
                                     public ::testing::WithParamInterface<PessoaRecusaCase>
{
};

TEST_P(FormCadastroPessoaRecusaTest, RefusedSaveIsShownAndKeepsWhatWasTyped)
{
    open(QStringLiteral("FUNERÁRIA SÃO JOSÉ LTDA"));
    form->EditRg->setText(QStringLiteral("MG123"));
    addEndereco(QStringLiteral("01424000"), QStringLiteral("9"), false);
    demo.backend().on("POST",
                      "/pessoa/complex",
                      GetParam().json ? FakeReply::json(GetParam().body, GetParam().status)
                                      : FakeReply::text(GetParam().body, GetParam().status));
    save();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.lastMessage().Text.contains(QString::fromUtf8(GetParam().shown)))
        << dialogs.lastMessage().Text.toStdString();
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditRg->text(), QStringLiteral("MG123"));
    EXPECT_EQ(enderecoRows().size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Replies,
    FormCadastroPessoaRecusaTest,
    ::testing::Values(PessoaRecusaCase { "Refused",
                                         true,
                                         400,
                                         R"({"message":"WARNING:CPF/CNPJ já cadastrado."})",
                                         "CPF/CNPJ já cadastrado." },
                      PessoaRecusaCase { "NotJson", false, 200, "<html>proxy</html>", "" }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
