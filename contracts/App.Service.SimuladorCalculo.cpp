#include "App.Service.SimuladorCalculo.h"

#include "Common.Dto.SimuladorCalculo.h"
#include "Common.FilterClass.SimuladorCalculo.h"

ZUNTA_REGISTER_SERVICE(TSimuladorCalculoService)

TSimuladorCalculoService::TSimuladorCalculoService()
    : TBaseService(QStringLiteral("TSimuladorCalculoService"))
{ }

std::unique_ptr<TSimuladorCalculoDto>
TSimuladorCalculoService::GetValoresContrato(const TSimuladorCalculoFilterClass &AFilterClass)
{
    ClearRequest();
    ExecuteGetWithFilter(ResourceName(), &AFilterClass);
    if (StatusCode() != 200)
        raiseReply();
    return readReplyObject<TSimuladorCalculoDto>();
}
