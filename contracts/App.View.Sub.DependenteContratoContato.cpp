#include "App.View.Sub.DependenteContratoContato.h"

#include "App.Adapter.Frame.DependenteContratoContato.h"
#include "App.Interf.Presenter.TokenAcesso.h"
#include "App.View.Sub.QrCode.h"

#include "App.Lib.Application.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.Service.Connection.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Contato.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Dto.Empresa.h"
#include "Common.Lib.LiberacaoDispositivo.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Desktop.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SysUtils.h"

#include <QPointer>

#include <algorithm>

ZUNTA_REGISTER_FORM(TFormSubViewDependenteContratoContato)

namespace {

const QString kNaoLocalizadas = QStringLiteral("WARNING:Informações não localizadas.");
const QString kCopiado = QStringLiteral("Copiado para área de transferência");

// What the back end puts before the contract's code in a reset web password.
const QString kPrefixoSenhaWeb = QStringLiteral("ZUNTAACESSOS");

std::int64_t propriedadeInt64(const TSerializeObject &AObjeto, const char *ANome)
{
    const TMemberInfo *membro = AObjeto.ClassInfo().FindProperty(QString::fromLatin1(ANome));
    std::int64_t valor = 0;
    if (!membro || !TryStrToInt64(TUtils::getPropertyText(AObjeto, *membro), valor))
        return 0;
    return valor;
}

QString propriedadeTexto(const TSerializeObject &AObjeto, const char *ANome)
{
    const TMemberInfo *membro = AObjeto.ClassInfo().FindProperty(QString::fromLatin1(ANome));
    return membro ? TUtils::getPropertyText(AObjeto, *membro) : QString();
}

} // namespace

TFormSubViewDependenteContratoContato::TFormSubViewDependenteContratoContato(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewDependenteContratoContato"), AParent)
    , FFrameListContatos(std::make_unique<TFrameList>())
    , FPresenterContato(TBasePresenter::Create<TContatoPresenter>())
{
    setWindowTitle(QStringLiteral("CONTATOS DO DEPENDENTE"));
    resize(1100, 620);
    LabelNome = new TLabel(LayoutControlsForm, QStringLiteral("LabelNome"));
    LabelNome->setAlign(TAlignLayout::Top);
    LabelNome->setHeight(32);
    QFont destaque = LabelNome->font();
    destaque.setPixelSize(18);
    destaque.setBold(true);
    LabelNome->setFont(destaque);
    RectangleContatos = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleContatos"));
    RectangleContatos->setAlign(TAlignLayout::Client);
    VertScrollBoxContatos
        = new TVertScrollBox(RectangleContatos, QStringLiteral("VertScrollBoxContatos"));
    VertScrollBoxContatos->setAlign(TAlignLayout::Client);
    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);

    TFrameList &lista = *FFrameListContatos;
    lista.SetVertScroll(VertScrollBoxContatos);
    lista.SetPresenter(FPresenterContato.get());
    lista.SetLoading(AniIndicatorLoading);
    lista.SetIsFillIds(true);
    lista.SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        auto *frame = TFrameBaseAdapter::New<TDependenteContratoContatoFrameAdapter>(
            VertScrollBoxContatos, ADataSet);
        frame->ProcResetarSenha
            = [this](TFrameBaseAdapter *AItem) { ProcResetarSenhaFrame(AItem); };
        frame->ProcCopiarToken = [this](TFrameBaseAdapter *AItem) { ProcCopiarTokenFrame(AItem); };
        frame->ProcQRCode = [this](TFrameBaseAdapter *AItem) { ProcQRCodeFrame(AItem); };
        AFrame = frame;
    });
}

TFormSubViewDependenteContratoContato::~TFormSubViewDependenteContratoContato()
{
    // A read still running goes on with the presenter: the list goes first.
    FFrameListContatos.reset();
}

void TFormSubViewDependenteContratoContato::SetIdPessoa(std::int64_t AValue)
{
    FIdPessoa = AValue;
    carregarContatos();
}

void TFormSubViewDependenteContratoContato::carregarContatos()
{
    FFrameListContatos->ClearList();
    FPresenterContato->IdPrincipal = FIdPessoa;
    FFrameListContatos->Paginate.Page = 1;
    FFrameListContatos->Paginate.Limit = 100;
    FFrameListContatos->fillDados(
        false, TTypePosition::tpTop, nullptr, true, true, false, kNaoLocalizadas);
}

QString TFormSubViewDependenteContratoContato::SenhaWebPadrao() const
{
    return kPrefixoSenhaWeb + FCodigoContrato;
}

void TFormSubViewDependenteContratoContato::ProcResetarSenhaFrame(TFrameBaseAdapter *AFrame)
{
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                                        { QStringLiteral("o reset da senha desse contato") }))
        != mrYes)
        return;
    const std::int64_t idContato = StrToInt64(AFrame->TagString);
    if (std::find(FListContatos.begin(), FListContatos.end(), idContato) != FListContatos.end()) {
        TAppUtils::MessageSystem(QStringLiteral("WARNING:A informação não pode ser duplicada."));
        return;
    }
    // Only shown: the password is neither logged nor kept.
    TAppUtils::MessageSystem(
        Format(QStringLiteral("WARNING:ATENÇÃO: Para efetuar o reset da senha, é necessário "
                              "salvar o contrato.\r\nSenha que será gerada: %s"),
               { SenhaWebPadrao() }));
    FListContatos.push_back(idContato);
    if (FProcAddContato)
        FProcAddContato();
}

TDadosLiberacaoDispositivo TFormSubViewDependenteContratoContato::dadosLiberacaoDispositivo(
    const TDependenteContratoContatoFrameAdapter &AFrame) const
{
    TDadosLiberacaoDispositivo dados;
    TEmpresaDto &empresa = TApplicationZunta::GetInstance().EmpresaLogado();
    dados.IdEmpresa = empresa.Id;
    dados.Empresa = empresa.Empresa;
    dados.CnpjEmpresa = empresa.CpfCnpj;
    dados.UrlBase = TServiceConnection::GetInstance().BaseUrlWebService();
    dados.IdAssociado = FIdDependenteContrato;
    dados.LoginAssociado = AFrame.LabelInternet->text().isEmpty() ? AFrame.LabelTelefone->text()
                                                                  : AFrame.LabelInternet->text();
    dados.NomeAssociado = LabelNome->text();
    dados.CodigoContrato = FCodigoContrato;
    dados.IdContrato = FIdContrato;
    dados.CpfAssociado = FCpfAssociado;
    return dados;
}

std::unique_ptr<ITokenAcessoPresenter>
TFormSubViewDependenteContratoContato::createTokenAcessoPresenter()
{
    const QString classe = QStringLiteral("TTokenAcessoPresenter");
    std::unique_ptr<TBasePresenter> presenter = TBasePresenter::CreatePresenter(classe);
    auto *token = dynamic_cast<ITokenAcessoPresenter *>(presenter.get());
    if (!token)
        throw Exception(Format(QStringLiteral("WARNING:O acesso do aplicativo do associado não "
                                              "está disponível: a classe %s não está "
                                              "registrada."),
                               { classe }));
    presenter.release();
    return std::unique_ptr<ITokenAcessoPresenter>(token);
}

QString TFormSubViewDependenteContratoContato::montarLiberacaoDispositivo(
    const TDadosLiberacaoDispositivo &ADados)
{
    const std::unique_ptr<ITokenAcessoPresenter> presenter = createTokenAcessoPresenter();
    const std::unique_ptr<TSerializeObject> appAssociado = presenter->getAppAssociado();
    if (!appAssociado || propriedadeInt64(*appAssociado, "Id") == 0)
        throw Exception(kNaoLocalizadas);

    TLiberacaoDispositivo liberacao;
    liberacao.IdEmpresa = ADados.IdEmpresa;
    liberacao.Empresa = ADados.Empresa;
    liberacao.IdUsuario = propriedadeInt64(*appAssociado, "IdUsuario");
    liberacao.Usuario = propriedadeTexto(*appAssociado, "Usuario");
    liberacao.UrlBase = ADados.UrlBase;
    {
        // A record of the same class asks for the member app's token.
        const std::unique_ptr<TSerializeObject> pedido = appAssociado->ClassInfo().Create();
        if (!pedido)
            throw Exception(kNaoLocalizadas);
        if (const TMemberInfo *app = pedido->ClassInfo().FindProperty(u"IsAppAssociado"))
            app->SetValue(*pedido, TValue(true));
        liberacao.Token = presenter->getTokenUser(*pedido);
    }
    liberacao.IdAssociado = ADados.IdAssociado;
    liberacao.LoginAssociado = ADados.LoginAssociado;
    liberacao.NomeAssociado = ADados.NomeAssociado;
    bool numero = false;
    const int numeroContrato = ADados.CodigoContrato.trimmed().toInt(&numero);
    liberacao.NumeroContrato = numero ? numeroContrato : 0;
    liberacao.IdContrato = ADados.IdContrato;
    liberacao.CpfAssociado = ADados.CpfAssociado;
    liberacao.CnpjEmpresa = ADados.CnpjEmpresa;
    if (liberacao.Token.isEmpty() || liberacao.Token == kNaoLocalizadas)
        throw Exception(kNaoLocalizadas);
    return liberacao.QrText();
}

QString TFormSubViewDependenteContratoContato::getLiberacaoDispositivo(
    const TDependenteContratoContatoFrameAdapter &AFrame) const
{
    return montarLiberacaoDispositivo(dadosLiberacaoDispositivo(AFrame));
}

void TFormSubViewDependenteContratoContato::ProcCopiarTokenFrame(TFrameBaseAdapter *AFrame)
{
    const auto *frame = dynamic_cast<const TDependenteContratoContatoFrameAdapter *>(AFrame);
    if (!frame)
        return;
    auto texto = std::make_shared<QString>();
    const TDadosLiberacaoDispositivo dados = dadosLiberacaoDispositivo(*frame);
    const QPointer<TFormSubViewDependenteContratoContato> self(this);
    RunLongAction(
        [texto, dados] {
            *texto = montarLiberacaoDispositivo(dados);
            if (texto->isEmpty() || *texto == kNaoLocalizadas)
                throw Exception(kNaoLocalizadas);
        },
        [self, texto] {
            TClipboard::Current().SetText(*texto);
            if (self)
                self->ShowMessageBottom(kCopiado, 1500);
        });
}

void TFormSubViewDependenteContratoContato::ProcQRCodeFrame(TFrameBaseAdapter *AFrame)
{
    const auto *frame = dynamic_cast<const TDependenteContratoContatoFrameAdapter *>(AFrame);
    if (!frame)
        return;
    struct TResultado
    {
        QString Conteudo;
        QImage Bitmap;
    };
    auto resultado = std::make_shared<TResultado>();
    const TDadosLiberacaoDispositivo dados = dadosLiberacaoDispositivo(*frame);
    RunLongAction(
        [resultado, dados] {
            resultado->Conteudo = montarLiberacaoDispositivo(dados);
            resultado->Bitmap = TFormSubViewQrCode::GerarQRCodeBitmap(resultado->Conteudo);
        },
        // Shown once the wait screen has gone.
        [resultado] {
            const std::unique_ptr<TFormSubViewQrCode> view(TFormBase::Create<TFormSubViewQrCode>());
            view->Conteudo = resultado->Conteudo;
            view->SetQRCodeBitmap(resultado->Bitmap);
            const std::unique_ptr<TFormContainer> container = TFormContainer::New();
            container->SetModifyBackgroundApoio(false);
            container->SetFormView(view.get(), false);
            container->Execute();
        });
}
