#pragma once

#include "App.Base.Presenter.Cadastro.h"

#include <QString>

#include <cstdint>

class TFrameBaseAdapter;
class TMemTable;

// What the contract-order view needs of the contract presenter, which implements it. The view
// creates that presenter by class name ("TContratoPresenter") and uses its list table, whose
// columns include ID_REGISTRO, ORDEM_COBRANCA, TITULAR, CODIGO, LOGRADOURO, NUMERO, BAIRRO,
// MUNICIPIO and UF.
class IOrdemContratoCarteiraContratoPresenter
{
public:
    virtual ~IOrdemContratoCarteiraContratoPresenter() = default;
    // True lets the contract search take a search text of any length (the order view's search).
    virtual void SetOrdenacaoCarteira(bool AValue) = 0;
    // Every row of the table (walked from the first; the cursor is left at the end) as a contract row (each column into the property of the same name,
    // ORDEM_COBRANCA into OrdemCobranca) in one POST /contrato/atualizar-ordem-cobranca. Shows the
    // back end's outcome itself and raises nothing for a refusal; returns whether it was stored.
    // Runs on a worker thread.
    virtual bool AtualizarOrdemContratos(TMemTable &ADataSet) = 0;
};

// The collection order of a contract table, as plain functions over it. Every rule reads the
// table in the order "ORDEM_COBRANCA;LOGRADOURO;TITULAR" (by order, then street, then holder),
// which OrdenarContratosCarteira sets; first, last, previous and next refer to that order.
// Each change is posted to the table at once.
//
// Sorts the table and numbers the contracts without an order (below 1) after the highest order,
// in sort order, so they follow the numbered ones by street and holder.
void OrdenarContratosCarteira(TMemTable &ADataSet);
// One step up (ADelta -1) or down (+1) for the row AIdRegistro whose order edit shows AShown:
// the first row holding the order it moves to takes AShown. Nothing when AShown is already the
// first (up) or last (down) order. Returns whether anything changed.
bool MoverOrdemContratoCarteira(TMemTable &ADataSet,
                                std::int64_t AIdRegistro,
                                int AShown,
                                int ADelta);
// What a move to a typed position did.
enum class TOrdemAlterada { Nenhuma, LinhaAusente, Alterada };
// The row AIdRegistro takes ANova and the rows between its old and new place close up behind it.
// Nothing for 0 or the row's own order; LinhaAusente when the row is not in the table.
TOrdemAlterada
AlterarOrdemContratoCarteira(TMemTable &ADataSet, std::int64_t AIdRegistro, int ANova);

// Edits the collection order of the contracts listed in the contract-order view: the frame
// events renumber the contract table, and the update sends it back.
class TOrdemContratoCarteiraPresenter final : public TBaseCadastroPresenter
{
public:
    TOrdemContratoCarteiraPresenter();

    // The contract table (the contract presenter's list table); not owned.
    TMemTable *DataSetContrato = nullptr;
    // Sends the table (see the interface); not owned.
    IOrdemContratoCarteiraContratoPresenter *PresenterContrato = nullptr;

    // "WARNING:É necessário realizar a pesquisa para prosseguir." for an empty or missing table;
    // otherwise the contract presenter's update. Any thread.
    bool AtualizarOrdemContratos();

    // The frame events of a contract row; nothing for a null frame.
    void ProcAlterarOrdemClick(TFrameBaseAdapter *AFrame);
    void ProcMoveUpClick(TFrameBaseAdapter *AFrame);
    void ProcMoveDownClick(TFrameBaseAdapter *AFrame);
    // Leaving the order edit: a typed value not confirmed with Enter gives way to the table's.
    void ProcResetOrdem(TFrameBaseAdapter *AFrame);

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;

private:
    void moveStep(TFrameBaseAdapter *AFrame, int ADelta);
    void reload();
};
