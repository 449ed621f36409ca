#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.EspecialidadeProfissionalConvenio.h"
#include "Common.Dto.EspecialidadeProfissionalConvenio.h"
#include "Common.Entity.EspecialidadeProfissionalConvenio.h"

// The specialties of every professional of the agreement being edited, each row under its
// professional's row (ID_REGISTRO_FK); the sub-form shows those of the professional open.
class TEspecialidadeProfissionalConvenioPresenter final
    : public TSubCadastroPresenterOf<TEspecialidadeProfissionalConvenioEntity,
                                     TEspecialidadeProfissionalConvenioDto,
                                     TEspecialidadeProfissionalConvenioService>
{
public:
    TEspecialidadeProfissionalConvenioPresenter();

protected:
    QString GetFieldsSearch() override;
    // Every specialty of the agreement at once; the window links them to their professionals.
    void loadRows() override;
    // ESPECIALIDADE: the chosen specialty's description.
    void afterUpdateInfoRegistroFK() override;
};
