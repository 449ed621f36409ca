#pragma once

#include "App.Base.Form.h"
#include "Common.Base.Types.h"

#include <cstdint>

class TComboBox;
class TEdit;
class TEmpresaDto;
class TImage;
class TLabel;
class TLayout;
class TRectangle;

// A 422 refusal of the login names the user whose password must be changed on its third line,
// as "ID" and the id: the id, 0 when that line is missing or no number follows "ID".
std::int64_t IdUsuarioTrocaSenha(const QString &AMessage);
// The refusal as the user sees it: without that third line.
QString MensagemTrocaSenha(const QString &AMessage);

// The window in which a user logs in and chooses the company to work in, shown modally by the
// main window's login loop (ExecuteModal) until it reports a login (IsLogado) or a cancel
// (IsCancelaLogin). Two phases: the credentials, then, once the back end accepted them, the
// company (a user with one company skips the choice). A refusal with 422 opens the password
// change. In same-user mode (after the inactivity lock) only the user who was logged in may go
// on, and the company chosen before is kept. While it exists the inactivity timer is stopped;
// its destruction arms the lock and restarts the count. Created through
// TFormBase::Create<TFormLogin>().
class TFormLogin final : public TFormBase
{
public:
    explicit TFormLogin(QWidget *AParent = nullptr);
    ~TFormLogin() override;

    // 0 for a full login, else the id of the only user accepted.
    void SetIdUsuarioLogado(std::int64_t Value) { FIdUsuarioLogado = Value; }
    bool IsLogado() const { return FLogado; }
    bool IsCancelaLogin() const { return FCancelaLogin; }

    bool IgnorePermission() override { return true; }
    void ApplyThemeApp() override;

    TRectangle *RectanglePrincipal;
    TLayout *Layout2;
    TRectangle *Rectangle2;
    TImage *Image1;
    TLabel *LabelVersionSystem;
    TLayout *Layout3;
    TRectangle *Rectangle3;
    TLayout *Layout10;
    TRectangle *RectangleCancelar;
    TImage *Image3;
    TRectangle *Rectangle1;
    TLayout *LayoutLogin;
    TEdit *EditLogin;
    TEdit *EditSenha;
    TRectangle *RectangleLogar;
    TLabel *LabelButtonLogar;
    TLayout *Layout8;
    TRectangle *RectangleEmpresa;
    TLabel *Label1;
    TComboBox *ComboBoxEmpresa;
    TRectangle *RectangleAcessar;
    TLabel *Label2;

protected:
    void FormCreate() override;
    void showEvent(QShowEvent *AEvent) override;

private:
    void RectangleLogarClick();
    void RectangleAcessarClick();
    void RectangleCancelarClick();
    void EditSenhaKeyDown(int &AKey);
    void FillComboEmpresa(TObjectList<TEmpresaDto> AList);
    // The password change for a 422 refusal whose text names the user on its third line.
    void trocarSenha(const QString &AMessage);

    bool FLogado = false;
    bool FCancelaLogin = false;
    std::int64_t FIdUsuarioLogado = 0;
    // The rows the company choice shows; item i + 1 of the combo is row i.
    TObjectList<TEmpresaDto> m_empresas;
};
