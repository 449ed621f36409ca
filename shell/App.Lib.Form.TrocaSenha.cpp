#include "App.Lib.Form.TrocaSenha.h"

#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.FormScreen.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

namespace {

const QString CancelQuestion
    = QStringLiteral("QUESTION:Ao cancelar a troca de senha, você não poderá\r\nacessar o "
                     "sistema. Confirma a operação?");
const QString SuccessMessage = QStringLiteral("SUCCESSOperação realizada com sucesso.");

TEdit *makePasswordEdit(TLayout *AParent, const QString &AName)
{
    auto *edit = new TEdit(AParent, AName);
    edit->setAlign(TAlignLayout::Top);
    edit->setHeight(40);
    edit->setMargins(100, 25, 100, 0);
    edit->setPassword(true);
    return edit;
}

TSpeedButton *makeTrocaSenhaButton(TLayout *AParent, const QString &AName, const QString &AText)
{
    auto *button = new TSpeedButton(AParent, AName);
    button->setSize(120, 46);
    button->setText(AText);
    return button;
}

} // namespace

TFormTrocaSenha::TFormTrocaSenha(QWidget *AParent)
    : TFormBase(QStringLiteral("TFormTrocaSenha"), AParent)
{
    setWindowTitle(QStringLiteral("Troca de Senha"));
    // Over a dimmed screen: the form itself is see-through.
    setAttribute(Qt::WA_TranslucentBackground);
    InstallAlignLayout(this);

    RectangleBackground = new TRectangle(this, QStringLiteral("RectangleBackground"));
    RectangleBackground->setAlign(TAlignLayout::Contents);
    RectangleBackground->setFillColor(TAlphaColors::Black);
    RectangleBackground->setStrokeColor(TAlphaColors::Null);
    RectangleBackground->setOpacity(0.5);

    RectangleDialog = new TRectangle(this, QStringLiteral("RectangleDialog"));
    RectangleDialog->setSize(550, 325);
    RectangleDialog->setAlign(TAlignLayout::Center);
    RectangleDialog->setStrokeColor(TAlphaColors::Null);

    RectangleTitleBar = new TRectangle(RectangleDialog, QStringLiteral("RectangleTitleBar"));
    RectangleTitleBar->setAlign(TAlignLayout::Top);
    RectangleTitleBar->setHeight(65);
    RectangleTitleBar->setStrokeColor(TAlphaColors::Null);
    Label1 = new TLabel(RectangleTitleBar, QStringLiteral("Label1"));
    Label1->setAlign(TAlignLayout::Client);
    Label1->setHorzAlign(TTextAlign::Center);
    Label1->setFontSize(25);
    Label1->setText(QStringLiteral("Troca de Senha"));

    LayoutButtons = new TLayout(RectangleDialog, QStringLiteral("LayoutButtons"));
    LayoutButtons->setAlign(TAlignLayout::Bottom);
    LayoutButtons->setHeight(56);
    SetPadding(LayoutButtons, QMargins(10, 0, 10, 10));
    SpeedButtonCancelar = makeTrocaSenhaButton(
        LayoutButtons, QStringLiteral("SpeedButtonCancelar"), QStringLiteral("CANCELAR"));
    SpeedButtonCancelar->setAlign(TAlignLayout::Left);
    SpeedButtonGravar = makeTrocaSenhaButton(
        LayoutButtons, QStringLiteral("SpeedButtonGravar"), QStringLiteral("GRAVAR"));
    SpeedButtonGravar->setAlign(TAlignLayout::Right);

    LayoutEdits = new TLayout(RectangleDialog, QStringLiteral("LayoutEdits"));
    LayoutEdits->setAlign(TAlignLayout::Client);
    EditSenha = makePasswordEdit(LayoutEdits, QStringLiteral("EditSenha"));
    PasswordEditButton1
        = EditSenha->addButton(TEditButtonKind::Password, QStringLiteral("PasswordEditButton1"));
    // Top-aligned in creation order: the password above its confirmation.
    EditConfirmacaoSenha = makePasswordEdit(LayoutEdits, QStringLiteral("EditConfirmacaoSenha"));
    PasswordEditButton2 = EditConfirmacaoSenha->addButton(TEditButtonKind::Password,
                                                          QStringLiteral("PasswordEditButton2"));
    LabelMensagem = new TLabel(LayoutEdits, QStringLiteral("LabelMensagem"));
    LabelMensagem->setAlign(TAlignLayout::Bottom);
    LabelMensagem->setHeight(22);
    LabelMensagem->setHorzAlign(TTextAlign::Center);
    LabelForcaSenha = new TLabel(LayoutEdits, QStringLiteral("LabelForcaSenha"));
    LabelForcaSenha->setAlign(TAlignLayout::Bottom);
    LabelForcaSenha->setHeight(22);
    LabelForcaSenha->setHorzAlign(TTextAlign::Center);
    LabelForcaSenha->setPosition(0, 0);

    for (TEdit *edit : { EditSenha, EditConfirmacaoSenha }) {
        edit->OnChangeTracking = [this](QObject *) {
            TDravikHandleException::Guard([this] { EditSenhaChangeTracking(); });
        };
        edit->OnEnter = [edit](QObject *) { TAppUtils::EntraEdit(edit); };
        edit->OnExit = [edit](QObject *) { TAppUtils::SaiEdit(edit); };
    }
    SpeedButtonGravar->OnClick = [this](QObject *) { SpeedButtonGravarClick(); };
    SpeedButtonCancelar->OnClick = [this](QObject *) {
        TDravikHandleException::Guard([this] { SpeedButtonCancelarClick(); });
    };
}

void TFormTrocaSenha::FormCreate()
{
    TFormBase::FormCreate();
    // Part of the login: like the login window, it leaves the inactivity timer alone.
    IsInitializateApp();
    setGeometry(WorkAreaBounds());
    LabelMensagem->setVisible(false);
    LabelForcaSenha->setText(QString());
    FIsModifyPassword = false;
    TEditHelper::AddFloatingLabel(EditSenha, QStringLiteral("Senha"));
    TEditHelper::AddFloatingLabel(EditConfirmacaoSenha, QStringLiteral("Confirmação da Senha"));
}

int TFormTrocaSenha::CalcularForcaSenha()
{
    LabelForcaSenha->setText(QString());
    const int pontos = ::CalcularForcaSenha(EditSenha->text());
    const TNivelForcaSenha nivel = NivelForcaSenha(pontos);
    if (!nivel.Texto.isEmpty()) {
        LabelForcaSenha->setText(nivel.Texto);
        LabelForcaSenha->setFontColor(nivel.Cor);
    }
    return pontos;
}

void TFormTrocaSenha::EditSenhaChangeTracking()
{
    LabelMensagem->setVisible(false);
    CalcularForcaSenha();
}

void TFormTrocaSenha::showMensagem(const QString &AText)
{
    LabelMensagem->setText(AText);
    LabelMensagem->setVisible(true);
}

void TFormTrocaSenha::SpeedButtonGravarClick()
{
    // Refusals and the back end's failures stay in the dialog; only the success is a message.
    try {
        const QString refusal = ValidarTrocaSenha(EditSenha->text(), EditConfirmacaoSenha->text());
        if (!refusal.isEmpty()) {
            showMensagem(refusal);
            return;
        }
        ModificarSenha(FIdUsuario, EditSenha->text());
    } catch (...) {
        showMensagem(TDravikHandleException::MessageOf(std::current_exception()));
        return;
    }
    TDravikHandleException::Guard([this] {
        TAppUtils::MessageSystem(SuccessMessage);
        FIsModifyPassword = true;
        close();
    });
}

void TFormTrocaSenha::SpeedButtonCancelarClick()
{
    if (TAppUtils::MessageSystem(CancelQuestion) == mrYes)
        close();
}

void TFormTrocaSenha::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();
    // The form is see-through: only its rectangles paint.
    setAutoFillBackground(false);
    RectangleTitleBar->setFillColor(color.PrimaryColor);
    RectangleBackground->setFillColor(color.TertiaryColor);
    RectangleDialog->setFillColor(color.BackgroundColor2);
    Label1->setTextFont(fonts.TertiaryFont());
    Label1->setFontSize(25);
    Label1->setFontBold(true);
    Label1->setFontColor(color.TextSecondaryColor);
    for (TLabel *label : { LabelMensagem, LabelForcaSenha }) {
        label->setTextFont(fonts.TertiaryFont());
        label->setFontBold(true);
        label->setFontColor(color.MessageErrorColor);
    }
    for (TEdit *edit : { EditSenha, EditConfirmacaoSenha }) {
        edit->setTextFont(fonts.PrimaryFont());
        edit->setFontColor(color.TextPrimaryColor);
    }
    for (TSpeedButton *button : { SpeedButtonCancelar, SpeedButtonGravar }) {
        button->setTextFont(fonts.PrimaryFont());
        button->setFontSize(14);
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        button->setFontColor(color.PrimaryColor);
    }
}
