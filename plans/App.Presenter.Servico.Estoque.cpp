#include "App.Presenter.Servico.Estoque.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TServicoEstoquePresenter)

TServicoEstoquePresenter::TServicoEstoquePresenter()
    : TSubCadastroPresenterOf(
        QStringLiteral("TServicoEstoquePresenter"),
        { { "ID_EMPRESA", 0, "0000000000" }, { "EMPRESA", 100 }, { "ESTOQUE", 0, ",0.00" } })
{ }

void TServicoEstoquePresenter::totalizar()
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    for (table.First(); !table.Eof(); table.Next())
        m_totalEstoque += table.FieldByName(QStringLiteral("ESTOQUE"))->AsFloat();
}

QString TServicoEstoquePresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_SERVICO");
}

void TServicoEstoquePresenter::loadRows()
{
    if (Paginate.Page == 0)
        Paginate.Page = 1;
    TServicoEstoqueService &estoque = service();
    const auto rows = estoque.fillServicoEstoque(IdPrincipal, Paginate.Page, 100);
    fillDataSetInfo(rows ? &*rows : nullptr);
    Paginate.TotalPages = estoque.TotalPages();
    Paginate.TotalRegistros = estoque.TotalRecords();
}

void TServicoEstoquePresenter::afterClear()
{
    m_totalEstoque = 0;
}
