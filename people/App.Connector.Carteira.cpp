#include "App.Connector.Carteira.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Presenter.Carteira.h"

TCarteiraConnector TCarteiraConnector::New(TBaseSubCadastroPresenter *AColaboradorCarteira,
                                           TBaseSubCadastroPresenter *ABairroCarteira)
{
    TCarteiraConnector connector;
    connector.m_colaboradorCarteira = AColaboradorCarteira;
    connector.m_bairroCarteira = ABairroCarteira;
    return connector;
}

TCarteiraConnector &TCarteiraConnector::SetPresenterCarteira(TCarteiraPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_colaboradorCarteira)
        m_colaboradorCarteira->SetListRemove(&m_presenter->ListRemoveColaboradorCarteira);
    if (m_bairroCarteira)
        m_bairroCarteira->SetListRemove(&m_presenter->ListRemoveBairroCarteira);
    return *this;
}

TCarteiraConnector &TCarteiraConnector::SetDataSetColaboradorCarteira(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->DataSetColaboradorCarteira = ADataSet;
    return *this;
}

TCarteiraConnector &TCarteiraConnector::SetDataSetBairroCarteira(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->DataSetBairroCarteira = ADataSet;
    return *this;
}
