#pragma once

#include "App.Base.Service.h"

// The document types (/tipo-documento); the base calls serve it.
class TTipoDocumentoService final : public TBaseService
{
public:
    TTipoDocumentoService();
};
