#pragma once

#include "App.Base.Form.Cadastro.h"

#include <cstdint>

class QGroupBox;
class TEdit;
class TLabel;
class TIntegracaoApiFinanceiraFrameAdapter;

// "Integração API Financeira": lists, creates, edits and removes the payment-API connections.
// The password and the token are kept by the back end in the stored-credential encoding; the
// window always shows them decoded and sends them encoded. Each row switches the API's webhook
// or its customer notifications and shows the webhook configuration the API holds. Opened from a
// menu by class name.
class TFormCadastroIntegracaoApiFinanceira final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroIntegracaoApiFinanceira(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelBaseUrl;
    TEdit *EditBaseUrl;
    TLabel *LabelCodigoIntegracaoFinanceira;
    TEdit *EditCodigoIntegracaoFinanceira;
    TLabel *LabelLogin;
    TEdit *EditLogin;
    TLabel *LabelSenha;
    TEdit *EditSenha;
    TLabel *LabelToken;
    TEdit *EditToken;
    TLabel *LabelListaStatusGeral;
    TEdit *EditListaStatusGeral;
    TLabel *LabelEmail;
    TEdit *EditEmail;
    TLabel *LabelListaTipoApiFinanceira;
    TEdit *EditListaTipoApiFinanceira;
    TLabel *LabelListaTipoValorJuros;
    TEdit *EditListaTipoValorJuros;
    TLabel *LabelValorJuros;
    TEdit *EditValorJuros;
    TLabel *LabelListaTipoValorMulta;
    TEdit *EditListaTipoValorMulta;
    TLabel *LabelValorMulta;
    TEdit *EditValorMulta;
    TLabel *LabelListaTipoValorDesconto;
    TEdit *EditListaTipoValorDesconto;
    TLabel *LabelValorDesconto;
    TEdit *EditValorDesconto;
    QGroupBox *GroupBoxWebhook;
    TLabel *LabelVersaoApiWebhook;
    TEdit *EditVersaoApiWebhook;
    TLabel *LabelUrlWebhook;
    TEdit *EditUrlWebhook;
    TLabel *LabelTokenWebhook;
    TEdit *EditTokenWebhook;

    // The row actions, each for the row's id: the popup "Ativar ou Desativar Webhook", the
    // popup "Notificações dos Clientes" with its questions, and the webhook configuration read
    // and shown read-only.
    void AtivarWebhookFrame(TFrameBaseAdapter *AFrame);
    void NotificacoesFrame(TFrameBaseAdapter *AFrame);
    void RecuperarInformacoesFrame(TFrameBaseAdapter *AFrame);
    // The webhook switch and the notification update for FIdFrame, as the popups' choices run
    // them.
    void ExecutarConfiguracao(bool AAtivar);
    void ExecutarNotificacoes(bool AHabilitar);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void afterFillForm() override;
    void afterClearForm() override;

private:
    // A stored credential as loaded: its encoded text and the decoded text the edit shows.
    struct TCredencial
    {
        QString Codificado;
        QString Decodificado;
    };
    static TCredencial carregar(TEdit *AEdit);
    // The text to send for an edit: the loaded encoded text while the edit still shows what was
    // loaded (a stored text the decoder cannot round-trip stays as it was), else the encoding
    // of what is there.
    static QString paraEnviar(const TCredencial &ACarregada, const QString &ATexto);
    void encodeCredenciais();

    std::int64_t FIdFrame = 0;
    TCredencial m_senha;
    TCredencial m_token;
};
