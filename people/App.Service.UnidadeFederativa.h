#pragma once

#include "App.Base.Service.h"
#include "App.Interf.Service.Endereco.h"

// The states (/unidade-federativa).
class TUnidadeFederativaService final : public TBaseService, public IUnidadeFederativaFinder
{
public:
    TUnidadeFederativaService();

    // GET /unidade-federativa/pesquisa-sigla/ with the abbreviation in upper case as "search":
    // a TUnidadeFederativaDto.
    std::unique_ptr<TBaseDto> FindBySigla(const QString &ASigla) override;
};
