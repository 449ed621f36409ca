#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Servico.Estoque.h"
#include "Common.Base.Entity.h"
#include "Common.Dto.Servico.Estoque.h"

// The stock of the service being shown, per company, page by page; only looked at, never saved
// (its entity is a bare record no control writes into).
class TServicoEstoquePresenter final
    : public TSubCadastroPresenterOf<TBaseEntity, TServicoEstoqueDto, TServicoEstoqueService>
{
public:
    TServicoEstoquePresenter();

    // The sum of ESTOQUE after totalizar; 0 after a clear.
    double TotalEstoque() const { return m_totalEstoque; }
    // Adds up ESTOQUE over every row of the table, when it is open.
    void totalizar();

protected:
    QString GetFieldsSearch() override;
    // One page of the service's stock (page 0 is asked as page 1), 100 rows; the paging totals
    // are the service's.
    void loadRows() override;
    void afterClear() override;

private:
    double m_totalEstoque = 0;
};
