#include "App.Connector.Titulo.h"

#include "App.Presenter.Titulo.h"

TTituloConnector TTituloConnector::New(TBaseSubCadastroPresenter *AEmpresaTitulo,
                                       TBaseSubCadastroPresenter *AParcelaTitulo,
                                       TBaseSubCadastroPresenter *APlanoContasTitulo)
{
    TTituloConnector connector;
    connector.m_empresaTitulo = AEmpresaTitulo;
    connector.m_parcelaTitulo = AParcelaTitulo;
    connector.m_planoContasTitulo = APlanoContasTitulo;
    return connector;
}

TTituloConnector &TTituloConnector::SetPresenterTitulo(TTituloPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_planoContasTitulo)
        m_planoContasTitulo->SetListRemove(&m_presenter->ListRemovePlanoContasTitulo);
    if (m_parcelaTitulo)
        m_parcelaTitulo->SetListRemove(&m_presenter->ListRemoveParcelaTitulo);
    if (m_empresaTitulo)
        m_empresaTitulo->SetListRemove(&m_presenter->ListRemoveEmpresaTitulo);
    return *this;
}

TTituloConnector &TTituloConnector::SetDataSetEmpresaTitulo(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetEmpresaTitulo(ADataSet);
    return *this;
}

TTituloConnector &TTituloConnector::SetDataSetParcelaTitulo(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetParcelaTitulo(ADataSet);
    return *this;
}

TTituloConnector &TTituloConnector::SetDataSetPlanoContasTitulo(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetPlanoContasTitulo(ADataSet);
    return *this;
}
