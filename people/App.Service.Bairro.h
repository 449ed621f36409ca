#pragma once

#include "App.Base.Service.h"
#include "App.Interf.Service.Endereco.h"

// The neighbourhoods (/bairro).
class TBairroService final : public TBaseService, public IBairroFinder
{
public:
    TBairroService();

    // GET /bairro/pesquisa-bairro/ with "<neighbourhood>,<city>,<state>" in upper case as
    // "search": a TBairroDto.
    std::unique_ptr<TBaseDto> FindByBairroMunicipioUF(const QString &ABairro,
                                                      const QString &AMunicipio,
                                                      const QString &AUF) override;
};
