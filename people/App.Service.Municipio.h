#pragma once

#include "App.Base.Service.h"
#include "App.Interf.Service.Endereco.h"

#include <cstdint>

class TMunicipioEntity;

// The cities (/municipio).
class TMunicipioService final : public TBaseService, public IMunicipioFinder
{
public:
    TMunicipioService();

    // GET /municipio/pesquisa-municipio/ with "<city>,<state>" in upper case as "search" (são
    // paulo and sp search SÃO PAULO,SP): a TMunicipioDto.
    std::unique_ptr<TBaseDto> FindByMunicipioUF(const QString &AMunicipio,
                                                const QString &AUF) override;
    // GET /municipio/empresa/<id>: the city of a company.
    std::unique_ptr<TMunicipioEntity> FindByIdEmpresa(std::int64_t AIdEmpresa);
    // GET /municipio/pessoa/<id>: the city of a person.
    std::unique_ptr<TMunicipioEntity> FindByIdPessoa(std::int64_t AIdPessoa);
};
