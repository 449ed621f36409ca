#include "App.Presenter.ServicoDependente.h"

#include "App.Lib.ServicoAdicional.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TServicoDependentePresenter)

TServicoDependentePresenter::TServicoDependentePresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TServicoDependentePresenter"),
                              { { "ID_DEPENDENTE_CONTRATO", 0, "0000000000" },
                                { "ID_SERVICO", 0, "0000000000" },
                                { "SERVICO", 100 },
                                { "LISTA_TIPO_UTILIZACAO", 0, "0000000000" },
                                { "LISTA_COBRANCA_SERVICO", 0, "0000000000" },
                                { "CODIGO_TIPO_UTILIZACAO", 10 },
                                { "TIPO_UTILIZACAO", 100 },
                                { "VALOR", 0, ",0.00" },
                                { "DATA", 0, "dd/mm/yyyy" },
                                { "INDICE", 0, ",0.0000" },
                                { "UTILIZACAO", 0, "000" },
                                { "PARCELAS", 0, "000" },
                                { "PRIMEIRO_VENCIMENTO", 0, "dd/mm/yyyy" },
                                { "CODIGO_COBRANCA_SERVICO", 10 },
                                { "COBRANCA_SERVICO", 100 },
                                { "LISTA_BAIXA_ADICIONAL", 0, "0000000000" },
                                { "BAIXA_ADICIONAL", 100 },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" } })
{ }

void TServicoDependentePresenter::loadRows()
{
    const auto rows = service().fillServicoDependente(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TServicoDependentePresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_SERVICO;SERVICO;DATA;VALOR");
}

void TServicoDependentePresenter::afterUpdateInfoRegistroFK()
{
    ServicoAdicional::fillValorFromServico(*this, DataSetInfo());
    fillColumnFromControl(QStringLiteral("TIPO_UTILIZACAO"), QStringLiteral("EditListaTipoUtilizacao"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_UTILIZACAO"), QStringLiteral("EditListaTipoUtilizacao"), true);
    fillColumnFromControl(
        QStringLiteral("COBRANCA_SERVICO"), QStringLiteral("EditListaCobrancaServico"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_COBRANCA_SERVICO"), QStringLiteral("EditListaCobrancaServico"), true);
}
