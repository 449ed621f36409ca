#include "App.Adapter.Frame.DependenteContratoContato.h"
#include "App.Interf.Presenter.TokenAcesso.h"
#include "App.View.Sub.DependenteContratoContato.h"
#include "App.View.Sub.QrCode.h"

#include "App.Base.Presenter.h"
#include "App.Base.Service.h"
#include "App.Lib.Application.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.Utils.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Dto.Empresa.h"

#include "Image.h"
#include "Label.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <ZXing/DecodeHints.h>
#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

// The member app's token record as the access-token subsystem declares it; the window reads it
// by property name only.
class TTokenAcessoAppTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TTokenAcessoAppTesteDto)

    std::int64_t IdUsuario = 0;
    QString Usuario;
    bool IsAppAssociado = false;
};
BOOST_DESCRIBE_STRUCT(TTokenAcessoAppTesteDto, (TBaseDto), (IdUsuario, Usuario, IsAppAssociado))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TTokenAcessoAppTesteDto)

namespace {

const QString kNaoLocalizadas = QStringLiteral("WARNING:Informações não localizadas.");
const QString kPerguntaReset
    = QStringLiteral("QUESTION:Confirma gerar o reset da senha desse contato?");

// The two token requests of the access-token presenter, as small as the window needs them.
class TTokenAcessoTestePresenter final : public TBasePresenter, public ITokenAcessoPresenter
{
public:
    TTokenAcessoTestePresenter()
        : TBasePresenter(QStringLiteral("TTokenAcessoPresenter"))
    { }

    std::unique_ptr<TSerializeObject> getAppAssociado() override
    {
        TBaseService service(QStringLiteral("TTokenAcessoService"));
        service.ClearRequest();
        service.SetTimeOut(30000);
        service.ExecuteGet(
            service.ResourceName() + QStringLiteral("/app-associado"), {}, {}, true, 1, 100, {});
        if (service.StatusCode() != 200)
            return nullptr;
        return service.readReplyObject<TTokenAcessoAppTesteDto>();
    }
    QString getTokenUser(const TSerializeObject &ATokenAcesso) override
    {
        TBaseService service(QStringLiteral("TTokenAcessoService"));
        service.ClearRequest();
        service.Request().AddBody(ATokenAcesso.AsJson(), QStringLiteral("application/json"));
        service.ExecutePost(service.ResourceName() + QStringLiteral("/token-user"));
        return service.StatusCode() == 304 ? QString() : service.ResponseContent();
    }

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override { return nullptr; }
    std::unique_ptr<TBaseService> CreateService() override { return nullptr; }
};

// The contacts window of member 39 (person 9, contract 77 of code "1234") with two contacts: 31
// with an e-mail, 32 with a phone only; the token presenter stands in while a test runs.
class DependenteContratoContatoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":1})"));
        backend.on(
            "GET",
            "/contato/pessoa/9",
            FakeReply::json(R"({"listHelper":[{"id":31,"tipoContato":"CELULAR","telefone":"",)"
                            R"("internet":"maria@exemplo.com","isCobranca":true},)"
                            R"({"id":32,"tipoContato":"FIXO","telefone":"(31) 3333-4444",)"
                            R"("internet":""}]})"));
        backend.on("GET",
                   "/token-acesso/app-associado",
                   FakeReply::json(R"({"id":5,"idUsuario":44,"usuario":"APP ASSOCIADO"})"));
        backend.on("POST", "/token-acesso/token-user", FakeReply::text("tok.en.123"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
        TEmpresaDto &empresa = TApplicationZunta::GetInstance().EmpresaLogado();
        empresa.Id = 2;
        empresa.Empresa = QStringLiteral("FUNERÁRIA CENTRAL");
        empresa.CpfCnpj = QStringLiteral("11222333000181");
        abrir(QStringLiteral("MARIA DA SILVA"), QStringLiteral("1234"));
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
    }

    void abrir(const QString &ANome, const QString &ACodigo)
    {
        view.reset(TFormBase::Create<TFormSubViewDependenteContratoContato>());
        view->LabelNome->setText(ANome);
        view->SetIdDependenteContrato(39);
        view->SetIdContrato(77);
        view->SetCodigoContrato(ACodigo);
        view->SetCpfAssociado(QStringLiteral("12345678909"));
        view->SetProcAddContato([this] { ++adicionados; });
        view->SetIdPessoa(9);
        waitIdle();
        ASSERT_TRUE(waitFor([this] { return linhas().size() == 2; }));
    }
    std::vector<TDependenteContratoContatoFrameAdapter *> linhas() const
    {
        auto rows
            = view->VertScrollBoxContatos->findChildren<TDependenteContratoContatoFrameAdapter *>();
        std::vector<TDependenteContratoContatoFrameAdapter *> ordered(rows.begin(), rows.end());
        std::sort(ordered.begin(), ordered.end(), [](auto *a, auto *b) {
            return a->TagString < b->TagString;
        });
        return ordered;
    }
    TDependenteContratoContatoFrameAdapter &linha(int AIndex) const { return *linhas().at(AIndex); }
    QJsonObject copiar(int ALinha)
    {
        linha(ALinha).ButtonCopiarToken->click();
        waitIdle();
        return QJsonDocument::fromJson(dialogs.clipboardText().toUtf8()).object();
    }
    static bool overlayShowing()
    {
        for (QWidget *widget : QApplication::allWidgets())
            if (const auto *container = dynamic_cast<const TFormContainer *>(widget);
                container && container->IsShowing())
                return true;
        return false;
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    const TClassRegistration tokenAcesso {
        QStringLiteral("TTokenAcessoPresenter"),
        TPresenterFactory([] { return TBasePresenter::Create<TTokenAcessoTestePresenter>(); })
    };
    std::unique_ptr<TFormSubViewDependenteContratoContato> view;
    int adicionados = 0;
};

// Collects what Qt's message handler receives while it lives.
class LogCapture
{
public:
    LogCapture() { m_previous = qInstallMessageHandler(&LogCapture::handler); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &AText)
    {
        lines() << AText;
    }
    QtMessageHandler m_previous = nullptr;
};

TEST_F(DependenteContratoContatoTest, ShowsTheContactsOfTheMembersPerson)
{
    EXPECT_EQ(linha(0).LabelInternet->text(), QStringLiteral("maria@exemplo.com"));
    EXPECT_EQ(linha(0).LabelIsCobranca->text(), QStringLiteral("Sim"));
    EXPECT_EQ(linha(1).LabelTelefone->text(), QStringLiteral("(31) 3333-4444"));
    EXPECT_EQ(linha(1).LabelIsCobranca->text(), QStringLiteral("Não"));
    EXPECT_EQ(linha(0).ButtonResetarSenha->text(), QStringLiteral("Resetar Senha"));
}

// Each contact is marked once per opening and reaches the contract's list through the opener;
// the password is shown to the clerk and written to no log.
TEST_F(DependenteContratoContatoTest, MarksEachContactForAPasswordResetOnce)
{
    const QString aviso = QStringLiteral(
        "WARNING:ATENÇÃO: Para efetuar o reset da senha, é necessário salvar o contrato.\r\n"
        "Senha que será gerada: %1");
    LogCapture log;
    LogCapture::lines().clear();

    dialogs.answerQuestions({ kNo, kYes, kYes, kYes });
    linha(0).ButtonResetarSenha->click();
    EXPECT_TRUE(view->ListContatos().empty());
    linha(0).ButtonResetarSenha->click();
    linha(0).ButtonResetarSenha->click();
    linha(1).ButtonResetarSenha->click();

    const QString senha = view->SenhaWebPadrao();
    EXPECT_TRUE(senha.endsWith(QStringLiteral("1234")));
    EXPECT_EQ(senha.size(), 12 + 4);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kPerguntaReset,
                             kPerguntaReset,
                             aviso.arg(senha),
                             kPerguntaReset,
                             QStringLiteral("WARNING:A informação não pode ser duplicada."),
                             kPerguntaReset,
                             aviso.arg(senha) }));
    EXPECT_EQ(view->ListContatos(), (TListInt64 { 31, 32 }));
    EXPECT_EQ(adicionados, 2);
    for (const QString &line : LogCapture::lines())
        EXPECT_FALSE(line.contains(senha)) << line.toStdString();
}

TEST_F(DependenteContratoContatoTest, CopiesTheDeviceReleaseTextOfTheContact)
{
    const QJsonObject porEmail = copiar(0);
    ASSERT_TRUE(backend.last("GET", "/token-acesso/app-associado"));
    const auto pedido = backend.last("POST", "/token-acesso/token-user");
    ASSERT_TRUE(pedido);
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(pedido->body))
                    .object()
                    .value("isAppAssociado")
                    .toBool())
        << pedido->body;
    EXPECT_EQ(porEmail.value("idEmpresa").toInteger(), 2);
    EXPECT_EQ(porEmail.value("empresa").toString(), QStringLiteral("FUNERÁRIA CENTRAL"));
    EXPECT_EQ(porEmail.value("idUsuario").toInteger(), 44);
    EXPECT_EQ(porEmail.value("usuario").toString(), QStringLiteral("APP ASSOCIADO"));
    EXPECT_EQ(porEmail.value("token").toString(), QStringLiteral("tok.en.123"));
    EXPECT_EQ(porEmail.value("idAssociado").toInteger(), 39);
    EXPECT_EQ(porEmail.value("loginAssociado").toString(), QStringLiteral("maria@exemplo.com"));
    EXPECT_EQ(porEmail.value("nomeAssociado").toString(), QStringLiteral("MARIA DA SILVA"));
    EXPECT_EQ(porEmail.value("numeroContrato").toInteger(), 1234);
    EXPECT_EQ(porEmail.value("idContrato").toInteger(), 77);
    EXPECT_EQ(porEmail.value("cpfAssociado").toString(), QStringLiteral("12345678909"));
    EXPECT_EQ(porEmail.value("cnpjEmpresa").toString(), QStringLiteral("11222333000181"));
    EXPECT_TRUE(porEmail.value("urlBase").toString().startsWith(QStringLiteral("http://")));
    EXPECT_TRUE(dialogs.clipboardText().contains(QStringLiteral("\"urlBase\":\"http://")));
    EXPECT_FALSE(dialogs.clipboardText().contains(QStringLiteral("\\/")));
    EXPECT_EQ(view->LabelMessageBottom->text(),
              QStringLiteral("Copiado para área de transferência"));

    // Without an e-mail the phone is the login; a code that is no number gives contract 0.
    abrir(QStringLiteral("MARIA DA SILVA"), QStringLiteral("A-12"));
    const QJsonObject porTelefone = copiar(1);
    EXPECT_EQ(porTelefone.value("loginAssociado").toString(), QStringLiteral("(31) 3333-4444"));
    EXPECT_EQ(porTelefone.value("numeroContrato").toInteger(), 0);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join('|').toStdString();
}

TEST_F(DependenteContratoContatoTest, WithoutTheTokenPresenterAWarningNamesItsClass)
{
    const TClassRegistration semToken { QStringLiteral("TTokenAcessoPresenter"),
                                        QStringLiteral("not a presenter factory") };
    dialogs.setClipboardText(QStringLiteral("antes"));
    linha(0).ButtonCopiarToken->click();
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().front().startsWith(QStringLiteral("WARNING:")));
    EXPECT_TRUE(dialogs.messageTexts().front().contains(QStringLiteral("TTokenAcessoPresenter")));
    EXPECT_EQ(dialogs.clipboardText(), QStringLiteral("antes"));
}

struct TokenFalho
{
    const char *Nome;
    FakeReply AppAssociado;
    FakeReply Token;
};

class DependenteContratoContatoTokenTest : public DependenteContratoContatoTest,
                                           public ::testing::WithParamInterface<TokenFalho>
{
};

// Copy and QR code alike: the warning, nothing copied, no window, the wait screen gone.
TEST_P(DependenteContratoContatoTokenTest, AMissingTokenIsReportedAndNothingIsCopiedOrShown)
{
    backend.on("GET", "/token-acesso/app-associado", GetParam().AppAssociado);
    backend.on("POST", "/token-acesso/token-user", GetParam().Token);
    dialogs.setClipboardText(QStringLiteral("antes"));

    linha(0).ButtonCopiarToken->click();
    waitIdle();
    linha(0).ButtonQrCode->click();
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kNaoLocalizadas, kNaoLocalizadas }));
    EXPECT_EQ(dialogs.clipboardText(), QStringLiteral("antes"));
    EXPECT_FALSE(overlayShowing());
    EXPECT_FALSE(view->AniIndicatorLoading->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Casos,
    DependenteContratoContatoTokenTest,
    ::testing::Values(TokenFalho { "TokenRecordWithIdZero",
                                   FakeReply::json(R"({"id":0,"idUsuario":44})"),
                                   FakeReply::text("tok") },
                      TokenFalho { "NoTokenRecord", FakeReply::empty(404), FakeReply::text("tok") },
                      TokenFalho { "EmptyToken",
                                   FakeReply::json(R"({"id":5,"idUsuario":44})"),
                                   FakeReply::empty(304) },
                      TokenFalho { "TokenIsTheNotFoundText",
                                   FakeReply::json(R"({"id":5,"idUsuario":44})"),
                                   FakeReply::text("WARNING:Informações não localizadas.") }),
    [](const auto &AInfo) { return std::string(AInfo.param.Nome); });

// The code's modules decoded back with a reader: the exact text, one pixel a module.
QString decodificar(const QImage &ABitmap)
{
    const QImage cinza = ABitmap.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView imagem(cinza.constBits(),
                                  cinza.width(),
                                  cinza.height(),
                                  ZXing::ImageFormat::Lum,
                                  static_cast<int>(cinza.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setIsPure(true);
    const ZXing::Result resultado = ZXing::ReadBarcode(imagem, hints);
    return resultado.isValid() ? QString::fromStdWString(resultado.text()) : QString();
}

TEST_F(DependenteContratoContatoTest, TheQrCodeCarriesExactlyTheCopiedTextEvenForNamesBeyondLatin1)
{
    abrir(QStringLiteral("ŁUKASZ – SILVA"), QStringLiteral("1234"));
    const QJsonObject copiado = copiar(0);
    const QString texto = dialogs.clipboardText();
    ASSERT_FALSE(texto.isEmpty());
    EXPECT_EQ(copiado.value("nomeAssociado").toString(), QStringLiteral("ŁUKASZ – SILVA"));

    QString conteudo;
    QImage modulos;
    QSize desenho;
    QTimer passo;
    QObject::connect(&passo, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::allWidgets()) {
            auto *container = dynamic_cast<TFormContainer *>(widget);
            if (!container || !container->IsShowing())
                continue;
            for (QWidget *other : QApplication::allWidgets())
                if (auto *qr = dynamic_cast<TFormSubViewQrCode *>(other)) {
                    conteudo = qr->Conteudo;
                    modulos = qr->QRCodeBitmap();
                    desenho = qr->ImageQRCode->bitmap().size();
                    dialogs.setClipboardText(QString());
                    qr->ImageQRCodeClick();
                }
            container->CloseForm();
        }
    });
    passo.start(10);
    dialogs.clearMessages();
    linha(0).ButtonQrCode->click();
    ASSERT_TRUE(waitFor([&] { return !conteudo.isEmpty(); }));
    waitIdle();
    passo.stop();

    EXPECT_EQ(conteudo, texto);
    EXPECT_EQ(dialogs.clipboardText(), texto);
    EXPECT_EQ(desenho, QSize(1024, 1024));
    ASSERT_EQ(modulos.width(), modulos.height());
    // A version-v code has 17 + 4v modules and the quiet zone 4 on each side.
    EXPECT_EQ((modulos.width() - 8 - 17) % 4, 0) << modulos.width();
    EXPECT_EQ(modulos.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(modulos.pixel(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ(modulos.pixel(4, 4), 0xFF000000u);
    const QString lido = decodificar(modulos);
    EXPECT_EQ(lido, texto);
    EXPECT_EQ(QJsonDocument::fromJson(lido.toUtf8()).object().value("nomeAssociado").toString(),
              QStringLiteral("ŁUKASZ – SILVA"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

} // namespace
