#pragma once

#include <memory>

class TBaseSubCadastroPresenter;
class TCarenciaPresenter;
class TMemTable;

// Ties the rule presenter to the item window of the rule window: the item presenter records
// removed stored items in the rule presenter's remove list, and the rule presenter saves the
// item window's table.
class TCarenciaConnector final
{
public:
    // APresenterItemCarencia: the item window's presenter; not owned.
    static std::unique_ptr<TCarenciaConnector>
    New(TBaseSubCadastroPresenter *APresenterItemCarencia);

    // Keeps the presenter and, when there is one, makes its remove list the item presenter's.
    TCarenciaConnector &SetPresenterCarencia(TCarenciaPresenter *APresenter);
    // Hands the table to the kept presenter; nothing without one.
    TCarenciaConnector &SetDataSetItemCarencia(TMemTable *ADataSet);

private:
    explicit TCarenciaConnector(TBaseSubCadastroPresenter *APresenterItemCarencia);

    TBaseSubCadastroPresenter *m_presenterItemCarencia;
    TCarenciaPresenter *m_presenterCarencia = nullptr;
};
