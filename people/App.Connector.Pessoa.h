#pragma once

#include <memory>

class TBaseSubCadastroPresenter;
class TMemTable;
class TPessoaPresenter;

// Ties the person presenter to the address, contact and payment-API link windows of the person
// window: their presenters record removed stored rows in the person presenter's remove lists,
// and the person presenter saves their tables with the person.
class TPessoaConnector final
{
public:
    // The three child windows' presenters; not owned.
    static std::unique_ptr<TPessoaConnector> New(TBaseSubCadastroPresenter *APresenterEndereco,
                                                 TBaseSubCadastroPresenter *APresenterContato,
                                                 TBaseSubCadastroPresenter *APresenterIntegracao);

    // Keeps the presenter and, when there is one, hands its three remove lists to the child
    // presenters.
    TPessoaConnector &SetPresenterPessoa(TPessoaPresenter *APresenter);
    // Each hands the table to the kept presenter; nothing without one.
    TPessoaConnector &SetDataSetEndereco(TMemTable *ADataSet);
    TPessoaConnector &SetDataSetContato(TMemTable *ADataSet);
    TPessoaConnector &SetDataSetPessoaIntegracaoApi(TMemTable *ADataSet);

private:
    TPessoaConnector(TBaseSubCadastroPresenter *APresenterEndereco,
                     TBaseSubCadastroPresenter *APresenterContato,
                     TBaseSubCadastroPresenter *APresenterIntegracao);

    TBaseSubCadastroPresenter *m_presenterEndereco;
    TBaseSubCadastroPresenter *m_presenterContato;
    TBaseSubCadastroPresenter *m_presenterIntegracao;
    TPessoaPresenter *FPresenter = nullptr;
};
