#include "App.Presenter.EstornoSemFinanceiro.h"

ZUNTA_REGISTER_PRESENTER(TEstornoSemFinanceiroPresenter)

TEstornoSemFinanceiroPresenter::TEstornoSemFinanceiroPresenter()
    : TListPresenterOf(QStringLiteral("TEstornoSemFinanceiroPresenter"),
                       { { "LISTA_TIPO_TITULO", 0, "0000000000" },
                         { "FAVORECIDO", 100 },
                         { "SIGLA_TIPO_DOCUMENTO", 10 },
                         { "NUMERO_DOCUMENTO", 50 },
                         { "DATA", 0, "dd/mm/yyyy" },
                         { "VALOR_BAIXA", 0, ",0.00" },
                         { "VALOR_JUROS", 0, ",0.00" },
                         { "VALOR_MULTA", 0, ",0.00" },
                         { "VALOR_DESCONTO", 0, ",0.00" },
                         { "VALOR_PARCELA", 0, ",0.00" },
                         { "VALOR_TITULO", 0, ",0.00" },
                         { "DATA_TITULO", 0, "dd/mm/yyyy" },
                         { "VENCIMENTO", 0, "dd/mm/yyyy" },
                         { "DESCRICAO_TIPO_TITULO", 100 },
                         { "CODIGO_TIPO_TITULO", 10 },
                         { "DESCRICAO_TITULO", 200 },
                         { "NUMERO_SEQUENCIAL_PARCELA", 0, "0000000000" },
                         { "QUANTIDADE_PARCELAS", 0, "000" },
                         { "IS_CANCELADA" },
                         { "IS_BONIFICADA" },
                         { "DATA_CADASTRO", 0, "dd/mm/yyyy hh:nn:ss" },
                         { "EMPRESA", 200 },
                         { "NUMERO_CONTRATO" } })
{ }
