#pragma once

class TBaseSubCadastroPresenter;
class TMemTable;
class TTituloPresenter;

// Wires the title presenter with the presenters of the title window's sub-forms, used once as a
// chain while the window sets up its presenter: the title presenter's remove lists go to the
// chart-of-accounts, instalment and company presenters, and the sub-forms' tables to the title
// presenter, which reads them when it builds the aggregate. It owns nothing.
class TTituloConnector final
{
public:
    // The sub-forms' presenters that keep the removed ids (not owned).
    static TTituloConnector New(TBaseSubCadastroPresenter *AEmpresaTitulo,
                                TBaseSubCadastroPresenter *AParcelaTitulo,
                                TBaseSubCadastroPresenter *APlanoContasTitulo);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TTituloConnector &SetPresenterTitulo(TTituloPresenter *APresenter);
    // Each hands the table to the title presenter; nothing without one.
    TTituloConnector &SetDataSetEmpresaTitulo(TMemTable *ADataSet);
    TTituloConnector &SetDataSetParcelaTitulo(TMemTable *ADataSet);
    TTituloConnector &SetDataSetPlanoContasTitulo(TMemTable *ADataSet);

private:
    TTituloConnector() = default;

    TBaseSubCadastroPresenter *m_empresaTitulo = nullptr;
    TBaseSubCadastroPresenter *m_parcelaTitulo = nullptr;
    TBaseSubCadastroPresenter *m_planoContasTitulo = nullptr;
    TTituloPresenter *m_presenter = nullptr;
};
