#include "App.Presenter.EspecialidadeProfissionalConvenio.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TEspecialidadeProfissionalConvenioPresenter)

TEspecialidadeProfissionalConvenioPresenter::TEspecialidadeProfissionalConvenioPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TEspecialidadeProfissionalConvenioPresenter"),
                              { { "ID_PROFISSIONAL_CONVENIO", 0, "0000000000" },
                                { "PROFISSIONAL", 100 },
                                { "ID_ESPECIALIDADE", 0, "0000000000" },
                                { "ESPECIALIDADE", 200 } })
{ }

QString TEspecialidadeProfissionalConvenioPresenter::GetFieldsSearch()
{
    return QStringLiteral("ESPECIALIDADE;PROFISSIONAL");
}

void TEspecialidadeProfissionalConvenioPresenter::loadRows()
{
    const auto rows = service().fillEspecialidadeProfissionalConvenio(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TEspecialidadeProfissionalConvenioPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("ESPECIALIDADE"), QStringLiteral("EditEspecialidade"));
}
