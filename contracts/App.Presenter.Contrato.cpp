#include "App.Presenter.Contrato.h"

#include "App.Presenter.SimuladorCalculo.h"
#include "App.Service.DependenteContrato.h"
#include "Common.Dto.InformacoesObitoContrato.h"
#include "Common.Dto.SimuladorCalculo.h"
#include "Common.Entity.Contrato.h"

#include "DateTime.h"
#include "FormatSettings.h"
#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TContratoPresenter)

namespace {

constexpr int ContratoMinimoLetrasPesquisa = 3;

} // namespace

TContratoPresenter::TContratoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TContratoPresenter"),
                           { { "ID_TITULAR", 0, "0000000000" },
                             { "ID_PLANO_SEGURADORA", 0, "0000000000" },
                             { "LISTA_FORMA_RECEBIMENTO", 0, "0000000000" },
                             { "TIPO_PLANO_SEGURADORA", 10 },
                             { "TITULAR", 100 },
                             { "CODIGO", 0, "0000000000" },
                             { "DIA_VENCIMENTO", 0, "00" },
                             { "HORARIO_COBRANCA", 0, "hh:mm" },
                             { "PLANO", 100 },
                             { "CARTEIRA", 100 },
                             { "FORMA_RECEBIMENTO", 100 },
                             { "DATA_CONTRATO", 0, "dd/mm/yyyy" },
                             { "DATA_FINAL_CONTRATO", 0, "dd/mm/yyyy" },
                             { "TELEFONE", 20 },
                             { "AVISO", 1000 },
                             { "QUANTIDADE_DEPENDENTE_ATIVO", 0, "000" },
                             { "IS_QUITADO" },
                             { "IS_SUSPENSO" },
                             { "IS_CANCELADO" },
                             { "CONTEM_INTEGRACAO" },
                             { "IS_EM_CARENCIA" },
                             { "IS_TITULAR_FALECIDO" },
                             { "DIAS_PARCELAS_EM_ABERTO" },
                             { "ID_PLANO_PERIODO_CONTRATO", 0, "0000000000" },
                             { "ID_CARTEIRA", 0, "0000000000" },
                             { "ID_EMPRESA", 0, "0000000000" },
                             { "OBSERVACAO", 100 },
                             { "VENDEDOR", 100 },
                             { "ULTIMA_DATA_RECEBIDA", 0, "dd/mm/yyyy" },
                             { "ORDEM_COLABORADOR", 0, "000" },
                             { "ORDEM_COBRANCA", 0, "000" },
                             { "LOGRADOURO", 100 },
                             { "NUMERO", 50 },
                             { "BAIRRO", 100 },
                             { "MUNICIPIO", 100 },
                             { "UF", 100 } })
{ }

void TContratoPresenter::SetFiltrarApenasAtivo(bool AValue)
{
    if (!AValue)
        return;
    if (!FilterClass())
        SetFilterClass(CreateFilterClass());
    filter()->ApenasContratosAtivos = QStringLiteral("-1#SIM");
}

std::unique_ptr<TSerializeObject> TContratoPresenter::getById(std::int64_t AId)
{
    return service().findById<TContratoEntity>(AId);
}

std::unique_ptr<TSerializeObject> TContratoPresenter::PostService()
{
    return service().postObject(TContratoEntity::StaticClassInfo(), *entity(), false);
}

void TContratoPresenter::afterClear()
{
    for (QStringList *list : { &ListRemoveEndereco,
                               &ListRemoveContato,
                               &ListRemovePessoaIntegracaoApi,
                               &ListRemoveDependenteContrato,
                               &ListRemoveServicoContrato,
                               &ListRemovePeriodoContrato,
                               &ListRemovePlanoPeriodoContrato,
                               &ListRemoveServicoDependente,
                               &ListRemoveBeneficiarioDependenteContrato,
                               &ListRemoveAssinaturaContratoIntegracao,
                               &ListRemovePlanoDependenteContrato })
        list->clear();
    ListResetarSenhasWebContatos.clear();
    OcorrenciaManual.clear();
}

bool TContratoPresenter::AtualizarOrdemContratos(TMemTable &ADataSet)
{
    TObjectList<TContratoDto> contratos;
    AppendDataSetRows(&ADataSet, contratos);
    return service().AtualizarOrdemContratos(contratos);
}

bool TContratoPresenter::filtroPreenchido() const
{
    const TContratoFilterClass *criterios = filter();
    if (!criterios)
        return false;
    for (const QString *value : { &criterios->ListaFormaRecebimento,
                                  &criterios->IdPlano,
                                  &criterios->IdCarteira,
                                  &criterios->IdMotivo,
                                  &criterios->DiaVencimentoInicial,
                                  &criterios->DiaVencimentoFinal,
                                  &criterios->IdContrato,
                                  &criterios->PeriodoDataCadastroInicial,
                                  &criterios->PeriodoDataCadastroFinal,
                                  &criterios->IdEmpresa,
                                  &criterios->IdVendedor }) {
        if (!value->isEmpty())
            return true;
    }
    return false;
}

void TContratoPresenter::beforeFindByFilter()
{
    int numero = 0;
    const bool numerico = TryStrToInt(TextSearch, numero);
    if (TextSearch.size() < ContratoMinimoLetrasPesquisa && !numerico && !filtroPreenchido()
        && !OrdenacaoCarteira)
        throw Exception(
            Format(QStringLiteral("WARNING:Para realizar a pesquisa é necessário %s letras no "
                                  "mínimo."),
                   { QString::number(ContratoMinimoLetrasPesquisa) }));
}

QString TContratoPresenter::findInformacoesObito(std::int64_t AIdContrato)
{
    try {
        std::optional<TObjectList<TInformacoesObitoContratoDto>> obitos;
        runOffMainThread(
            [this, AIdContrato, &obitos] { obitos = service().findInformacoesObito(AIdContrato); });
        QString informacoes;
        if (!obitos)
            return informacoes;
        for (const auto &obito : *obitos) {
            if (!informacoes.isEmpty())
                informacoes += QStringLiteral("\r\n");
            informacoes += obito->PessoaFalecido + QStringLiteral(" - ") + obito->Parentesco
                + QStringLiteral(": está como falecido na ordem de serviço em aberto: ")
                + QString::number(obito->IdOrdemServico);
        }
        return informacoes;
    } catch (const std::exception &) {
        // The death information only completes what the window shows; without it the window
        // shows nothing more.
        return QString();
    }
}

bool TContratoPresenter::AlterarMotivoEncerramento(
    const TAlterarMotivoEncerramentoContratoDto &ADto)
{
    return service().AlterarMotivoEncerramento(ADto);
}

bool TContratoPresenter::AtualizarTitular(const TAtualizacaoTitularContratoDto &AAtualizacao)
{
    return service().AtualizarTitular(AAtualizacao);
}

bool TContratoPresenter::AtualizarNumerosSorteioFaltantes()
{
    TDependenteContratoService dependentes;
    return dependentes.AtualizarNumerosSorteioFaltantes();
}

double TContratoPresenter::TotalizarValorContrato()
{
    const auto simulador = TBasePresenter::Create<TSimuladorCalculoPresenter>();
    TSimuladorCalculoFilterClass &calculo = simulador->SimuladorCalculoFilterClass();
    if (TMemTable *planos = m_dataSetPlanoPeriodoContrato) {
        // Only the plans still running today: without an end or ending today or later.
        const TDataSetFilterKeeper keeper(*planos);
        planos->SetFiltered(false);
        planos->SetFilter(QStringLiteral("DATA_FINAL >= ") + u'\'' + DateToStr(Date()) + u'\''
                          + QStringLiteral(" OR DATA_FINAL = 0 "));
        planos->SetFiltered(true);
        // The first running plan (a closed table fails here); none prices the contract
        // without a plan.
        planos->First();
        calculo.IdPlano
            = planos->IsEmpty() ? 0 : planos->FieldByName(QStringLiteral("ID_PLANO"))->AsLargeInt();
    }
    calculo.IdContrato = IdRegistro;

    std::unique_ptr<TSimuladorCalculoDto> valores;
    try {
        runOffMainThread([&simulador, &valores] { valores = simulador->GetValoresContrato(); });
    } catch (const std::exception &) {
        // A contract the back end does not price counts 0: the window compares and shows it.
        return 0;
    }
    return valores ? valores->ValorTotal() : 0;
}

std::int64_t
TContratoPresenter::findIdPlanoPeriodoContratoVigenteByContrato(std::int64_t AIdContrato)
{
    return service().findIdPlanoPeriodoContratoVigenteByContrato(AIdContrato);
}

std::int64_t TContratoPresenter::getLastIdPlanoPeriodoContrato(std::int64_t AIdContrato) const
{
    TMemTable *periodos = m_dataSetPeriodoContrato;
    TMemTable *planos = m_dataSetPlanoPeriodoContrato;
    if (!periodos || !planos || !periodos->Active() || !planos->Active())
        return 0;
    if (!periodos->Locate(QStringLiteral("ID_CONTRATO"), TFieldValue(AIdContrato)))
        return 0;
    const std::int64_t idPeriodo = periodos->FieldByName(QStringLiteral("ID"))->AsLargeInt();
    if (!planos->Locate(QStringLiteral("ID_PERIODO_CONTRATO"), TFieldValue(idPeriodo)))
        return 0;
    return planos->FieldByName(QStringLiteral("ID"))->AsLargeInt();
}
