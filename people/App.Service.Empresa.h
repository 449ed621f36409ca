#pragma once

#include "App.Base.Service.h"

// The companies (/empresa). Every call of this service, reads and saves alike, runs with a
// time-out of 600000 ms: a company body carries two pictures.
class TEmpresaService final : public TBaseService
{
public:
    static constexpr int EmpresaTimeOut = 600000;

    TEmpresaService();

protected:
    void BeforeRequest() override;
};
