#pragma once

#include "App.Base.Service.h"

// The permission profiles (/perfil-permissao); the base calls serve them, the aggregate save
// included.
class TPerfilPermissaoService final : public TBaseService
{
public:
    TPerfilPermissaoService();
};
