#pragma once

#include "App.Base.Service.h"

// The stand-alone receipts (/recibo-avulso); the base calls serve it.
class TReciboAvulsoService final : public TBaseService
{
public:
    TReciboAvulsoService();
};
