#include "App.Connector.Servico.h"

#include "App.Presenter.Servico.h"

TServicoConnector TServicoConnector::New(TBaseSubCadastroPresenter *AValorServico,
                                         TBaseSubCadastroPresenter *ACarenciaServico,
                                         TBaseSubCadastroPresenter *AItemKitServico)
{
    TServicoConnector connector;
    connector.m_valorServico = AValorServico;
    connector.m_carenciaServico = ACarenciaServico;
    connector.m_itemKitServico = AItemKitServico;
    return connector;
}

TServicoConnector &TServicoConnector::SetPresenterServico(TServicoPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_valorServico)
        m_valorServico->SetListRemove(&m_presenter->ListRemoveValorServico);
    if (m_carenciaServico)
        m_carenciaServico->SetListRemove(&m_presenter->ListRemoveCarenciaServico);
    if (m_itemKitServico)
        m_itemKitServico->SetListRemove(&m_presenter->ListRemoveItemKitServico);
    return *this;
}

TServicoConnector &TServicoConnector::SetDataSetValorServico(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetValorServico(ADataSet);
    return *this;
}

TServicoConnector &TServicoConnector::SetDataSetCarenciaServico(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetCarenciaServico(ADataSet);
    return *this;
}

TServicoConnector &TServicoConnector::SetDataSetItemKitServico(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetItemKitServico(ADataSet);
    return *this;
}

TServicoConnector &TServicoConnector::SetDataSetServicoEstoque(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetServicoEstoque(ADataSet);
    return *this;
}
