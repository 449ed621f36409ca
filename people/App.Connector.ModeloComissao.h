#pragma once

class TComissaoFuncaoPresenter;
class TFaixaParcelaTipoComissaoPresenter;
class TMemTable;
class TModeloComissaoPresenter;
class TTipoComissaoFuncaoPresenter;

// Wires the commission-model presenter with the presenters of its window's three nested
// sub-forms, used once as a chain while the window sets up its presenter: the model presenter's
// remove lists go to the function, type and instalment-band presenters, and the sub-forms'
// tables to the presenters that read them (the model presenter when it builds the aggregate, the
// function and type presenters when a removed row takes its children away).
class TModeloComissaoConnector final
{
public:
    // The sub-forms' presenters (not owned).
    static TModeloComissaoConnector New(TComissaoFuncaoPresenter *AComissaoFuncao,
                                        TTipoComissaoFuncaoPresenter *ATipoComissaoFuncao,
                                        TFaixaParcelaTipoComissaoPresenter *AFaixaParcela);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TModeloComissaoConnector &SetPresenterModeloComissao(TModeloComissaoPresenter *APresenter);
    // With a presenter stored, each table goes to it and to the presenters of the levels above.
    TModeloComissaoConnector &SetDataSetComissaoFuncao(TMemTable *ADataSet);
    TModeloComissaoConnector &SetDataSetTipoComissaoFuncao(TMemTable *ADataSet);
    TModeloComissaoConnector &SetDataSetFaixaParcelaTipoComissao(TMemTable *ADataSet);

private:
    TModeloComissaoConnector() = default;

    TComissaoFuncaoPresenter *m_comissaoFuncao = nullptr;
    TTipoComissaoFuncaoPresenter *m_tipoComissaoFuncao = nullptr;
    TFaixaParcelaTipoComissaoPresenter *m_faixaParcela = nullptr;
    TModeloComissaoPresenter *m_presenter = nullptr;
};
