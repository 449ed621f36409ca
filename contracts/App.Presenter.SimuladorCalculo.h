#pragma once

#include "App.Base.Presenter.h"
#include "Common.FilterClass.SimuladorCalculo.h"

#include <memory>

class TSimuladorCalculoDto;

// Prices a contract through the back end: the caller sets IdContrato (and IdPlano) on the
// presenter's filter and asks for the values. No record is edited and no list is shown.
class TSimuladorCalculoPresenter final : public TBasePresenter
{
public:
    TSimuladorCalculoPresenter();

    TSimuladorCalculoFilterClass &SimuladorCalculoFilterClass() { return *m_filterClass; }

    // The price of the filter's contract, a new object; a refusal or no reply raises.
    std::unique_ptr<TSimuladorCalculoDto> GetValoresContrato();

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;

private:
    std::unique_ptr<TSimuladorCalculoFilterClass> m_filterClass
        = std::make_unique<TSimuladorCalculoFilterClass>();
};
