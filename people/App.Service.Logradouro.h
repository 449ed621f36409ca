#pragma once

#include "App.Base.Service.h"
#include "App.Interf.Service.Endereco.h"

// The streets (/logradouro).
class TLogradouroService final : public TBaseService, public ILogradouroFinder
{
public:
    TLogradouroService();

    // GET /logradouro/pesquisa-logradouro/ with the postal code unchanged as "search" (callers
    // pass digits only): a TLogradouroDto.
    std::unique_ptr<TBaseDto> FindByCep(const QString &ACep) override;
};
