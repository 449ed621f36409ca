#include "App.Presenter.ServicoContrato.h"

#include "App.Lib.ServicoAdicional.h"
#include "App.Service.AdicionalContratoPlano.h"
#include "Common.Dto.AdicionalContratoPlano.h"

#include "DateTime.h"
#include "MemTable.h"

#include <vector>

ZUNTA_REGISTER_PRESENTER(TServicoContratoPresenter)

TServicoContratoPresenter::TServicoContratoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TServicoContratoPresenter"),
                              { { "ID_SERVICO", 0, "0000000000" },
                                { "SERVICO", 100 },
                                { "LISTA_TIPO_UTILIZACAO", 0, "0000000000" },
                                { "LISTA_COBRANCA_SERVICO", 0, "0000000000" },
                                { "LISTA_TIPO_COBRANCA", 0, "0000000000" },
                                { "CODIGO_TIPO_UTILIZACAO", 10 },
                                { "TIPO_UTILIZACAO", 100 },
                                { "VALOR", 0, ",0.00" },
                                { "DATA", 0, "dd/mm/yyyy" },
                                { "INDICE", 0, ",0.0000" },
                                { "UTILIZACAO", 0, "000" },
                                { "PARCELAS", 0, "000" },
                                { "PRIMEIRO_VENCIMENTO", 0, "dd/mm/yyyy" },
                                { "CODIGO_COBRANCA_SERVICO", 10 },
                                { "CODIGO_TIPO_COBRANCA", 10 },
                                { "IS_SERVICO_BONIFICADO" },
                                { "ID_ADICIONAL_CONTRATO_PLANO", 0, "0000000000" },
                                { "ID_PLANO", 0, "0000000000" },
                                { "PLANO", 100 },
                                { "LISTA_BAIXA_ADICIONAL", 0, "0000000000" },
                                { "BAIXA_ADICIONAL", 100 },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" } })
{ }

void TServicoContratoPresenter::loadRows()
{
    const auto rows = service().fillServicoContrato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TServicoContratoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_SERVICO;SERVICO;DATA;VALOR");
}

void TServicoContratoPresenter::afterUpdateInfoRegistroFK()
{
    ServicoAdicional::fillValorFromServico(*this, DataSetInfo());
    fillColumnFromControl(QStringLiteral("TIPO_UTILIZACAO"), QStringLiteral("EditListaTipoUtilizacao"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_UTILIZACAO"), QStringLiteral("EditListaTipoUtilizacao"), true);
    fillColumnFromControl(
        QStringLiteral("CODIGO_COBRANCA_SERVICO"), QStringLiteral("EditListaCobrancaServico"), true);
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_COBRANCA"), QStringLiteral("EditListaTipoCobranca"), true);
}

void TServicoContratoPresenter::adicionarServicosContrato(std::int64_t AIdPlano)
{
    if (AIdPlano == 0)
        return;
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        table.Open();
    const TDataSetFilterKeeper keeper(table);
    table.SetFiltered(false);
    const auto hasRow = [&table](const char *AColumn, std::int64_t AValue) {
        return table.Locate(QLatin1String(AColumn), TFieldValue(AValue));
    };
    if (hasRow("ID_PLANO", AIdPlano))
        return;

    const auto adicionais = TAdicionalContratoPlanoService().fillAdicionalContratoPlano(AIdPlano);
    if (!adicionais)
        return;
    const TDateTime hoje = Date();
    const TDateTime agora = Now();
    for (const auto &adicional : *adicionais) {
        if (hasRow("ID_SERVICO", adicional->IdServico))
            continue;
        if (adicional->DataFinal > 0 && agora > adicional->DataFinal)
            continue;
        table.Append();
        const auto field = [&table](const char *AColumn) {
            return table.FieldByName(QLatin1String(AColumn));
        };
        field("ID_SERVICO")->SetAsLargeInt(adicional->IdServico);
        field("DATA")->SetAsDateTime(hoje);
        field("INDICE")->SetAsFloat(adicional->Indice);
        field("UTILIZACAO")->SetAsInteger(adicional->Utilizacao);
        field("PARCELAS")->SetAsInteger(adicional->Parcelas);
        field("PRIMEIRO_VENCIMENTO")->SetAsDateTime(TDateTime(hoje + 30));
        field("LISTA_TIPO_UTILIZACAO")->SetAsLargeInt(adicional->ListaTipoUtilizacao);
        field("LISTA_TIPO_COBRANCA")->SetAsLargeInt(adicional->ListaTipoCobranca);
        field("LISTA_COBRANCA_SERVICO")->SetAsLargeInt(adicional->ListaCobrancaServico);
        field("VALOR")->SetAsFloat(adicional->ValorServico);
        field("SERVICO")->SetAsString(adicional->Servico);
        field("TIPO_UTILIZACAO")->SetAsString(adicional->TipoUtilizacao);
        field("ID_ADICIONAL_CONTRATO_PLANO")->SetAsLargeInt(adicional->Id);
        field("ID_PLANO")->SetAsLargeInt(adicional->IdPlano);
        field("PLANO")->SetAsString(adicional->Plano);
        table.Post();
    }
}

void TServicoContratoPresenter::excluirServicosComPlanoVinculado(std::int64_t AIdPlano)
{
    if (AIdPlano == 0)
        return;
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    std::vector<std::int64_t> registros;
    {
        const TDataSetFilterKeeper keeper(table);
        table.SetFiltered(false);
        for (table.First(); !table.Eof(); table.Next())
            if (table.FieldByName(QStringLiteral("ID_PLANO"))->AsLargeInt() == AIdPlano)
                registros.push_back(table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt());
    }
    for (const std::int64_t registro : registros)
        Delete(registro);
}
