#pragma once

class TBaseSubCadastroPresenter;
class TDependentePlanoPresenter;
class TMemTable;
class TPlanoPresenter;

// The presenters of the plan window's sub-forms (not owned); any may be missing.
struct TPlanoSubPresenters
{
    TBaseSubCadastroPresenter *ServicoDependentePlano = nullptr;
    TDependentePlanoPresenter *DependentePlano = nullptr;
    TBaseSubCadastroPresenter *CarenciaPlano = nullptr;
    TBaseSubCadastroPresenter *ServicoPlano = nullptr;
    TBaseSubCadastroPresenter *ValorPlano = nullptr;
    TBaseSubCadastroPresenter *FaixaEtariaPlano = nullptr;
    TBaseSubCadastroPresenter *AdicionalContratoPlano = nullptr;
    TBaseSubCadastroPresenter *ConvenioPlano = nullptr;
    TBaseSubCadastroPresenter *VendedorPlano = nullptr;
};

// Wires the plan presenter with the presenters of the plan window's sub-forms, used once as a
// chain while the window sets up its presenter: the plan presenter's remove lists go to the
// sub-forms' presenters (the removed extra services also to the dependents' presenter, which
// removes a dependent's services with it), and the sub-forms' tables to the plan presenter,
// which reads them when it builds the aggregate.
class TPlanoConnector final
{
public:
    static TPlanoConnector New(const TPlanoSubPresenters &ASubPresenters);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TPlanoConnector &SetPresenterPlano(TPlanoPresenter *APresenter);
    // To the dependents' presenter and the plan presenter; nothing without a plan presenter.
    TPlanoConnector &SetDataSetServicoDependentePlano(TMemTable *ADataSet);
    // Each hands the table to the plan presenter; nothing without one.
    TPlanoConnector &SetDataSetDependentePlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetCarenciaPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetServicoPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetValorPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetFaixaEtariaPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetAdicionalContratoPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetConvenioPlano(TMemTable *ADataSet);
    TPlanoConnector &SetDataSetVendedorPlano(TMemTable *ADataSet);

private:
    TPlanoConnector() = default;

    TPlanoSubPresenters m_sub;
    TPlanoPresenter *m_presenter = nullptr;
};
