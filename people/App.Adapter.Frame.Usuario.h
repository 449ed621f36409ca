#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the user list: the user's name and login, with the registration row's buttons and one
// that resets the user's password (ProcResetSenha, after the row has asked to confirm it).
class TUsuarioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUsuarioFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelNome;
    TLabel *LabelTitleLogin;
    TLabel *LabelLogin;
    TSpeedButton *SpeedButtonResetSenha;

    TProcFrame ProcResetSenha;

    // Asks "Deseja efetuar o reset da senha do usuário <name>?"; runs ProcResetSenha unless the
    // answer is no.
    void SpeedButtonResetSenhaClick();
};
