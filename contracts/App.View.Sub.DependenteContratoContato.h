#pragma once

#include "App.Base.Form.View.h"
#include "Common.Base.Types.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class ITokenAcessoPresenter;
class TContatoPresenter;
class TDependenteContratoContatoFrameAdapter;
class TFrameBaseAdapter;
class TFrameList;
class TLabel;
class TRectangle;
class TVertScrollBox;

// What the device-release text of a member's contact is built from, taken on the main thread so
// that the token requests can run on a worker.
struct TDadosLiberacaoDispositivo
{
    std::int64_t IdEmpresa = 0;
    QString Empresa;
    QString CnpjEmpresa;
    QString UrlBase;
    std::int64_t IdAssociado = 0;
    QString LoginAssociado;
    QString NomeAssociado;
    QString CodigoContrato;
    std::int64_t IdContrato = 0;
    QString CpfAssociado;
};

// The contacts of a contract member's person with the member-app actions: a contact's web
// password marked for reset with the next contract save, and the device-release text copied or
// shown as a QR code. Opened from a member row of the contract window, which sets the ids, the
// contract's code and ProcAddContato before hosting it.
class TFormSubViewDependenteContratoContato final : public TFormBaseView
{
public:
    explicit TFormSubViewDependenteContratoContato(QWidget *AParent = nullptr);
    ~TFormSubViewDependenteContratoContato() override;

    TLabel *LabelNome;
    TRectangle *RectangleContatos;
    TVertScrollBox *VertScrollBoxContatos;

    // Loads the person's contacts into the list (on a worker).
    void SetIdPessoa(std::int64_t AValue);
    void SetIdDependenteContrato(std::int64_t AValue) { FIdDependenteContrato = AValue; }
    void SetIdContrato(std::int64_t AValue) { FIdContrato = AValue; }
    void SetCodigoContrato(const QString &AValue) { FCodigoContrato = AValue; }
    void SetCpfAssociado(const QString &AValue) { FCpfAssociado = AValue; }
    // Runs after each contact marked for a password reset.
    void SetProcAddContato(std::function<void()> AValue) { FProcAddContato = std::move(AValue); }

    // The contacts marked for a web-password reset in this opening.
    const TListInt64 &ListContatos() const { return FListContatos; }
    TContatoPresenter &PresenterContato() const { return *FPresenterContato; }

    void ProcResetarSenhaFrame(TFrameBaseAdapter *AFrame);
    void ProcCopiarTokenFrame(TFrameBaseAdapter *AFrame);
    void ProcQRCodeFrame(TFrameBaseAdapter *AFrame);

    // The device-release text for the row's contact; reaches the back end (main thread).
    QString getLiberacaoDispositivo(const TDependenteContratoContatoFrameAdapter &AFrame) const;
    // The values of the text for the row, read from the window and the application.
    TDadosLiberacaoDispositivo
    dadosLiberacaoDispositivo(const TDependenteContratoContatoFrameAdapter &AFrame) const;
    // The device-release text: the two token requests, then the record's JSON with plain "/".
    // Raises "WARNING:Informações não localizadas." without a token record, or with an empty
    // token. Any thread.
    static QString montarLiberacaoDispositivo(const TDadosLiberacaoDispositivo &ADados);
    // The access-token presenter by its class name; raises a warning naming the class when it is
    // not registered.
    static std::unique_ptr<ITokenAcessoPresenter> createTokenAcessoPresenter();

    // The password the back end gives a contact whose web password is reset.
    QString SenhaWebPadrao() const;

private:
    void carregarContatos();

    std::unique_ptr<TFrameList> FFrameListContatos;
    TListInt64 FListContatos;
    std::function<void()> FProcAddContato;
    std::unique_ptr<TContatoPresenter> FPresenterContato;
    std::int64_t FIdPessoa = 0;
    QString FCodigoContrato;
    std::int64_t FIdDependenteContrato = 0;
    std::int64_t FIdContrato = 0;
    QString FCpfAssociado;
};
