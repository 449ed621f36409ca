#pragma once

#include "Common.Base.Dto.h"

#include <QString>

#include <memory>

// What the address finders of the lookups (TPesquisaUnidadeFederativa.FindBySigla and the
// others) ask of the geography services, which implement it: the services belong to the people
// subsystem, above the shell, and a lookup holds its entity's service only as a TBaseService.
//
// Each call finds one record by its natural key, sent as the query's "search" text, and gives
// the list row of that record (TUnidadeFederativaDto, TMunicipioDto, TBairroDto, TLogradouroDto),
// owned by the caller. A reply that fails raises the message it carries (the back end's warning
// when nothing matches); a JSON object whose id is 0 comes back as it is.

class IUnidadeFederativaFinder
{
public:
    virtual ~IUnidadeFederativaFinder() = default;
    virtual std::unique_ptr<TBaseDto> FindBySigla(const QString &ASigla) = 0;
};

class IMunicipioFinder
{
public:
    virtual ~IMunicipioFinder() = default;
    virtual std::unique_ptr<TBaseDto> FindByMunicipioUF(const QString &AMunicipio,
                                                        const QString &AUF)
        = 0;
};

class IBairroFinder
{
public:
    virtual ~IBairroFinder() = default;
    virtual std::unique_ptr<TBaseDto>
    FindByBairroMunicipioUF(const QString &ABairro, const QString &AMunicipio, const QString &AUF)
        = 0;
};

class ILogradouroFinder
{
public:
    virtual ~ILogradouroFinder() = default;
    virtual std::unique_ptr<TBaseDto> FindByCep(const QString &ACep) = 0;
};
