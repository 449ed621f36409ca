#include "App.Form.Cadastro.IntegracaoApiFinanceira.h"

#include "App.Adapter.Frame.IntegracaoApiFinanceira.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.IntegracaoApiFinanceira.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "Common.Entity.IntegracaoApiFinanceira.h"
#include "Common.Lib.Crypt.h"
#include "Common.Lib.Utils.h"

#include "Edit.h"
#include "Label.h"
#include "Memo.h"
#include "ScrollBox.h"

#include <QGroupBox>
#include <QPointer>

#include <memory>

ZUNTA_REGISTER_FORM(TFormCadastroIntegracaoApiFinanceira)

TFormCadastroIntegracaoApiFinanceira::TFormCadastroIntegracaoApiFinanceira(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroIntegracaoApiFinanceira"), AParent)
{
    setWindowTitle(QStringLiteral("Integração API Financeira"));
    QWidget *content = VertScrollBoxControls->content();
    const TPlacement place(content, 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 279);
    place.Field(LabelBaseUrl, EditBaseUrl, u"BaseUrl", 298, 8, 279);
    place.Field(LabelCodigoIntegracaoFinanceira,
                EditCodigoIntegracaoFinanceira,
                u"CodigoIntegracaoFinanceira",
                8,
                66,
                279);
    place.Field(LabelLogin, EditLogin, u"Login", 298, 66, 279);
    place.Field(LabelSenha, EditSenha, u"Senha", 8, 124, 279);
    place.Field(LabelToken, EditToken, u"Token", 298, 124, 279);
    place.Field(LabelListaStatusGeral, EditListaStatusGeral, u"ListaStatusGeral", 8, 182, 279);
    place.Field(LabelEmail, EditEmail, u"Email", 298, 182, 279);
    place.Field(LabelListaTipoApiFinanceira,
                EditListaTipoApiFinanceira,
                u"ListaTipoApiFinanceira",
                8,
                240,
                569);
    place.Field(
        LabelListaTipoValorJuros, EditListaTipoValorJuros, u"ListaTipoValorJuros", 8, 298, 279);
    place.Field(LabelValorJuros, EditValorJuros, u"ValorJuros", 298, 298, 279);
    place.Field(
        LabelListaTipoValorMulta, EditListaTipoValorMulta, u"ListaTipoValorMulta", 8, 356, 279);
    place.Field(LabelValorMulta, EditValorMulta, u"ValorMulta", 298, 356, 279);
    place.Field(LabelListaTipoValorDesconto,
                EditListaTipoValorDesconto,
                u"ListaTipoValorDesconto",
                8,
                414,
                279);
    place.Field(LabelValorDesconto, EditValorDesconto, u"ValorDesconto", 298, 414, 279);

    GroupBoxWebhook = new QGroupBox(QStringLiteral("Webhook"), content);
    GroupBoxWebhook->setObjectName(QStringLiteral("GroupBoxWebhook"));
    GroupBoxWebhook->setGeometry(8, 472, 569, 140);
    const TPlacement webhook(GroupBoxWebhook, 18, 30);
    webhook.Field(LabelVersaoApiWebhook, EditVersaoApiWebhook, u"VersaoApiWebhook", 8, 24, 180);
    webhook.Field(LabelUrlWebhook, EditUrlWebhook, u"UrlWebhook", 200, 24, 360);
    webhook.Field(LabelTokenWebhook, EditTokenWebhook, u"TokenWebhook", 8, 82, 552);

    for (TEdit *edit : { EditSenha, EditToken, EditTokenWebhook }) {
        edit->setPassword(true);
        edit->addButton(TEditButtonKind::Password,
                        QStringLiteral("PasswordEditButton") + edit->objectName().mid(4));
    }
}

void TFormCadastroIntegracaoApiFinanceira::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TIntegracaoApiFinanceiraPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
    FPresenter->ProcAfterControlsToEntity = [this] { encodeCredenciais(); };
}

void TFormCadastroIntegracaoApiFinanceira::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditBaseUrl, QStringLiteral("Url")).Required().MaxLength(200).Caption(LabelBaseUrl);
    manager.Bind(EditCodigoIntegracaoFinanceira, QStringLiteral("Código API"))
        .Upper()
        .MaxLength(300)
        .Disabled()
        .Caption(LabelCodigoIntegracaoFinanceira);
    manager.Bind(EditLogin, QStringLiteral("Login")).MaxLength(50).Caption(LabelLogin);
    manager.Bind(EditSenha, QStringLiteral("Senha")).MaxLength(50).Caption(LabelSenha);
    manager.Bind(EditToken, QStringLiteral("Token")).MaxLength(350).Caption(LabelToken);
    manager.Bind(EditListaStatusGeral, QStringLiteral("Status"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("A"))
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("STATUS_GERAL"))
        .Caption(LabelListaStatusGeral);
    manager.Bind(EditEmail, QStringLiteral("E-mail"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEmail);
    manager.Bind(EditListaTipoApiFinanceira, QStringLiteral("Tipo da API Financeira"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_API_PE"))
        .Caption(LabelListaTipoApiFinanceira);
    const struct
    {
        TEdit *Tipo;
        TLabel *LabelTipo;
        QString TituloTipo;
        TEdit *Valor;
        TLabel *LabelValor;
        QString TituloValor;
    } valores[] = {
        { EditListaTipoValorJuros,
          LabelListaTipoValorJuros,
          QStringLiteral("Tipo de Juros"),
          EditValorJuros,
          LabelValorJuros,
          QStringLiteral("Valor de Juros") },
        { EditListaTipoValorMulta,
          LabelListaTipoValorMulta,
          QStringLiteral("Tipo de Multa"),
          EditValorMulta,
          LabelValorMulta,
          QStringLiteral("Valor de Multa") },
        { EditListaTipoValorDesconto,
          LabelListaTipoValorDesconto,
          QStringLiteral("Tipo de Desconto"),
          EditValorDesconto,
          LabelValorDesconto,
          QStringLiteral("Valor de Desconto") },
    };
    for (const auto &valor : valores) {
        manager.Bind(valor.Tipo, valor.TituloTipo)
            .Upper()
            .MaxLength(100)
            .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_VALOR"))
            .Caption(valor.LabelTipo);
        manager.Bind(valor.Valor, valor.TituloValor)
            .Format(TFormatterEdit::Valor)
            .Decimals(4)
            .MaxLength(15)
            .Default(QStringLiteral("0"))
            .Caption(valor.LabelValor);
    }
    manager.Bind(EditVersaoApiWebhook, QStringLiteral("Versão da API do Webhook"))
        .MaxLength(10)
        .Caption(LabelVersaoApiWebhook);
    manager.Bind(EditUrlWebhook, QStringLiteral("Url do Webhook"))
        .MaxLength(1000)
        .Caption(LabelUrlWebhook);
    manager.Bind(EditTokenWebhook, QStringLiteral("Token de acesso do Webhook"))
        .MaxLength(1000)
        .Caption(LabelTokenWebhook);
}

void TFormCadastroIntegracaoApiFinanceira::fillFrameItem(TMemTable &ADataSet,
                                                         TFrameBaseAdapter *&AFrame)
{
    auto *frame
        = TFrameBaseAdapter::New<TIntegracaoApiFinanceiraFrameAdapter>(VertScrollBoxDados, ADataSet);
    AFrame = frame;
    frame->ProcAtivarWebhook = [this](TFrameBaseAdapter *AItem) { AtivarWebhookFrame(AItem); };
    frame->ProcNotificacoes = [this](TFrameBaseAdapter *AItem) { NotificacoesFrame(AItem); };
    frame->ProcRecuperarInformacoes
        = [this](TFrameBaseAdapter *AItem) { RecuperarInformacoesFrame(AItem); };
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroIntegracaoApiFinanceira::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

// --- Credentials -------------------------------------------------------------------------

TFormCadastroIntegracaoApiFinanceira::TCredencial
TFormCadastroIntegracaoApiFinanceira::carregar(TEdit *AEdit)
{
    TCredencial credencial { AEdit->text(), DecodeText(AEdit->text()) };
    AEdit->setText(credencial.Decodificado);
    return credencial;
}

QString TFormCadastroIntegracaoApiFinanceira::paraEnviar(const TCredencial &ACarregada,
                                                         const QString &ATexto)
{
    if (!ACarregada.Codificado.isEmpty() && ATexto == ACarregada.Decodificado)
        return ACarregada.Codificado;
    return EncodeText(ATexto);
}

void TFormCadastroIntegracaoApiFinanceira::afterFillForm()
{
    TFormBaseCadastro::afterFillForm();
    m_senha = carregar(EditSenha);
    m_token = carregar(EditToken);
}

void TFormCadastroIntegracaoApiFinanceira::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    // A fresh record has nothing stored: whatever is typed into it goes encoded.
    m_senha = {};
    m_token = {};
}

void TFormCadastroIntegracaoApiFinanceira::encodeCredenciais()
{
    auto *entity = FPresenter->EntityAs<TIntegracaoApiFinanceiraEntity>();
    entity->Senha = paraEnviar(m_senha, EditSenha->text());
    entity->Token = paraEnviar(m_token, EditToken->text());
}

// --- Row actions ---------------------------------------------------------------------------

void TFormCadastroIntegracaoApiFinanceira::AtivarWebhookFrame(TFrameBaseAdapter *AFrame)
{
    FIdFrame = TUtils::StrEmptyToInt64(AFrame->TagString);
    TFormMenuPrint::New()
        .TitleMenu(QStringLiteral("Ativar ou Desativar Webhook"))
        .AddButton(QStringLiteral("Ativar"), [this](QObject *) { ExecutarConfiguracao(true); })
        .AddButton(QStringLiteral("Desativar"), [this](QObject *) { ExecutarConfiguracao(false); })
        .SetCloseAfterClick(true)
        .Execute();
}

void TFormCadastroIntegracaoApiFinanceira::ExecutarConfiguracao(bool AAtivar)
{
    const std::int64_t id = FIdFrame;
    // A presenter of the worker's own: nothing of the window is touched off the main thread.
    RunLongAction([id, AAtivar] {
        TBasePresenter::Create<TIntegracaoApiFinanceiraPresenter>()->PostConfiguracao(id, AAtivar);
    });
}

void TFormCadastroIntegracaoApiFinanceira::NotificacoesFrame(TFrameBaseAdapter *AFrame)
{
    FIdFrame = TUtils::StrEmptyToInt64(AFrame->TagString);
    TFormMenuPrint::New()
        .TitleMenu(QStringLiteral("Notificações dos Clientes"))
        .AddButton(QStringLiteral("Habilitar"), [this](QObject *) { ExecutarNotificacoes(true); })
        .AddButton(QStringLiteral("Desabilitar"),
                   [this](QObject *) { ExecutarNotificacoes(false); })
        .SetCloseAfterClick(true)
        .Execute();
}

void TFormCadastroIntegracaoApiFinanceira::ExecutarNotificacoes(bool AHabilitar)
{
    TAppUtils::MessageSystem(
        QStringLiteral("WARNING:ATENÇÃO: ESSE PROCESSO PODE DEMORAR UM POUCO."));
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                   { QStringLiteral("a atualização das notificações dos clientes") }))
        != mrYes)
        return;
    const bool somenteAtivos
        = TAppUtils::MessageSystem(QStringLiteral("QUESTION:Somente em clientes ativos?")) == mrYes;
    const std::int64_t id = FIdFrame;
    auto retorno = std::make_shared<QString>();
    RunLongAction(
        [id, AHabilitar, somenteAtivos, retorno] {
            *retorno = TBasePresenter::Create<TIntegracaoApiFinanceiraPresenter>()
                           ->AtualizarNotificacoes(id, AHabilitar, somenteAtivos);
        },
        [retorno] {
            if (retorno->isEmpty())
                return;
            try {
                std::unique_ptr<TFormSubViewOcorrenciaManual> view(
                    TFormBase::Create<TFormSubViewOcorrenciaManual>());
                view->SetSomenteLeitura(true);
                view->MemoOcorrencia->setText(*retorno);
                auto container = TFormContainer::New();
                container->SetModifyBackgroundApoio(false);
                container->SetFormView(view.get(), false);
                container->Execute();
            } catch (...) {
                TDravikHandleException::Handle(std::current_exception());
            }
        });
}

void TFormCadastroIntegracaoApiFinanceira::RecuperarInformacoesFrame(TFrameBaseAdapter *AFrame)
{
    const std::int64_t id = TUtils::StrEmptyToInt64(AFrame->TagString);
    auto configuracao = std::make_shared<std::unique_ptr<TConfiguracaoPagamentoEletronico>>();
    RunLongAction(
        [id, configuracao] {
            *configuracao
                = TBasePresenter::Create<TIntegracaoApiFinanceiraPresenter>()
                      ->GetRecuperarConfiguracao(id);
        },
        [configuracao] {
            const TConfiguracaoPagamentoEletronico *lida = configuracao->get();
            if (!lida)
                return;
            const auto simNao = [](bool AValue) {
                return AValue ? QStringLiteral("Sim") : QStringLiteral("Não");
            };
            const QString titulo = QStringLiteral("INFORMAÇÕES DO WEBHOOK");
            std::unique_ptr<TFormSubViewOcorrenciaManual> view(
                TFormBase::Create<TFormSubViewOcorrenciaManual>());
            view->SetSomenteLeitura(true);
            view->setWindowTitle(titulo);
            view->LabelTitleForm->setText(titulo);
            view->LabelTitleOcorrencia->setText(titulo);
            view->MemoOcorrencia->setLines(
                { QStringLiteral("URL: ") + lida->Url,
                  QStringLiteral("E-mail: ") + lida->Email,
                  QStringLiteral("Versão da API: ") + lida->VersaoApi,
                  QStringLiteral("Habilitado? ") + simNao(lida->Habilitado),
                  QStringLiteral("Interrompido? ") + simNao(lida->Interrompido) });
            auto container = TFormContainer::New();
            container->SetFormView(view.get(), false);
            container->Execute();
        });
}
