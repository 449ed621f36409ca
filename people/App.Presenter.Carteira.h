#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Carteira.h"
#include "Common.ComplexPost.Carteira.h"
#include "Common.Dto.Carteira.h"

#include <QStringList>

class TAlteracaoTituloCarteiraComplexPost;
class TMemTable;

// The collection portfolios: lists them (the portfolio lookup lists them through it too), saves
// a portfolio as one aggregate with the rows of its collector and neighbourhood sub-forms, and
// moves instalment titles to a portfolio.
class TCarteiraPresenter final
    : public TCadastroPresenterOf<TCarteiraComplexPost, TCarteiraDto, TCarteiraService>
{
public:
    TCarteiraPresenter();

    // Ids, as text, of stored neighbourhoods and collectors removed in the window; the child
    // presenters fill them, a save sends them, clearing the record empties them.
    QStringList ListRemoveBairroCarteira;
    QStringList ListRemoveColaboradorCarteira;
    // The sub-forms' tables; not owned. Null, or a closed table, means no rows of that kind.
    TMemTable *DataSetBairroCarteira = nullptr;
    TMemTable *DataSetColaboradorCarteira = nullptr;

    // Moves the body's titles to its portfolio (raises the back end's refusal). Any thread.
    void AlteracaoTitulo(const TAlteracaoTituloCarteiraComplexPost &AComplexPost);

protected:
    // The portfolio alone; its children are read by the window's loaders.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values, the removed neighbourhoods and collectors, then every
    // collector and every neighbourhood row (the portfolio is their parent in the body, so
    // IdCarteira stays 0). Sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;
};
