#include "App.Presenter.SimuladorCalculo.h"

#include "App.Service.SimuladorCalculo.h"
#include "Common.Dto.SimuladorCalculo.h"

ZUNTA_REGISTER_PRESENTER(TSimuladorCalculoPresenter)

TSimuladorCalculoPresenter::TSimuladorCalculoPresenter()
    : TBasePresenter(QStringLiteral("TSimuladorCalculoPresenter"))
{ }

std::unique_ptr<TSimuladorCalculoDto> TSimuladorCalculoPresenter::GetValoresContrato()
{
    return static_cast<TSimuladorCalculoService &>(*Service()).GetValoresContrato(*m_filterClass);
}

std::unique_ptr<TBaseEntity> TSimuladorCalculoPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TSimuladorCalculoPresenter::CreateService()
{
    return std::make_unique<TSimuladorCalculoService>();
}
