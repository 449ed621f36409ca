#pragma once

#include "App.Base.Service.h"

// The audit occurrences (/ocorrencia). The back end searches them slowly, so every call of this
// service waits up to 600000 ms instead of the usual 45000 ms.
class TOcorrenciaService final : public TBaseService
{
public:
    static constexpr int OcorrenciaTimeOut = 600000;

    TOcorrenciaService();

protected:
    void BeforeRequest() override;
};
