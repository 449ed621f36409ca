#include "App.Presenter.Servico.h"

#include "Common.Entity.Servico.h"

ZUNTA_REGISTER_PRESENTER(TServicoPresenter)

TServicoPresenter::TServicoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TServicoPresenter"),
                           { { "DESCRICAO", 100 },
                             { "BASE_UTILIZACAO" },
                             { "LISTA_SERVICO", 0, "0000000000" },
                             { "CODIGO_TIPO", 10 },
                             { "TIPO", 100 },
                             { "VALOR", 0, ",0.00" },
                             { "IS_SERVICO_KIT" },
                             { "INCLUIR_ORDEM_SERVICO" },
                             { "IS_USO_TELEMEDICINA" },
                             { "DATA_ATUALIZACAO", 0, "dd/mm/yyyy" },
                             { "ESTOQUE", 0, ",0.00" } })
{ }

std::unique_ptr<TSerializeObject> TServicoPresenter::getById(std::int64_t AId)
{
    return service().findById<TServicoEntity>(AId);
}

std::unique_ptr<TSerializeObject> TServicoPresenter::PostComplexService()
{
    TServicoComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveValorServico, *body.RemoveValorServicos);
    AppendRemoveIds(ListRemoveCarenciaServico, *body.RemoveCarenciaServicos);
    AppendRemoveIds(ListRemoveItemKitServico, *body.RemoveItemKitServicos);
    AppendDataSetRows(m_dataSetValorServico, *body.ValorServicos);
    AppendDataSetRows(m_dataSetCarenciaServico, *body.CarenciaServicos);
    AppendDataSetRows(m_dataSetItemKitServico, *body.ItemKitServicos);
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TServicoPresenter::afterClear()
{
    ListRemoveValorServico.clear();
    ListRemoveCarenciaServico.clear();
    ListRemoveItemKitServico.clear();
}
