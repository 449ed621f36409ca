#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TAtualizacaoValoresDto;

// The bulk price updates (/atualizacao-valores/planos, /atualizacao-valores/servicos): the current
// values of every plan or service, of one of them, and the run that applies a list of rows.
class TAtualizacaoValoresService final : public TBaseService
{
public:
    // A run may update every contract's instalments: the back end takes its time.
    static constexpr int AtualizacaoTimeOut = 30000000;

    TAtualizacaoValoresService();

    // The rows of every record of the resource ("planos" or "servicos"), first page of 100; no
    // list for status 304 or a reply without JSON.
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    GetList(const QString &AResource, const TClassInfo &ARowClass);
    // The row of one record; null for status 304 or a reply without JSON.
    std::unique_ptr<TSerializeObject>
    GetById(std::int64_t AId, const QString &AResource, const TClassInfo &ARowClass);
    // Posts the rows in the list wrapper and shows the success message. A refusal raises the
    // reply's text, so the caller keeps the rows the user prepared.
    void PostAtualizacaoValores(const QString &AResource,
                                const std::vector<const TSerializeObject *> &AList);
};
