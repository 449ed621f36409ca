#pragma once

class TBaseSubCadastroPresenter;
class TMemTable;
class TServicoPresenter;

// Wires the service presenter with the presenters of the service window's sub-forms, used once
// as a chain while the window sets up its presenter: the service presenter's remove lists go to
// the value, waiting-period and kit presenters, and the sub-forms' tables to the service
// presenter, which reads them when it builds the aggregate.
class TServicoConnector final
{
public:
    // The sub-forms' presenters that keep the removed ids (not owned).
    static TServicoConnector New(TBaseSubCadastroPresenter *AValorServico,
                                 TBaseSubCadastroPresenter *ACarenciaServico,
                                 TBaseSubCadastroPresenter *AItemKitServico);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TServicoConnector &SetPresenterServico(TServicoPresenter *APresenter);
    // Each hands the table to the service presenter; nothing without one.
    TServicoConnector &SetDataSetValorServico(TMemTable *ADataSet);
    TServicoConnector &SetDataSetCarenciaServico(TMemTable *ADataSet);
    TServicoConnector &SetDataSetItemKitServico(TMemTable *ADataSet);
    TServicoConnector &SetDataSetServicoEstoque(TMemTable *ADataSet);

private:
    TServicoConnector() = default;

    TBaseSubCadastroPresenter *m_valorServico = nullptr;
    TBaseSubCadastroPresenter *m_carenciaServico = nullptr;
    TBaseSubCadastroPresenter *m_itemKitServico = nullptr;
    TServicoPresenter *m_presenter = nullptr;
};
