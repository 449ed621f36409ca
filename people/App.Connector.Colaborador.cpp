#include "App.Connector.Colaborador.h"

#include "App.Presenter.Colaborador.h"
#include "App.Presenter.ColaboradorEmpresa.h"

TColaboradorConnector
TColaboradorConnector::New(TColaboradorEmpresaPresenter *AColaboradorEmpresa,
                           TBaseSubCadastroPresenter *AFuncaoColaboradorEmpresa,
                           TBaseSubCadastroPresenter *AEquipeColaboradorEmpresa)
{
    TColaboradorConnector connector;
    connector.m_colaboradorEmpresa = AColaboradorEmpresa;
    connector.m_funcaoColaboradorEmpresa = AFuncaoColaboradorEmpresa;
    connector.m_equipeColaboradorEmpresa = AEquipeColaboradorEmpresa;
    return connector;
}

TColaboradorConnector &
TColaboradorConnector::SetPresenterColaborador(TColaboradorPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_colaboradorEmpresa) {
        m_colaboradorEmpresa->SetListRemove(&m_presenter->ListRemoveColaboradorEmpresa);
        m_colaboradorEmpresa->ListRemoveFuncaoColaboradorEmpresa
            = &m_presenter->ListRemoveFuncaoColaboradorEmpresa;
    }
    if (m_funcaoColaboradorEmpresa)
        m_funcaoColaboradorEmpresa->SetListRemove(&m_presenter->ListRemoveFuncaoColaboradorEmpresa);
    if (m_colaboradorEmpresa)
        m_colaboradorEmpresa->ListRemoveEquipeColaboradorEmpresa
            = &m_presenter->ListRemoveEquipeColaboradorEmpresa;
    if (m_equipeColaboradorEmpresa)
        m_equipeColaboradorEmpresa->SetListRemove(&m_presenter->ListRemoveEquipeColaboradorEmpresa);
    return *this;
}

TColaboradorConnector &TColaboradorConnector::SetDataSetColaboradorEmpresa(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->DataSetColaboradorEmpresa = ADataSet;
    return *this;
}

TColaboradorConnector &
TColaboradorConnector::SetDataSetFuncaoColaboradorEmpresa(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_colaboradorEmpresa)
        m_colaboradorEmpresa->DataSetFuncaoColaboradorEmpresa = ADataSet;
    m_presenter->DataSetFuncaoColaboradorEmpresa = ADataSet;
    return *this;
}

TColaboradorConnector &
TColaboradorConnector::SetDataSetEquipeColaboradorEmpresa(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_colaboradorEmpresa)
        m_colaboradorEmpresa->DataSetEquipeColaboradorEmpresa = ADataSet;
    m_presenter->DataSetEquipeColaboradorEmpresa = ADataSet;
    return *this;
}
