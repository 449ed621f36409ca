#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.MovimentacaoFinanceira.h"
#include "Common.Dto.MovimentacaoFinanceira.h"
#include "Common.FilterClass.MovimentacaoFinanceira.h"

#include <cstdint>
#include <memory>

// What a list load selected: the totals of a selection are counted from this copy, so a search
// started meanwhile does not change what they count.
struct TSelecaoMovimentacaoFinanceira
{
    QString TextSearch;
    QString ValueFixFilter;
    std::shared_ptr<const TMovimentacaoFinanceiraFilterClass> Filtro;
};

// The totals of one selection; all 0 until the back end answered.
struct TTotaisMovimentacaoFinanceira
{
    double Baixados = 0;
    double Entradas = 0;
    double Saidas = 0;
};

// The cash movement list: paged rows by the movement filter, the payment-line check and the
// totals of the selection. It has no record of its own.
class TMovimentacaoFinanceiraPresenter final
    : public TListPresenterOf<TMovimentacaoFinanceiraDto,
                              TMovimentacaoFinanceiraService,
                              TMovimentacaoFinanceiraFilterClass>
{
public:
    TMovimentacaoFinanceiraPresenter();

    // The service's answer: whether other settlements share the movement's payment lines.
    bool getExistsMessageCompl(std::int64_t AId);

    // The totals of the same selection as the last list load. All three are 0 first and stay 0
    // when the call fails; failures propagate.
    void setTotalizadores(double &ABaixados, double &AEntradas, double &ASaidas);

    // A copy of the selection as it stands now (main thread, after a load).
    TSelecaoMovimentacaoFinanceira selecaoAtual() const;
    // The totals of a copied selection through a service of its own, so it may run on a worker
    // while the list loads its next page.
    static TTotaisMovimentacaoFinanceira totalizar(const TSelecaoMovimentacaoFinanceira &ASelecao);
};
