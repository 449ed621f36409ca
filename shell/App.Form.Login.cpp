#include "App.Form.Login.h"

#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Form.TrocaSenha.h"
#include "App.Lib.FormScreen.h"
#include "App.Lib.Service.Connection.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Login.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"
#include "StyleIcons.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QString SelecioneEmpresa = QStringLiteral("SELECIONE UMA EMPRESA");
const QString EmpresaWarning
    = QStringLiteral("WARNING:Selecione uma empresa para acessar o sistema.");
const QString OutroUsuarioWarning
    = QStringLiteral("WARNING:Logue com o usuário utilizado anteriormente e efetue o logout\r\n"
                     "para logar com um novo usuário.");
const QString NovaSenhaWarning
    = QStringLiteral("WARNING:Digite a nova senha para acessar o sistema.");
constexpr int StatusTrocaSenha = 422;

QStringList linesOf(const QString &AText)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = AText.split(lineBreak);
    // A text ending in a line break has no empty last line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

TEdit *makeLoginEdit(TLayout *AParent, const QString &AName)
{
    auto *edit = new TEdit(AParent, AName);
    edit->setAlign(TAlignLayout::Top);
    edit->setHeight(45);
    edit->setMargins(60, 30, 60, 0);
    edit->setTextAlign(TTextAlign::Center);
    return edit;
}

// A rectangle that acts as a button, with its caption.
TRectangle *makeButton(QWidget *AParent,
                       const QString &AName,
                       TLabel *&ALabel,
                       const QString &ALabelName,
                       const QString &ACaption)
{
    auto *rectangle = new TRectangle(AParent, AName);
    rectangle->setAlign(TAlignLayout::Top);
    rectangle->setHeight(45);
    rectangle->setRadius(5, 5);
    rectangle->setStrokeColor(TAlphaColors::Null);
    rectangle->setCursor(Qt::PointingHandCursor);
    ALabel = new TLabel(rectangle, ALabelName);
    ALabel->setAlign(TAlignLayout::Client);
    ALabel->setHorzAlign(TTextAlign::Center);
    ALabel->setText(ACaption);
    return rectangle;
}

} // namespace

std::int64_t IdUsuarioTrocaSenha(const QString &AMessage)
{
    const QStringList lines = linesOf(AMessage);
    if (lines.size() < 3)
        return 0;
    QString line = lines.at(2);
    const qsizetype at = line.indexOf(QStringLiteral("ID"));
    if (at >= 0)
        line.remove(at, 2);
    std::int64_t id = 0;
    return TryStrToInt64(line, id) ? id : 0;
}

QString MensagemTrocaSenha(const QString &AMessage)
{
    QStringList lines = linesOf(AMessage);
    if (lines.size() >= 3)
        lines.removeAt(2);
    return lines.join(QStringLiteral("\r\n"));
}

TFormLogin::TFormLogin(QWidget *AParent)
    : TFormBase(QStringLiteral("TFormLogin"), AParent)
{
    setWindowTitle(QStringLiteral("Login"));
    resize(900, 540);
    InstallAlignLayout(this);

    RectanglePrincipal = new TRectangle(this, QStringLiteral("RectanglePrincipal"));
    RectanglePrincipal->setAlign(TAlignLayout::Client);
    RectanglePrincipal->setRadius(5, 5);
    RectanglePrincipal->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    SetPadding(RectanglePrincipal, QMargins(1, 1, 1, 1));

    // The left panel: the logo and the version.
    Layout2 = new TLayout(RectanglePrincipal, QStringLiteral("Layout2"));
    Layout2->setAlign(TAlignLayout::Left);
    Layout2->setWidth(350);
    Rectangle2 = new TRectangle(Layout2, QStringLiteral("Rectangle2"));
    Rectangle2->setAlign(TAlignLayout::Client);
    Rectangle2->setStrokeColor(TAlphaColors::Null);
    LabelVersionSystem = new TLabel(Rectangle2, QStringLiteral("LabelVersionSystem"));
    LabelVersionSystem->setAlign(TAlignLayout::Bottom);
    LabelVersionSystem->setHeight(30);
    LabelVersionSystem->setHorzAlign(TTextAlign::Center);
    Image1 = new TImage(Rectangle2, QStringLiteral("Image1"));
    Image1->setAlign(TAlignLayout::Center);
    Image1->setSize(260, 120);
    Image1->setHitTest(false);

    // The right part: cancel at the top, then the login block.
    Layout3 = new TLayout(RectanglePrincipal, QStringLiteral("Layout3"));
    Layout3->setAlign(TAlignLayout::Client);
    Rectangle3 = new TRectangle(Layout3, QStringLiteral("Rectangle3"));
    Rectangle3->setAlign(TAlignLayout::Client);
    Rectangle3->setStrokeColor(TAlphaColors::Null);
    Layout10 = new TLayout(Rectangle3, QStringLiteral("Layout10"));
    Layout10->setAlign(TAlignLayout::Top);
    Layout10->setHeight(40);
    RectangleCancelar = new TRectangle(Layout10, QStringLiteral("RectangleCancelar"));
    RectangleCancelar->setAlign(TAlignLayout::Right);
    RectangleCancelar->setWidth(40);
    RectangleCancelar->setStrokeColor(TAlphaColors::Null);
    RectangleCancelar->setFillColor(TAlphaColors::Null);
    RectangleCancelar->setCursor(Qt::PointingHandCursor);
    Image3 = new TImage(RectangleCancelar, QStringLiteral("Image3"));
    Image3->setAlign(TAlignLayout::Client);
    Image3->setMargins(8, 8, 8, 8);
    Image3->setBitmap(GlyphPixmap(TGlyph::Close, 48, 0xFF808080).toImage());

    Rectangle1 = new TRectangle(Rectangle3, QStringLiteral("Rectangle1"));
    Rectangle1->setAlign(TAlignLayout::Client);
    Rectangle1->setStrokeColor(TAlphaColors::Null);
    SetPadding(Rectangle1, QMargins(70, 20, 70, 20));

    LayoutLogin = new TLayout(Rectangle1, QStringLiteral("LayoutLogin"));
    LayoutLogin->setAlign(TAlignLayout::Top);
    LayoutLogin->setHeight(249);
    LayoutLogin->setPositionY(0);
    EditLogin = makeLoginEdit(LayoutLogin, QStringLiteral("EditLogin"));
    EditLogin->setPositionY(0);
    EditSenha = makeLoginEdit(LayoutLogin, QStringLiteral("EditSenha"));
    EditSenha->setPassword(true);
    EditSenha->setPositionY(100);
    RectangleLogar = makeButton(LayoutLogin,
                                QStringLiteral("RectangleLogar"),
                                LabelButtonLogar,
                                QStringLiteral("LabelButtonLogar"),
                                QStringLiteral("Logar"));
    RectangleLogar->setMargins(60, 40, 60, 0);
    RectangleLogar->setPositionY(200);

    Layout8 = new TLayout(Rectangle1, QStringLiteral("Layout8"));
    Layout8->setAlign(TAlignLayout::Top);
    Layout8->setHeight(130);
    Layout8->setPositionY(300);
    RectangleEmpresa = new TRectangle(Layout8, QStringLiteral("RectangleEmpresa"));
    RectangleEmpresa->setAlign(TAlignLayout::Center);
    RectangleEmpresa->setSize(290, 120);
    RectangleEmpresa->setStrokeColor(TAlphaColors::Null);
    RectangleEmpresa->setFillColor(0xFF313842);
    RectangleEmpresa->setRadius(5, 5);
    SetPadding(RectangleEmpresa, QMargins(10, 5, 10, 5));
    RectangleEmpresa->setEnabled(false);
    Label1 = new TLabel(RectangleEmpresa, QStringLiteral("Label1"));
    Label1->setAlign(TAlignLayout::Top);
    Label1->setHeight(25);
    Label1->setPositionY(0);
    Label1->setText(QStringLiteral("Empresa"));
    ComboBoxEmpresa = new TComboBox(RectangleEmpresa, QStringLiteral("ComboBoxEmpresa"));
    ComboBoxEmpresa->setAlign(TAlignLayout::Top);
    ComboBoxEmpresa->setHeight(35);
    ComboBoxEmpresa->setPositionY(30);
    RectangleAcessar = makeButton(RectangleEmpresa,
                                  QStringLiteral("RectangleAcessar"),
                                  Label2,
                                  QStringLiteral("Label2"),
                                  QStringLiteral("Acessar"));
    RectangleAcessar->setHeight(40);
    RectangleAcessar->setMargins(0, 5, 0, 0);
    RectangleAcessar->setPositionY(80);

    EditLogin->OnEnter = [this](QObject *) { TAppUtils::EntraEdit(EditLogin); };
    EditLogin->OnExit = [this](QObject *) { TAppUtils::SaiEdit(EditLogin); };
    EditSenha->OnEnter = [this](QObject *) { TAppUtils::EntraEdit(EditSenha); };
    EditSenha->OnExit = [this](QObject *) { TAppUtils::SaiEdit(EditSenha); };
    // Enter in the login goes on to the password.
    EditLogin->OnKeyDown = [this](QObject *, int &AKey, QChar &, Qt::KeyboardModifiers) {
        if (AKey == vkReturn) {
            AKey = 0;
            EditSenha->setFocus(Qt::TabFocusReason);
        }
    };
    EditSenha->OnKeyDown = [this](QObject *, int &AKey, QChar &, Qt::KeyboardModifiers) {
        TDravikHandleException::Guard([this, &AKey] { EditSenhaKeyDown(AKey); });
    };
    RectangleLogar->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { RectangleLogarClick(); }); };
    RectangleAcessar->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { RectangleAcessarClick(); }); };
    RectangleCancelar->OnClick = [this](QObject *) { RectangleCancelarClick(); };
    Image3->OnClick = [this](QObject *) { RectangleCancelarClick(); };
}

TFormLogin::~TFormLogin()
{
    // The user who just logged in (or the one locked out) starts the inactivity count afresh.
    EndInitializateApp();
    if (TApplicationZunta *application = TApplicationZunta::FindInstance()) {
        application->IsBloqueio = true;
        application->TimerEnable(true, false);
    }
}

void TFormLogin::FormCreate()
{
    TFormBase::FormCreate();
    const QRect area = WorkArea();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    IsInitializateApp();
    FLogado = false;
    FCancelaLogin = false;
    FIdUsuarioLogado = 0;
    TEditHelper::AddFloatingLabel(EditLogin, QStringLiteral("E-mail/Login"));
    TEditHelper::AddFloatingLabel(EditSenha, QStringLiteral("Senha"));
    TApplicationZunta::GetInstance().TimerEnable(false, true);
}

void TFormLogin::showEvent(QShowEvent *AEvent)
{
    TFormBase::showEvent(AEvent);
    LabelVersionSystem->setText(TApplicationZunta::GetInstance().Version());
    EditLogin->setFocus(Qt::OtherFocusReason);
    // The window is not active yet: the focus arrives with its activation, which runs no enter
    // handler, so the caption is moved above the edit here.
    TAppUtils::EntraEdit(EditLogin);
}

void TFormLogin::EditSenhaKeyDown(int &AKey)
{
    if (AKey != vkReturn)
        return;
    AKey = 0;
    if (!EditLogin->text().isEmpty() && !EditSenha->text().isEmpty())
        RectangleLogarClick();
}

void TFormLogin::RectangleLogarClick()
{
    if (!LayoutLogin->isEnabled())
        return;
    std::unique_ptr<TLoginPresenter> presenter;
    try {
        TServiceConnection::GetInstance().SetIdEmpresa(0);
        presenter = TBasePresenter::Create<TLoginPresenter>();
        // The same digest as the password change sends, so that a changed password logs in.
        TObjectList<TEmpresaDto> empresas
            = presenter->Logar(EditLogin->text(), DigestSenha(EditSenha->text()));
        presenter.reset();
        if (empresas.empty())
            return;
        LayoutLogin->setEnabled(false);
        RectangleEmpresa->setEnabled(true);
        if (FIdUsuarioLogado != 0) {
            RectangleAcessarClick();
            return;
        }
        const bool single = empresas.size() == 1;
        FillComboEmpresa(std::move(empresas));
        if (single) {
            ComboBoxEmpresa->setItemIndex(1);
            RectangleAcessarClick();
        }
    } catch (...) {
        const QString message = TDravikHandleException::MessageOf(std::current_exception());
        if (presenter && presenter->StatusCode() == StatusTrocaSenha)
            trocarSenha(message);
        else
            TAppUtils::MessageSystem(message);
        if (EditLogin->isEnabled() && EditLogin->isVisible())
            EditLogin->setFocus(Qt::OtherFocusReason);
    }
}

void TFormLogin::trocarSenha(const QString &AMessage)
{
    std::unique_ptr<TFormTrocaSenha> troca(TFormBase::Create<TFormTrocaSenha>());
    troca->SetIdUsuario(IdUsuarioTrocaSenha(AMessage));
    ExecuteModal(troca.get());
    if (troca->IsModifyPassword()) {
        EditSenha->clear();
        TAppUtils::MessageSystem(NovaSenhaWarning);
    } else {
        TAppUtils::MessageSystem(MensagemTrocaSenha(AMessage));
    }
}

void TFormLogin::FillComboEmpresa(TObjectList<TEmpresaDto> AList)
{
    ComboBoxEmpresa->clear();
    m_empresas = std::move(AList);
    ComboBoxEmpresa->addItem(SelecioneEmpresa);
    for (const auto &empresa : m_empresas)
        ComboBoxEmpresa->addItem(empresa->Empresa);
    ComboBoxEmpresa->setItemIndex(0);
}

void TFormLogin::RectangleAcessarClick()
{
    try {
        TApplicationZunta &application = TApplicationZunta::GetInstance();
        TServiceConnection &connection = TServiceConnection::GetInstance();
        if (FIdUsuarioLogado != 0) {
            const TUsuarioDto *usuario = application.UsuarioLogado();
            if (!usuario || usuario->Id != FIdUsuarioLogado) {
                TAppUtils::MessageSystem(OutroUsuarioWarning);
                return;
            }
            // The company chosen before stays; the token becomes that company's again.
            connection.SetIdEmpresa(application.EmpresaLogado().Id);
        } else {
            const int index = ComboBoxEmpresa->itemIndex();
            if (ComboBoxEmpresa->count() == 0 || index <= 0 || index > int(m_empresas.size())) {
                TAppUtils::MessageSystem(EmpresaWarning);
                return;
            }
            const TEmpresaDto &empresa = *m_empresas[std::size_t(index - 1)];
            application.EmpresaLogado().Id = empresa.Id;
            application.EmpresaLogado().Empresa = empresa.Empresa;
            connection.SetIdEmpresa(empresa.Id);
        }
        FLogado = true;
        close();
    } catch (...) {
        TAppUtils::MessageSystem(TDravikHandleException::MessageOf(std::current_exception()));
    }
}

void TFormLogin::RectangleCancelarClick()
{
    FCancelaLogin = true;
    close();
}

void TFormLogin::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();
    RectanglePrincipal->setFillColor(color.BackgroundColor2);
    RectanglePrincipal->setStrokeColor(color.SecondaryColor);
    RectanglePrincipal->setStrokeThickness(1);
    Rectangle2->setFillColor(color.PrimaryColor);
    RectangleLogar->setFillColor(color.PrimaryColor);
    RectangleAcessar->setFillColor(color.SecondaryColor);
    Rectangle1->setFillColor(color.BackgroundColor2);
    Rectangle3->setFillColor(color.BackgroundColor2);
    for (TLabel *label : { Label1, Label2, LabelButtonLogar }) {
        label->setTextFont(fonts.TertiaryFont());
        label->setFontSize(14);
        label->setFontColor(color.TextSecondaryColor);
    }
    LabelVersionSystem->setTextFont(fonts.PrimaryFont());
    LabelVersionSystem->setFontSize(14);
    LabelVersionSystem->setFontColor(color.SecondaryColor);
    for (TEdit *edit : { EditLogin, EditSenha })
        edit->setTextFont(fonts.SecondaryFont());
    ComboBoxEmpresa->setTextFont(fonts.SecondaryFont());
    Image1->setBitmap(LogoImage(Image1->size(), color.SecondaryColor));
}
