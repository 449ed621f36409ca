#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TParcelaTituloDto;

// The instalments of titles (/parcela-titulo): the open instalments offered for settlement and a
// title's instalments. Instalments are saved inside the title's aggregate.
//
// The open instalments are rows of the settlement's class TParcelaBaixaDto, read into whatever
// class is registered under that name; without one, the reads raise a warning naming the class
// and send nothing.
class TParcelaTituloService final : public TBaseService
{
public:
    static constexpr int ParcelasBaixaLimit = 400;
    static const QString &ParcelaBaixaClassName();

    TParcelaTituloService();

    // GET /parcela-titulo/parcela-baixa with {"listHelper":[ids]} as body, page 1 of 400. The
    // caller refuses an empty list before calling.
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    fillParcelasBaixa(const TListInt64 &AList);
    // GET /parcela-titulo/parcela-baixa/<contract id>, page 1 of 400, with
    // "somente-ate-o-mes-vigente" "-1" or "0" (always sent).
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    fillParcelasBaixa(std::int64_t AIdContrato, bool ASomenteAteMesVigente);
    // GET /parcela-titulo/titulo/<id>, page 1 of 100: the title's instalments.
    std::optional<TObjectList<TParcelaTituloDto>> fillParcelaTitulo(std::int64_t AIdTitulo);

private:
    // The paged GET of the open instalments and its rows: no list for status 304, for a reply
    // without JSON or without "listHelper"; an error status raises the reply's text.
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    readParcelasBaixa(const QString &APath, const QString &ABody);
};
