#include "App.Lib.Application.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Dto.Usuario.h"

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
