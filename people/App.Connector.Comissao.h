#pragma once

class TComissaoPresenter;
class TFaixaComissaoPresenter;
class TFaixaHorarioComissaoPresenter;
class TMemTable;

// Wires the commission-table presenter with the presenters of its window's nested sub-forms,
// used once as a chain while the window sets up its presenter: the table presenter's remove
// lists go to the time-band and band presenters, and the sub-forms' tables to the presenters
// that read them (the table presenter when it builds the aggregate, the time-band presenter when
// a time band takes its bands away).
class TComissaoConnector final
{
public:
    // The sub-forms' presenters (not owned).
    static TComissaoConnector New(TFaixaHorarioComissaoPresenter *AFaixaHorarioComissao,
                                  TFaixaComissaoPresenter *AFaixaComissao);

    // Stores the presenter and, when there is one, hands its remove lists to the sub-forms'
    // presenters.
    TComissaoConnector &SetPresenterComissao(TComissaoPresenter *APresenter);
    // With a presenter stored: the band table goes to it and to the time-band presenter.
    TComissaoConnector &SetDataSetFaixaComissao(TMemTable *ADataSet);
    // With a presenter stored: the time-band table goes to it.
    TComissaoConnector &SetDataSetFaixaHorarioComissao(TMemTable *ADataSet);

private:
    TComissaoConnector() = default;

    TFaixaHorarioComissaoPresenter *m_faixaHorarioComissao = nullptr;
    TFaixaComissaoPresenter *m_faixaComissao = nullptr;
    TComissaoPresenter *m_presenter = nullptr;
};
