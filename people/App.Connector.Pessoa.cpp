#include "App.Connector.Pessoa.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Presenter.Pessoa.h"

TPessoaConnector::TPessoaConnector(TBaseSubCadastroPresenter *APresenterEndereco,
                                   TBaseSubCadastroPresenter *APresenterContato,
                                   TBaseSubCadastroPresenter *APresenterIntegracao)
    : m_presenterEndereco(APresenterEndereco)
    , m_presenterContato(APresenterContato)
    , m_presenterIntegracao(APresenterIntegracao)
{ }

std::unique_ptr<TPessoaConnector>
TPessoaConnector::New(TBaseSubCadastroPresenter *APresenterEndereco,
                      TBaseSubCadastroPresenter *APresenterContato,
                      TBaseSubCadastroPresenter *APresenterIntegracao)
{
    return std::unique_ptr<TPessoaConnector>(
        new TPessoaConnector(APresenterEndereco, APresenterContato, APresenterIntegracao));
}

TPessoaConnector &TPessoaConnector::SetPresenterPessoa(TPessoaPresenter *APresenter)
{
    FPresenter = APresenter;
    if (!FPresenter)
        return *this;
    if (m_presenterEndereco)
        m_presenterEndereco->SetListRemove(FPresenter->ListRemoveEndereco());
    if (m_presenterContato)
        m_presenterContato->SetListRemove(FPresenter->ListRemoveContato());
    if (m_presenterIntegracao)
        m_presenterIntegracao->SetListRemove(FPresenter->ListRemovePessoaIntegracaoApi());
    return *this;
}

TPessoaConnector &TPessoaConnector::SetDataSetEndereco(TMemTable *ADataSet)
{
    if (FPresenter)
        FPresenter->DataSetEndereco = ADataSet;
    return *this;
}

TPessoaConnector &TPessoaConnector::SetDataSetContato(TMemTable *ADataSet)
{
    if (FPresenter)
        FPresenter->DataSetContato = ADataSet;
    return *this;
}

TPessoaConnector &TPessoaConnector::SetDataSetPessoaIntegracaoApi(TMemTable *ADataSet)
{
    if (FPresenter)
        FPresenter->DataSetPessoaIntegracaoApi = ADataSet;
    return *this;
}
