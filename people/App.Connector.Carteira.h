#pragma once

class TBaseSubCadastroPresenter;
class TCarteiraPresenter;
class TMemTable;

// Ties the portfolio presenter to the collector and neighbourhood sub-forms of the portfolio
// window: the child presenters record removed stored rows in the portfolio presenter's remove
// lists, and the portfolio presenter saves both tables.
class TCarteiraConnector final
{
public:
    // The sub-forms' presenters; not owned.
    static TCarteiraConnector New(TBaseSubCadastroPresenter *AColaboradorCarteira,
                                  TBaseSubCadastroPresenter *ABairroCarteira);

    // Keeps the presenter and, when there is one, makes its remove lists the child presenters'.
    TCarteiraConnector &SetPresenterCarteira(TCarteiraPresenter *APresenter);
    // Hand the table to the kept presenter; nothing without one.
    TCarteiraConnector &SetDataSetColaboradorCarteira(TMemTable *ADataSet);
    TCarteiraConnector &SetDataSetBairroCarteira(TMemTable *ADataSet);

private:
    TCarteiraConnector() = default;

    TBaseSubCadastroPresenter *m_colaboradorCarteira = nullptr;
    TBaseSubCadastroPresenter *m_bairroCarteira = nullptr;
    TCarteiraPresenter *m_presenter = nullptr;
};
