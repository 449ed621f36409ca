#pragma once

#include "App.Base.Form.h"

#include <cstdint>

class TEdit;
class TEditButton;
class TLabel;
class TLayout;
class TRectangle;
class TSpeedButton;

// The dialog the login opens when the back end refuses a login with 422: the user types a new
// password twice, sees its strength live, and "GRAVAR" saves its digest for the user. Passwords
// rated below "Aceitável" are refused. Shown modally (ExecuteModal) over a dimmed screen, then
// read (IsModifyPassword) and freed by the login window. Created through
// TFormBase::Create<TFormTrocaSenha>().
class TFormTrocaSenha final : public TFormBase
{
public:
    explicit TFormTrocaSenha(QWidget *AParent = nullptr);

    void SetIdUsuario(std::int64_t Value) { FIdUsuario = Value; }
    std::int64_t IdUsuario() const { return FIdUsuario; }
    // The password was changed ("GRAVAR" succeeded).
    bool IsModifyPassword() const { return FIsModifyPassword; }

    // The score of EditSenha's text (0 to 130), shown as its level in LabelForcaSenha.
    int CalcularForcaSenha();

    bool IgnorePermission() override { return true; }
    void ApplyThemeApp() override;

    TRectangle *RectangleBackground;
    TRectangle *RectangleDialog;
    TRectangle *RectangleTitleBar;
    TLabel *Label1;
    TLayout *LayoutEdits;
    TEdit *EditSenha;
    TEditButton *PasswordEditButton1;
    TEdit *EditConfirmacaoSenha;
    TEditButton *PasswordEditButton2;
    TLabel *LabelForcaSenha;
    TLabel *LabelMensagem;
    TLayout *LayoutButtons;
    TSpeedButton *SpeedButtonCancelar;
    TSpeedButton *SpeedButtonGravar;

protected:
    void FormCreate() override;

private:
    void EditSenhaChangeTracking();
    void SpeedButtonGravarClick();
    void SpeedButtonCancelarClick();
    void showMensagem(const QString &AText);

    bool FIsModifyPassword = false;
    std::int64_t FIdUsuario = 0;
};
