#include "App.Lib.Application.h"

#include "App.Base.Form.View.h"
#include "App.Base.Form.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Top.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Service.Connection.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "Control.h"
#include "DateTime.h"
#include "Events.h"
#include "SysUtils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMouseEvent>

namespace {

const QString UnknownFormWarning = QStringLiteral("WARNING:O formulário %s não está disponível.");
const QString ChangeUserQuestion = QStringLiteral("QUESTION:Deseja alterar o usuário logado?");
const QString CloseFormsWarning = QStringLiteral(
    "WARNING:É necessário fechar os formulários abertos antes de efetuar essa ação.");
// Where the top-menu controls of the previous user go: off the bar, still owned by the main
// window, which the menu buttons holding them expect.
const QString OldTopMenuName = QStringLiteral("LayoutTopMenuAnterior");

std::unique_ptr<TApplicationZunta> &instanceSlot()
{
    static std::unique_ptr<TApplicationZunta> instance;
    return instance;
}

bool isActivityEvent(QEvent::Type type)
{
    // Only input, focus and activation count: painting and resizing would keep a window with a
    // spinner unlocked for ever.
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
        return true;
    default:
        return false;
    }
}

// Sees every event of the main thread: input inside a window (in the window itself or in any
// control in it, also in the parts of a view docked elsewhere) is user activity of that window.
class TActivityFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!isActivityEvent(event->type()))
            return false;
        QWidget *widget = nullptr;
        if (watched->isWidgetType()) {
            widget = static_cast<QWidget *>(watched);
        } else if (event->type() == QEvent::MouseMove && watched->isWindowType()) {
            // Without mouse tracking a hovering pointer reaches only the native window.
            widget = QApplication::widgetAt(
                static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        }
        const TFormBase *form = TFormBase::OwnerOf(widget);
        if (form && !form->IsInitializing()) {
            RunGuarded([] {
                if (TApplicationZunta *application = TApplicationZunta::FindInstance())
                    application->UserActivity();
            });
        }
        return false;
    }
};

} // namespace

TApplicationZunta::TApplicationZunta()
    : m_timerInatividade(std::make_unique<QTimer>())
    , m_empresaLogado(std::make_unique<TEmpresaDto>())
{
    m_timerInatividade->setSingleShot(false);
    QObject::connect(m_timerInatividade.get(), &QTimer::timeout, m_timerInatividade.get(), [this] {
        TDravikHandleException::Guard([this] { Logout(nullptr); });
    });
    if (QCoreApplication *application = QCoreApplication::instance()) {
        m_activityFilter = std::make_unique<TActivityFilter>();
        application->installEventFilter(m_activityFilter.get());
    }
    TItemControl::SetUserActivity([] {
        if (TApplicationZunta *application = FindInstance())
            application->UserActivity();
    });
    TItemControl::SetOpenFormCadastro(
        [](const QString &AFormClassName, TItemControl *AItemControl) -> QWidget * {
            TApplicationZunta &application = GetInstance();
            application.OpenForm(nullptr, AFormClassName, AItemControl);
            return application.FormOpened(AFormClassName);
        });
    TAppUtils::SetStopInactivityTimer([] {
        if (TApplicationZunta *application = FindInstance())
            application->TimerEnable(false, true);
    });
}

TApplicationZunta::~TApplicationZunta()
{
    TItemControl::SetUserActivity({});
    TItemControl::SetOpenFormCadastro({});
    TAppUtils::SetStopInactivityTimer({});
    if (m_activityFilter && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(m_activityFilter.get());
    ListMenu.clear();
    m_listOrderOpenedForm.clear();
    // The windows' destructors ask for the instance, which is already gone from its slot.
    auto forms = std::move(m_listFormOpened);
    forms.clear();
}

TApplicationZunta &TApplicationZunta::GetInstance()
{
    auto &instance = instanceSlot();
    if (!instance)
        instance.reset(new TApplicationZunta());
    return *instance;
}

TApplicationZunta *TApplicationZunta::FindInstance()
{
    return instanceSlot().get();
}

void TApplicationZunta::ResetInstance()
{
    instanceSlot().reset();
}

TUsuarioDto *TApplicationZunta::UsuarioLogado() const
{
    return TServiceConnection::GetInstance().UsuarioLogado();
}

bool TApplicationZunta::IsUserAdminstrator() const
{
    const TUsuarioDto *usuario = UsuarioLogado();
    return usuario && usuario->Id == 1;
}

TThemeApp &TApplicationZunta::ThemeApp() const
{
    return TThemeApp::Instance();
}

QString TApplicationZunta::Version() const
{
    return VersionOf(QCoreApplication::applicationFilePath());
}

QString TApplicationZunta::VersionOf(const QString &AFileName)
{
    const QFileInfo file(AFileName);
    if (!file.exists())
        return QString();
    return QStringLiteral("v") + file.lastModified().toString(QStringLiteral("MM.dd-HHmm"));
}

void TApplicationZunta::TimerEnable(bool AEnable, bool AIsInitializateApp)
{
    m_timerInatividade->stop();
    m_timerInatividade->setInterval(AIsInitializateApp ? 1 : m_inactivityInterval);
    if (AEnable)
        m_timerInatividade->start();
}

void TApplicationZunta::UserActivity()
{
    IsBloqueio = true;
    TimerEnable(true, false);
}

TFormBaseView *TApplicationZunta::FormOpened(const QString &AClassName) const
{
    const auto found = m_listFormOpened.find(AClassName);
    return found == m_listFormOpened.end() ? nullptr : found->second.get();
}

void TApplicationZunta::OpenForm(QObject *Sender,
                                 const QString &AClassName,
                                 TItemControl *AItemControl)
{
    const QString className = Sender ? Sender->property("FormClassName").toString() : AClassName;
    if (className.isEmpty())
        return;
    TFormBaseView *form = FormOpened(className);
    if (!form) {
        // Created before anything else changes, so that a window that fails to be created
        // leaves the open ones as they were.
        std::unique_ptr<TFormBase> created(TFormBase::CreateForm(className));
        form = dynamic_cast<TFormBaseView *>(created.get());
        if (!form) {
            TAppUtils::MessageSystem(Format(UnknownFormWarning, { className }));
            return;
        }
        created.release();
        m_listFormOpened[className].reset(form);
    }
    hideOpenForms();
    if (MultiViewMenu)
        MultiViewMenu->hideMaster();
    form->SetItemControlPesquisa(AItemControl);
    dock(form);
    bringToFront(form);
}

void TApplicationZunta::OpenFormAssigned(std::unique_ptr<TFormBaseView> AForm)
{
    if (!AForm)
        return;
    const QString className = AForm->ClassName();
    hideOpenForms();
    freeForm(className);
    TFormBaseView *form = AForm.get();
    m_listFormOpened[className] = std::move(AForm);
    if (MultiViewMenu)
        MultiViewMenu->hideMaster();
    dock(form);
    bringToFront(form);
}

void TApplicationZunta::VisibleFirstFormOpened(const QString &AClassName)
{
    if (!FormOpened(AClassName))
        return;
    freeForm(AClassName);
    TFormBaseView *previous = nullptr;
    if (!m_listOrderOpenedForm.isEmpty())
        previous = m_listOrderOpenedForm.constLast();
    else if (!m_listFormOpened.empty())
        previous = m_listFormOpened.begin()->second.get();
    if (previous && previous->RectanglePrincipal)
        previous->RectanglePrincipal->setVisible(true);
}

void TApplicationZunta::ForgetForm(TFormBaseView *AForm)
{
    m_listOrderOpenedForm.removeAll(AForm);
    for (auto entry = m_listFormOpened.begin(); entry != m_listFormOpened.end(); ++entry) {
        if (entry->second.get() == AForm) {
            // Already being destroyed by whoever called this.
            (void)entry->second.release();
            m_listFormOpened.erase(entry);
            return;
        }
    }
}

void TApplicationZunta::hideOpenForms()
{
    for (const auto &[className, form] : m_listFormOpened) {
        if (form->RectanglePrincipal)
            form->RectanglePrincipal->setVisible(false);
    }
}

void TApplicationZunta::dock(TFormBaseView *AForm)
{
    if (QWidget *principal = AForm->RectanglePrincipal) {
        if (LayoutPrincipal)
            SetParentControl(principal, LayoutPrincipal);
        principal->setVisible(true);
    }
    AForm->SetFocusedPrincipalComponent();
}

void TApplicationZunta::bringToFront(TFormBaseView *AForm)
{
    m_listOrderOpenedForm.removeAll(AForm);
    m_listOrderOpenedForm.append(AForm);
}

void TApplicationZunta::freeForm(const QString &AClassName)
{
    const auto found = m_listFormOpened.find(AClassName);
    if (found == m_listFormOpened.end())
        return;
    std::unique_ptr<TFormBaseView> form = std::move(found->second);
    m_listFormOpened.erase(found);
    m_listOrderOpenedForm.removeAll(form.get());
    // The window is usually closed from inside one of its own events (its close button, its close
    // timer): it goes away once that event has been handled, out of sight until then.
    form->ReleasePrincipal();
    form->hide();
    form.release()->deleteLater();
}

void TApplicationZunta::clearTopMenu()
{
    if (!FormPrincipal)
        return;
    auto *bar = FormPrincipal->findChild<QWidget *>(QStringLiteral("LayoutTopMenu"));
    if (!bar)
        return;
    auto *old = FormPrincipal->findChild<QWidget *>(OldTopMenuName, Qt::FindDirectChildrenOnly);
    if (!old) {
        old = new QWidget(FormPrincipal);
        old->setObjectName(OldTopMenuName);
        old->hide();
    }
    for (QWidget *control : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setParent(old);
}

void TApplicationZunta::Logout(QObject *)
{
    if (m_timerInatividade->isActive()) {
        TimerEnable(false, true);
        if (IsBloqueio) {
            // The lock: the same user logs in again; the open windows stay as they are.
            const TUsuarioDto *usuario = UsuarioLogado();
            if (ProcLogar)
                ProcLogar(usuario ? usuario->Id : 0);
        } else if (TAppUtils::MessageSystem(ChangeUserQuestion) == mrYes) {
            if (!m_listFormOpened.empty()) {
                TAppUtils::MessageSystem(CloseFormsWarning);
                TimerEnable(false, true);
                return;
            }
            TDateTime expired = Now();
            expired -= 10;
            TServiceConnection::GetInstance().SetTokenValidTime(expired);
            if (ProcLogar)
                ProcLogar(0);
            clearTopMenu();
            if (ProcLoadMenu)
                ProcLoadMenu();
        } else {
            IsBloqueio = true;
        }
    }
    if (IsBloqueio)
        TimerEnable(true, false);
}

void TApplicationZunta::EnableLayoutApoio(QWidget *AComponent)
{
    if (LayoutApoio) {
        if (AComponent) {
            AComponent->setParent(LayoutApoio);
            if (LayoutApoio->layout())
                LayoutApoio->layout()->addWidget(AComponent);
            AComponent->show();
        }
        LayoutApoio->show();
    }
    if (LayoutPrincipal)
        LayoutPrincipal->setEnabled(false);
    if (PanelMenu)
        PanelMenu->setEnabled(false);
}

void TApplicationZunta::DesableLayoutApoio()
{
    if (LayoutApoio)
        LayoutApoio->hide();
    if (LayoutPrincipal)
        LayoutPrincipal->setEnabled(true);
    if (PanelMenu)
        PanelMenu->setEnabled(true);
}

// --- The Qt application ----------------------------------------------------------------------

TQtApplication::TQtApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool TQtApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleApplicationException(std::current_exception());
        return false;
    }
}
