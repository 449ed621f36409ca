#include "App.Presenter.Plano.h"

#include "Common.Entity.Plano.h"

ZUNTA_REGISTER_PRESENTER(TPlanoPresenter)

TPlanoPresenter::TPlanoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TPlanoPresenter"),
                           { { "DESCRICAO", 100 },
                             { "PARCELAS" },
                             { "ID_RELATORIO" },
                             { "VALOR", 0, ",0.00" },
                             { "VALOR_PARCELA", 0, ",0.00" },
                             { "QUANTIDADE_DEPENDENTES", 0, "000" },
                             { "FORMA_COBRANCA", 100 },
                             { "IS_PLANO_SEGURADORA" },
                             { "CONTEM_ADICIONAL_CONTRATO" },
                             { "DATA_ATUALIZACAO", 0, "dd/mm/yyyy" },
                             { "DATA_FINAL", 0, "dd/mm/yyyy" },
                             { "ID_MOTIVO" },
                             { "MOTIVO", 200 },
                             { "IS_CANCELADO" },
                             { "LISTA_TIPO_SEQUENCIA_PARCELAS", 0, "000" },
                             { "TIPO_SEQUENCIA_PARCELAS", 100 } })
{ }

std::unique_ptr<TSerializeObject> TPlanoPresenter::getById(std::int64_t AId)
{
    return service().findById<TPlanoEntity>(AId);
}

std::unique_ptr<TSerializeObject> TPlanoPresenter::PostComplexService()
{
    TPlanoComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveCarenciaPlano, *body.RemoveCarenciaPlanos);
    AppendRemoveIds(ListRemoveDependentePlano, *body.RemoveDependentePlanos);
    AppendRemoveIds(ListRemoveServicoPlano, *body.RemoveServicoPlanos);
    AppendRemoveIds(ListRemoveValorPlano, *body.RemoveValorPlanos);
    AppendRemoveIds(ListRemoveFaixaEtariaPlano, *body.RemoveFaixaEtariaPlanos);
    AppendRemoveIds(ListRemoveAdicionalContratoPlano, *body.RemoveAdicionalContratoPlanos);
    AppendRemoveIds(ListRemoveConvenioPlano, *body.RemoveConvenioPlanos);
    AppendRemoveIds(ListRemoveVendedorPlano, *body.RemoveVendedorPlanos);
    AppendDataSetRows(m_carencia, *body.CarenciaPlanos);
    AppendDataSetRowsOf<TDependentePlanoComplexPost>(
        m_dependente,
        std::nullopt,
        *body.DependentePlanos,
        [this, &body](TDependentePlanoComplexPost &ADependente, std::int64_t AIdRegistro) {
            // The back end removes extra services by id, whichever dependent held them.
            if (body.DependentePlanos->size() == 1)
                AppendRemoveIds(ListRemoveServicoDependentePlano,
                                *ADependente.RemoveServicoDependentePlanos);
            AppendDataSetRowsOf(m_servicoDependente,
                                std::optional<std::int64_t>(AIdRegistro),
                                *ADependente.ServicoDependentePlanos);
        });
    AppendDataSetRows(m_servico, *body.ServicoPlanos);
    AppendDataSetRows(m_valor, *body.ValorPlanos);
    AppendDataSetRows(m_faixaEtaria, *body.FaixaEtariaPlanos);
    AppendDataSetRows(m_adicional, *body.AdicionalContratoPlanos);
    AppendDataSetRows(m_convenio, *body.ConvenioPlanos);
    AppendDataSetRows(m_vendedor, *body.VendedorPlanos);
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TPlanoPresenter::afterClear()
{
    for (QStringList *list : { &ListRemoveCarenciaPlano,
                               &ListRemoveDependentePlano,
                               &ListRemoveServicoPlano,
                               &ListRemoveValorPlano,
                               &ListRemoveFaixaEtariaPlano,
                               &ListRemoveServicoDependentePlano,
                               &ListRemoveAdicionalContratoPlano,
                               &ListRemoveConvenioPlano,
                               &ListRemoveVendedorPlano })
        list->clear();
}
