#include "App.Connector.Carencia.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Presenter.Carencia.h"

TCarenciaConnector::TCarenciaConnector(TBaseSubCadastroPresenter *APresenterItemCarencia)
    : m_presenterItemCarencia(APresenterItemCarencia)
{ }

std::unique_ptr<TCarenciaConnector>
TCarenciaConnector::New(TBaseSubCadastroPresenter *APresenterItemCarencia)
{
    return std::unique_ptr<TCarenciaConnector>(new TCarenciaConnector(APresenterItemCarencia));
}

TCarenciaConnector &TCarenciaConnector::SetPresenterCarencia(TCarenciaPresenter *APresenter)
{
    m_presenterCarencia = APresenter;
    if (m_presenterCarencia && m_presenterItemCarencia)
        m_presenterItemCarencia->SetListRemove(&m_presenterCarencia->ListRemoveItemCarencia);
    return *this;
}

TCarenciaConnector &TCarenciaConnector::SetDataSetItemCarencia(TMemTable *ADataSet)
{
    if (m_presenterCarencia)
        m_presenterCarencia->DataSetItemCarencia = ADataSet;
    return *this;
}
