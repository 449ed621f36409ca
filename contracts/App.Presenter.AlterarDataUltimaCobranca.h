#pragma once

#include "App.Base.Presenter.h"

class TAlterarDataUltimaCobrancaImportacaoContratoDto;

// The bindings of the last-billing-date view and its one action; it edits no record.
class TAlterarDataUltimaCobrancaPresenter final : public TBasePresenter
{
public:
    TAlterarDataUltimaCobrancaPresenter();

    // Sends the change through a contract service of its own; a refusal raises the reply's
    // text, no reply the connection's.
    void AlterarDataUltimaCobrancaImportacao(
        const TAlterarDataUltimaCobrancaImportacaoContratoDto &ADto);

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};
