#pragma once

#include "App.Base.Presenter.Cadastro.h"

#include "DateTime.h"

#include <cstdint>

// The bindings of the linking view and its one action, the bulk linking of a portfolio's people
// to a payment-API integration. It edits no record and never loads a list.
class TVinculacaoApiFinanceiraPresenter final : public TBaseCadastroPresenter
{
public:
    TVinculacaoApiFinanceiraPresenter();

    // Sends the linking through the link service (up to one hour); a refusal raises the reply's
    // text, no reply the connection's. Any thread.
    void GravarVinculacaoApiFinanceira(std::int64_t AIdIntegracaoApiFinanceira,
                                       std::int64_t AIdCarteira,
                                       std::int64_t AIdMotivo,
                                       TDateTime ADataInicial,
                                       bool AVincularClientesCadastrados);

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
    void CreateFieldsDataSet() override;
};
