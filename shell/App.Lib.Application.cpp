#include "App.Lib.Application.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Dto.Usuario.h"

#include <QLayout>

namespace {
std::unique_ptr<TApplicationZunta> &instanceSlot()
{
    static std::unique_ptr<TApplicationZunta> instance;
    return instance;
}
} // namespace

TApplicationZunta::TApplicationZunta()
    : m_timerInatividade(std::make_unique<QTimer>())
{
    m_timerInatividade->setSingleShot(false);
}

TApplicationZunta::~TApplicationZunta() = default;

TApplicationZunta &TApplicationZunta::GetInstance()
{
    auto &instance = instanceSlot();
    if (!instance)
        instance.reset(new TApplicationZunta());
    return *instance;
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

void TApplicationZunta::TimerEnable(bool AEnable, bool AIsInitializateApp)
{
    m_timerInatividade->stop();
    m_timerInatividade->setInterval(AIsInitializateApp ? 1 : m_inactivityInterval);
    if (AEnable)
        m_timerInatividade->start();
}

void TApplicationZunta::OpenForm(QObject *, const QString &, TItemControl *)
{
    // Docking of view windows comes with the view window itself.
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
