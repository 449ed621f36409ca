#include "App.Presenter.MovimentacaoFinanceira.h"

#include "Common.Lib.JSON.h"

ZUNTA_REGISTER_PRESENTER(TMovimentacaoFinanceiraPresenter)

TMovimentacaoFinanceiraPresenter::TMovimentacaoFinanceiraPresenter()
    : TListPresenterOf(QStringLiteral("TMovimentacaoFinanceiraPresenter"),
                       { { "LISTA_TIPO_TITULO", 0, "0000000000" },
                         { "FAVORECIDO", 100 },
                         { "SIGLA_TIPO_DOCUMENTO", 10 },
                         { "USUARIO", 200 },
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
                         { "NUMERO_DOCUMENTO_APP", 200 },
                         { "NUMERO_SEQUENCIAL_PARCELA", 0, "0000000000" },
                         { "QUANTIDADE_PARCELAS", 0, "000" },
                         { "IS_TRANSFERENCIA_SALDO" },
                         { "DATA_CADASTRO", 0, "dd/mm/yyyy hh:nn:ss" },
                         { "EMPRESA", 200 },
                         { "CONTA_SAIDA", 200 },
                         { "CONTA_ENTRADA", 200 },
                         { "NUMERO_CONTRATO" },
                         { "FORMA_PAGAMENTO", 100 } })
{ }

bool TMovimentacaoFinanceiraPresenter::getExistsMessageCompl(std::int64_t AId)
{
    return service().getExistsMessageCompl(AId);
}

void TMovimentacaoFinanceiraPresenter::setTotalizadores(double &ABaixados,
                                                        double &AEntradas,
                                                        double &ASaidas)
{
    ABaixados = 0;
    AEntradas = 0;
    ASaidas = 0;
    const auto totais = service().getTotalizadores(TextSearch, ValueFixFilter, filter());
    if (!totais)
        return;
    ABaixados = totais->TotalBaixados;
    AEntradas = totais->TotalEntradas;
    ASaidas = totais->TotalSaidas;
}

TSelecaoMovimentacaoFinanceira TMovimentacaoFinanceiraPresenter::selecaoAtual() const
{
    TSelecaoMovimentacaoFinanceira selecao { TextSearch, ValueFixFilter, nullptr };
    if (filter()) {
        selecao.Filtro = TDravikJson::JsonToObject<TMovimentacaoFinanceiraFilterClass>(
            TDravikJson::ObjectToJson(filter()));
    }
    return selecao;
}

TTotaisMovimentacaoFinanceira
TMovimentacaoFinanceiraPresenter::totalizar(const TSelecaoMovimentacaoFinanceira &ASelecao)
{
    TMovimentacaoFinanceiraService service;
    TTotaisMovimentacaoFinanceira totais;
    const auto reply
        = service.getTotalizadores(ASelecao.TextSearch, ASelecao.ValueFixFilter, ASelecao.Filtro.get());
    if (reply) {
        totais.Baixados = reply->TotalBaixados;
        totais.Entradas = reply->TotalEntradas;
        totais.Saidas = reply->TotalSaidas;
    }
    return totais;
}
