#include "App.Connector.Seguradora.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Presenter.Seguradora.h"

TSeguradoraConnector::TSeguradoraConnector(TBaseSubCadastroPresenter *APresenterPlanoSeguradora)
    : m_presenterPlanoSeguradora(APresenterPlanoSeguradora)
{ }

std::unique_ptr<TSeguradoraConnector>
TSeguradoraConnector::New(TBaseSubCadastroPresenter *APresenterPlanoSeguradora)
{
    return std::unique_ptr<TSeguradoraConnector>(new TSeguradoraConnector(APresenterPlanoSeguradora));
}

TSeguradoraConnector &TSeguradoraConnector::SetPresenterSeguradora(TSeguradoraPresenter *APresenter)
{
    m_presenterSeguradora = APresenter;
    if (m_presenterSeguradora && m_presenterPlanoSeguradora)
        m_presenterPlanoSeguradora->SetListRemove(&m_presenterSeguradora->ListRemovePlanoSeguradora);
    return *this;
}

TSeguradoraConnector &TSeguradoraConnector::SetDataSetPlanoSeguradora(TMemTable *ADataSet)
{
    if (m_presenterSeguradora)
        m_presenterSeguradora->DataSetPlanoSeguradora = ADataSet;
    return *this;
}
