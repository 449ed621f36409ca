#include "App.Connector.Convenio.h"

#include "App.Presenter.Convenio.h"
#include "App.Presenter.ProfissionalConvenio.h"

TConvenioConnector TConvenioConnector::New(TProfissionalConvenioPresenter *AProfissional,
                                           TBaseSubCadastroPresenter *AEspecialidade,
                                           TBaseSubCadastroPresenter *AServico)
{
    TConvenioConnector connector;
    connector.m_profissional = AProfissional;
    connector.m_especialidade = AEspecialidade;
    connector.m_servico = AServico;
    return connector;
}

TConvenioConnector &TConvenioConnector::SetPresenterConvenio(TConvenioPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    QStringList *especialidades = &m_presenter->ListRemoveEspecialidadeProfissionalConvenio;
    if (m_profissional)
        m_profissional->SetListRemoveEspecialidadeProfissionalConvenio(especialidades);
    if (m_especialidade)
        m_especialidade->SetListRemove(especialidades);
    if (m_profissional)
        m_profissional->SetListRemove(&m_presenter->ListRemoveProfissionalConvenio);
    if (m_servico)
        m_servico->SetListRemove(&m_presenter->ListRemoveServicoConvenio);
    return *this;
}

TConvenioConnector &
TConvenioConnector::SetDataSetEspecialidadeProfissionalConvenio(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_profissional)
        m_profissional->SetDataSetEspecialidadeProfissionalConvenio(ADataSet);
    m_presenter->SetDataSetEspecialidadeProfissionalConvenio(ADataSet);
    return *this;
}

TConvenioConnector &TConvenioConnector::SetDataSetProfissionalConvenio(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetProfissionalConvenio(ADataSet);
    return *this;
}

TConvenioConnector &TConvenioConnector::SetDataSetServicoConvenio(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetServicoConvenio(ADataSet);
    return *this;
}
