#include "App.Base.Form.h"

#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.Presenter.FormPermission.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Dto.FormPermission.h"
#include "Label.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPalette>
#include <QPointer>
#include <QVariant>

namespace {

constexpr const char *PartOfProperty = "zuntaPartOf";

} // namespace

void TComponentePermissaoDto::SetComponente(QWidget *AComponente)
{
    m_componente = AComponente;
    const TThemeApp &theme = TThemeApp::Instance();
    if (auto *rectangle = qobject_cast<TRectangle *>(AComponente)) {
        rectangle->setFillColor(theme.ColorApp().SecondaryColor);
        for (auto *label : rectangle->findChildren<TLabel *>(Qt::FindDirectChildrenOnly)) {
            label->setFontColor(theme.ColorApp().TextSecondaryColor);
            label->setFont(theme.FontApp().SecondaryFont());
        }
        m_onClick = rectangle->OnClick;
        rectangle->OnClick = [this](QObject *sender) { blockedClick(sender); };
    } else if (auto *button = qobject_cast<TSpeedButton *>(AComponente)) {
        if (!m_iconeLabel.isEmpty())
            button->setStyleLookup(m_iconeLabel);
        m_onClick = button->OnClick;
        button->OnClick = [this](QObject *sender) { blockedClick(sender); };
    }
}

void TComponentePermissaoDto::blockedClick(QObject *ASender)
{
    if (!m_permissaoFormulario)
        return;
    if (m_permissaoComponente) {
        RunEvent(m_onClick, ASender);
        return;
    }
    TAppUtils::MessageSystem(
        QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
}

TFormBase::TFormBase(const QString &AClassName, QWidget *AParent)
    : QWidget(AParent)
    , m_className(AClassName)
    , m_timerCloseForm(new QTimer(this))
{
    // The application object watches the windows' input for its inactivity lock.
    TApplicationZunta::GetInstance();
    setObjectName(AClassName);
    setWindowFlag(Qt::FramelessWindowHint);
    resize(640, 480);
    setWindowTitle(QStringLiteral("Form1"));
    m_timerCloseForm->setObjectName(QStringLiteral("TimerCloseForm"));
    m_timerCloseForm->setSingleShot(true);
    m_timerCloseForm->setInterval(1);
    connect(m_timerCloseForm, &QTimer::timeout, this, [this] {
        TDravikHandleException::Guard([this] { timerCloseFormTimer(); });
    });
}

TFormBase::~TFormBase() = default;

TFormBase *TFormBase::CreateForm(const QString &AClassName, QWidget *AParent)
{
    const auto factory = TClassRegistry::FindFactory<TFormFactory>(AClassName);
    return factory ? factory(AParent) : nullptr;
}

void TFormBase::FormCreate()
{
    ProcCloseForm = [this] { CloseForm(); };
    m_mapObjectsAction.clear();
    m_isFormPermission = true;
    if (IgnorePermission())
        setAllPermissions(true);
    else
        checkPermission();
    ApplyThemeApp();
}

void TFormBase::setAllPermissions(bool AValue)
{
    FPermissionInserir = FPermissionEditar = FPermissionRemover = FPermissionMovimentar
        = FPermissionVisualizar = FPermissionPermissaoExtra1 = FPermissionPermissaoExtra2
        = FPermissionPermissaoExtra3 = AValue;
}

void TFormBase::checkPermission()
{
    try {
        const bool administrador = TApplicationZunta::GetInstance().IsUserAdminstrator();
        setAllPermissions(administrador);
        if (administrador)
            return;
        auto presenter = TBasePresenter::Create<TFormPermissionPresenter>();
        const auto permission = presenter->getFormPermssion(m_className);
        if (!permission)
            throw Exception(Format(QStringLiteral("WARNING:Seu usuário não possui permissão de "
                                                  "acesso\r\nneste formulário (%s)."),
                                   { windowTitle() }));
        FPermissionInserir = permission->Inserir;
        FPermissionEditar = permission->Editar;
        FPermissionRemover = permission->Remover;
        FPermissionMovimentar = permission->Movimentar;
        FPermissionVisualizar = permission->Visualizar;
        FPermissionPermissaoExtra1 = permission->PermissaoExtra1;
        FPermissionPermissaoExtra2 = permission->PermissaoExtra2;
        FPermissionPermissaoExtra3 = permission->PermissaoExtra3;
    } catch (...) {
        m_isFormPermission = false;
        TDravikHandleException::Handle(std::current_exception());
        m_timerCloseForm->start();
    }
}

void TFormBase::ApplyThemeApp()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window,
                     QColor::fromRgba(TThemeApp::Instance().ColorApp().BackgroundColor));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TFormBase::ExecuteProcCloseForm()
{
    // A copy: the procedure may put another one in place (the modal container gives the view
    // its own back while closing).
    const std::function<void()> procedure = ProcCloseForm;
    if (procedure)
        procedure();
}

void TFormBase::timerCloseFormTimer()
{
    m_timerCloseForm->stop();
    if (!m_isFormPermission)
        ExecuteProcCloseForm();
}

void TFormBase::addPermission(QWidget *AControl, bool APermission, const QString &AIconeLabel)
{
    const QString name = AControl->objectName();
    if (m_mapObjectsAction.count(name))
        throw Exception(QStringLiteral("ERROR:Duplicates not allowed (%1).").arg(name));
    auto record = std::make_unique<TComponentePermissaoDto>();
    record->SetPermissaoFormulario(m_isFormPermission);
    record->SetPermissaoComponente(APermission);
    record->SetComponente(AControl);
    record->SetIconeLabel(AIconeLabel);
    m_mapObjectsAction.emplace(name, std::move(record));
}

void TFormBase::AddPermissionInserir(QWidget *AControl)
{
    addPermission(AControl, FPermissionInserir, QStringLiteral("additembutton"));
}

void TFormBase::AddPermissionMovimentar(QWidget *AControl)
{
    addPermission(AControl, FPermissionMovimentar, QStringLiteral("addtoolbutton"));
}

void TFormBase::AddPermissionExtra1(TRectangle *ARectangle)
{
    addPermission(ARectangle, FPermissionPermissaoExtra1, QString());
}

void TFormBase::AddPermissionRemover(TRectangle *ARectangle)
{
    addPermission(ARectangle, FPermissionRemover, QStringLiteral("trashtoolbutton"));
}

void TFormBase::AddPermissionVisualizar(TRectangle *ARectangle)
{
    addPermission(ARectangle, FPermissionVisualizar, QStringLiteral("searchtoolbutton"));
}

void TFormBase::MarkPartOf(QWidget *APart)
{
    APart->setProperty(PartOfProperty, QVariant::fromValue(QPointer<QWidget>(this)));
}

TFormBase *TFormBase::OwnerOf(QWidget *AControl)
{
    for (QWidget *widget = AControl; widget; widget = widget->parentWidget()) {
        if (auto *form = dynamic_cast<TFormBase *>(widget))
            return form;
        const QVariant owner = widget->property(PartOfProperty);
        if (owner.isValid()) {
            if (QWidget *form = owner.value<QPointer<QWidget>>())
                return dynamic_cast<TFormBase *>(form);
        }
    }
    return nullptr;
}
