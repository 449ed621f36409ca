#pragma once

#include <memory>

class TBaseSubCadastroPresenter;
class TSeguradoraPresenter;
class TMemTable;

// Ties the insurer presenter to the insurer-plan window of the insurer window: the insurer-plan presenter records
// removed stored insurer plans in the insurer presenter's remove list, and the insurer presenter saves the
// insurer-plan window's table.
class TSeguradoraConnector final
{
public:
    // APresenterPlanoSeguradora: the insurer-plan window's presenter; not owned.
    static std::unique_ptr<TSeguradoraConnector>
    New(TBaseSubCadastroPresenter *APresenterPlanoSeguradora);

    // Keeps the presenter and, when there is one, makes its remove list the insurer-plan presenter's.
    TSeguradoraConnector &SetPresenterSeguradora(TSeguradoraPresenter *APresenter);
    // Hands the table to the kept presenter; nothing without one.
    TSeguradoraConnector &SetDataSetPlanoSeguradora(TMemTable *ADataSet);

private:
    explicit TSeguradoraConnector(TBaseSubCadastroPresenter *APresenterPlanoSeguradora);

    TBaseSubCadastroPresenter *m_presenterPlanoSeguradora;
    TSeguradoraPresenter *m_presenterSeguradora = nullptr;
};
