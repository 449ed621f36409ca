#pragma once

#include "Common.Entity.CancelamentoFinanceiro.h"

#include <memory>

// The batch cancellation of financial instalments (POST /cancelamento-financeiro/complex): every
// instalment selected by contract, portfolio, competence month ("mmyyyy", month first), title or
// instalment id; which instalments that is, and how settled ones are reversed, is the back end's
// decision. SomenteParcelasAbertas restricts it to open instalments. The five lists exist from
// the start, so an empty one is sent as {"listHelper":[]}.
class TCancelamentoFinanceiroComplexPost final : public TCancelamentoFinanceiroEntity
{
    ZUNTA_CLASS(TCancelamentoFinanceiroComplexPost)

    std::unique_ptr<TListInt64> Contratos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> Carteiras = std::make_unique<TListInt64>();
    std::unique_ptr<TListString> PeriodoCompetencia = std::make_unique<TListString>();
    std::unique_ptr<TListInt64> ParcelaTitulos = std::make_unique<TListInt64>();
    bool NaoVerificarRegraParcelas = false;
    bool SomenteParcelasAbertas = false;
    std::unique_ptr<TListInt64> Titulos = std::make_unique<TListInt64>();

    // Empties the five lists; a list a reply left null is created again.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TCancelamentoFinanceiroComplexPost,
                      (TCancelamentoFinanceiroEntity),
                      (Contratos,
                       Carteiras,
                       PeriodoCompetencia,
                       ParcelaTitulos,
                       NaoVerificarRegraParcelas,
                       SomenteParcelasAbertas,
                       Titulos))
