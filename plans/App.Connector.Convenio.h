#pragma once

class TBaseSubCadastroPresenter;
class TConvenioPresenter;
class TMemTable;
class TProfissionalConvenioPresenter;

// Wires the agreement presenter with the presenters of the agreement window's sub-forms, used
// once as a chain while the window sets up its presenter: the agreement presenter's remove lists
// go to the professional, specialty and service presenters, and the sub-forms' tables to the
// agreement presenter, which reads them when it builds the aggregate. The professional presenter
// gets the specialty table and list too, to remove a professional's specialties with him or her.
class TConvenioConnector final
{
public:
    // The sub-forms' presenters (not owned).
    static TConvenioConnector New(TProfissionalConvenioPresenter *AProfissional,
                                  TBaseSubCadastroPresenter *AEspecialidade,
                                  TBaseSubCadastroPresenter *AServico);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TConvenioConnector &SetPresenterConvenio(TConvenioPresenter *APresenter);
    // The specialty table to the professional presenter and to the agreement presenter.
    TConvenioConnector &SetDataSetEspecialidadeProfissionalConvenio(TMemTable *ADataSet);
    // Each hands the table to the agreement presenter.
    TConvenioConnector &SetDataSetProfissionalConvenio(TMemTable *ADataSet);
    TConvenioConnector &SetDataSetServicoConvenio(TMemTable *ADataSet);

private:
    TConvenioConnector() = default;

    TProfissionalConvenioPresenter *m_profissional = nullptr;
    TBaseSubCadastroPresenter *m_especialidade = nullptr;
    TBaseSubCadastroPresenter *m_servico = nullptr;
    TConvenioPresenter *m_presenter = nullptr;
};
