#pragma once

#include "App.Base.Service.h"

// The commission models (/modelo-comissao); the base calls serve them.
class TModeloComissaoService final : public TBaseService
{
public:
    TModeloComissaoService();
};
