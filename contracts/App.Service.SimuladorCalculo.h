#pragma once

#include "App.Base.Service.h"

#include <memory>

class TSimuladorCalculoDto;
class TSimuladorCalculoFilterClass;

// The back end's price of a contract (/simulador-calculo), with the default time-out.
class TSimuladorCalculoService final : public TBaseService
{
public:
    TSimuladorCalculoService();

    // GET /simulador-calculo, paged page 1 of 100, with the filter as body. Only a 200 reply is
    // a price: any other status raises the reply's text (a 400 carrying JSON is no price of 0),
    // as does a reply without JSON.
    std::unique_ptr<TSimuladorCalculoDto>
    GetValoresContrato(const TSimuladorCalculoFilterClass &AFilterClass);
};
