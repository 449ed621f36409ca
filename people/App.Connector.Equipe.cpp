#include "App.Connector.Equipe.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Presenter.Equipe.h"

TEquipeConnector TEquipeConnector::New(TBaseSubCadastroPresenter *AColaboradorEquipe)
{
    TEquipeConnector connector;
    connector.m_colaboradorEquipe = AColaboradorEquipe;
    return connector;
}

TEquipeConnector &TEquipeConnector::SetPresenterEquipe(TEquipePresenter *APresenter)
{
    m_presenter = APresenter;
    if (m_presenter && m_colaboradorEquipe)
        m_colaboradorEquipe->SetListRemove(&m_presenter->ListRemoveColaboradorEquipe);
    return *this;
}

TEquipeConnector &TEquipeConnector::SetDataSetColaboradorEquipe(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->DataSetColaboradorEquipe = ADataSet;
    return *this;
}
