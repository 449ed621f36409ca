#include "App.Presenter.Convenio.h"

#include "Common.Entity.Convenio.h"

ZUNTA_REGISTER_PRESENTER(TConvenioPresenter)

TConvenioPresenter::TConvenioPresenter()
    : TCadastroPresenterOf(QStringLiteral("TConvenioPresenter"),
                           { { "ID_PESSOA", 0, "0000000000" },
                             { "DESCONTO" },
                             { "LISTA_SEGMENTO", 0, "0000000000" },
                             { "ANOTACOES" },
                             { "PESSOA", 100 },
                             { "SEGMENTO", 100 },
                             { "ESPECIALIDADES", 1000 } })
{ }

std::optional<TObjectList<TConvenioDto>> TConvenioPresenter::findAllFirstPage()
{
    return TBasePresenter::findAllFirstPage<TConvenioDto>();
}

std::unique_ptr<TSerializeObject> TConvenioPresenter::getById(std::int64_t AId)
{
    auto found = service().findById<TConvenioEntity>(AId);
    m_quantidadeUnidades = found ? found->QuantidadeUnidades : 0;
    return found;
}

std::unique_ptr<TSerializeObject> TConvenioPresenter::PostComplexService()
{
    TConvenioComplexPost &body = *entity();
    body.QuantidadeUnidades = m_quantidadeUnidades;
    AppendRemoveIds(ListRemoveProfissionalConvenio, *body.RemoveProfissionalConvenios);
    AppendDataSetRowsOf<TProfissionalConvenioComplexPost>(
        m_dataSetProfissional,
        std::nullopt,
        *body.ProfissionalConvenios,
        [this, &body](TProfissionalConvenioComplexPost &AProfissional, std::int64_t AIdRegistro) {
            // The back end removes specialty rows by id, whoever they belonged to.
            if (body.ProfissionalConvenios->size() == 1)
                AppendRemoveIds(ListRemoveEspecialidadeProfissionalConvenio,
                                *AProfissional.RemoveEspecialidadeProfissionalConvenios);
            AppendDataSetRowsOf(m_dataSetEspecialidade,
                                std::optional<std::int64_t>(AIdRegistro),
                                *AProfissional.EspecialidadeProfissionalConvenios);
        });
    AppendRemoveIds(ListRemoveServicoConvenio, *body.RemoveServicoConvenios);
    AppendDataSetRows(m_dataSetServico, *body.ServicoConvenios);
    std::unique_ptr<TConvenioComplexPost> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    if (saved)
        m_quantidadeUnidades = saved->QuantidadeUnidades;
    return saved;
}

void TConvenioPresenter::afterClear()
{
    ListRemoveProfissionalConvenio.clear();
    ListRemoveServicoConvenio.clear();
    ListRemoveEspecialidadeProfissionalConvenio.clear();
    m_quantidadeUnidades = 0;
}
