#pragma once

class TBaseSubCadastroPresenter;
class TEquipePresenter;
class TMemTable;

// Ties the team presenter to the member sub-form of the team window: the member presenter
// records removed stored members in the team presenter's remove list, and the team presenter
// saves the member table.
class TEquipeConnector final
{
public:
    // AColaboradorEquipe: the member sub-form's presenter; not owned.
    static TEquipeConnector New(TBaseSubCadastroPresenter *AColaboradorEquipe);

    // Keeps the presenter and, when there is one, makes its remove list the member presenter's.
    TEquipeConnector &SetPresenterEquipe(TEquipePresenter *APresenter);
    // Hands the table to the kept presenter; nothing without one.
    TEquipeConnector &SetDataSetColaboradorEquipe(TMemTable *ADataSet);

private:
    TEquipeConnector() = default;

    TBaseSubCadastroPresenter *m_colaboradorEquipe = nullptr;
    TEquipePresenter *m_presenter = nullptr;
};
