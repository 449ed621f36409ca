#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Convenio.h"
#include "Common.ComplexPost.Convenio.h"
#include "Common.Dto.Convenio.h"
#include "Common.FilterClass.Convenio.h"

#include <QStringList>

#include <cstdint>
#include <optional>

class TMemTable;

// The agreements: lists them (also for the agreement lookup and the plan window) and saves an
// agreement with its professionals, their specialties and its services as one aggregate, built
// from the tables the agreement window's sub-forms edit.
class TConvenioPresenter final : public TCadastroPresenterOf<TConvenioComplexPost,
                                                             TConvenioDto,
                                                             TConvenioService,
                                                             TConvenioFilterClass>
{
public:
    TConvenioPresenter();

    // The ids (as text) of stored children removed in the window, one list per child kind; the
    // sub-forms' presenters add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveProfissionalConvenio;
    QStringList ListRemoveServicoConvenio;
    QStringList ListRemoveEspecialidadeProfissionalConvenio;

    // The sub-forms' tables (not owned).
    void SetDataSetProfissionalConvenio(TMemTable *AValue) { m_dataSetProfissional = AValue; }
    void SetDataSetServicoConvenio(TMemTable *AValue) { m_dataSetServico = AValue; }
    void SetDataSetEspecialidadeProfissionalConvenio(TMemTable *AValue)
    {
        m_dataSetEspecialidade = AValue;
    }

    // The first 100 agreements, without search text, fixed filter or filter body; no list for a
    // 304 reply. May run on a worker.
    std::optional<TObjectList<TConvenioDto>> findAllFirstPage();

protected:
    // The agreement alone; its children are read by the sub-forms.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the number of units as read, the
    // professionals each with the specialty rows hanging under it (the removed specialties in
    // the first professional), then the services; sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    TMemTable *m_dataSetProfissional = nullptr;
    TMemTable *m_dataSetServico = nullptr;
    TMemTable *m_dataSetEspecialidade = nullptr;
    // No control shows the number of units: a stored agreement sends back what it was read or
    // saved with, a new one 0.
    std::int32_t m_quantidadeUnidades = 0;
};
