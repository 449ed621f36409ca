#pragma once

#include "App.Base.Service.h"

#include <cstdint>

// The back end's code tables (system lists): rows of a type with a short code, found by code and
// type. Resource "/lista-sistema".
class TListaSistemaService final : public TBaseService
{
public:
    TListaSistemaService();

    // The id of the first row of type ATipo whose code is ACodigo (the first row of the type
    // for an empty code); 0 when there is none or the reply is 304.
    std::int64_t GetListaSistemaByCodigoTipo(const QString &ACodigo, const QString &ATipo);
};
