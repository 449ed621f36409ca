#pragma once

class TBaseSubCadastroPresenter;
class TColaboradorEmpresaPresenter;
class TColaboradorPresenter;
class TMemTable;

// Wires the staff presenter with the presenters of the staff window's sub-forms, used once as a
// chain while the window sets up its presenter: the staff presenter's remove lists go to the
// employment, function and team presenters (the employment presenter also gets the function and
// team lists, for the rows an employment takes along when it is removed), and the sub-forms'
// tables go to the staff presenter, which reads them when it builds the aggregate.
class TColaboradorConnector final
{
public:
    // The sub-forms' presenters (not owned).
    static TColaboradorConnector New(TColaboradorEmpresaPresenter *AColaboradorEmpresa,
                                     TBaseSubCadastroPresenter *AFuncaoColaboradorEmpresa,
                                     TBaseSubCadastroPresenter *AEquipeColaboradorEmpresa);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TColaboradorConnector &SetPresenterColaborador(TColaboradorPresenter *APresenter);
    // The employment table to the staff presenter; nothing without one.
    TColaboradorConnector &SetDataSetColaboradorEmpresa(TMemTable *ADataSet);
    // The function or team table to both the employment presenter and the staff presenter;
    // nothing without a staff presenter.
    TColaboradorConnector &SetDataSetFuncaoColaboradorEmpresa(TMemTable *ADataSet);
    TColaboradorConnector &SetDataSetEquipeColaboradorEmpresa(TMemTable *ADataSet);

private:
    TColaboradorConnector() = default;

    TColaboradorEmpresaPresenter *m_colaboradorEmpresa = nullptr;
    TBaseSubCadastroPresenter *m_funcaoColaboradorEmpresa = nullptr;
    TBaseSubCadastroPresenter *m_equipeColaboradorEmpresa = nullptr;
    TColaboradorPresenter *m_presenter = nullptr;
};
