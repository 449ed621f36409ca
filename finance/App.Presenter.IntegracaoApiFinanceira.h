#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.IntegracaoApiFinanceira.h"
#include "Common.Dto.IntegracaoApiFinanceira.h"
#include "Common.Entity.IntegracaoApiFinanceira.h"

// The payment-API integrations: their window and lookup list TIntegracaoApiFinanceiraDto rows
// through it, and the three actions on an integration go through it to its service (every
// exception reaches the caller).
class TIntegracaoApiFinanceiraPresenter final
    : public TCadastroPresenterOf<TIntegracaoApiFinanceiraEntity,
                                  TIntegracaoApiFinanceiraDto,
                                  TIntegracaoApiFinanceiraService>
{
public:
    TIntegracaoApiFinanceiraPresenter();

    std::unique_ptr<TConfiguracaoPagamentoEletronico> GetRecuperarConfiguracao(std::int64_t AId);
    void PostConfiguracao(std::int64_t AId, bool AAtivar);
    QString AtualizarNotificacoes(std::int64_t AId, bool AHabilitar, bool ASomenteAtivos);

protected:
    void CreateExtraFields() override;
};
