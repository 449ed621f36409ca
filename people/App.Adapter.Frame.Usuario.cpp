#include "App.Adapter.Frame.Usuario.h"

#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"

#include "Label.h"
#include "SpeedButton.h"
#include "SysUtils.h"

TUsuarioFrameAdapter::TUsuarioFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LayoutButtons->setWidth(145);
    SpeedButtonResetSenha = AddButton(QStringLiteral("SpeedButtonResetSenha"),
                                      QStringLiteral("bookmarkstoolbutton"),
                                      [this] { SpeedButtonResetSenhaClick(); });
    SpeedButtonResetSenha->setToolTip(QStringLiteral("Reset da senha"));
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(LabelTitleLogin, LabelLogin, { u"Login", u"Login:", 184, 221, 42, u"LOGIN" });
    SetupLabels();
}

void TUsuarioFrameAdapter::SpeedButtonResetSenhaClick()
{
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Deseja efetuar o reset da senha\r\ndo usuário %s?"),
                   { LabelNome->text() }))
        == mrNo)
        return;
    if (ProcResetSenha)
        ProcResetSenha(this);
}
