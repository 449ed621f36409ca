#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.LayoutMapfre.h"
#include "DateTime.h"

#include <optional>

// The rows of the insurer's files (/layout-mapfre), computed by the back end per send batch, and
// the count of draw numbers still available. The caller owns every list returned.
class TLayoutMapfreService final : public TBaseService
{
public:
    TLayoutMapfreService();

    // GET …/new/<id> (not paged). No list for status 304; a failing status or a reply that is not
    // JSON raises the reply's message, so a broken reply never becomes an empty file.
    std::optional<TObjectList<TLayoutMapfreNewDto>>
    fillLayoutMapfreNew(std::int64_t AIdLoteEnvioSeguradora);
    std::optional<TObjectList<TLayoutMapfrePagDto>>
    fillLayoutMapfrePag(std::int64_t AIdLoteEnvioSeguradora);
    std::optional<TObjectList<TLayoutMapfreSitDto>>
    fillLayoutMapfreSit(std::int64_t AIdLoteEnvioSeguradora);
    // GET …/excel/<date in the short date format>.
    std::optional<TObjectList<TLayoutMapfreExcelDto>> fillLayoutMapfreExcel(TDateTime AData);
    // GET …/quantidade-numeros-sorteio: the reply's body as a whole number (EConvertError when it
    // is not one).
    int findQuantidadeNumerosSorteio();

private:
    template<class T>
    std::optional<TObjectList<T>> readRowsAt(const QString &APath);
};
