#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Presenter.OrdemContratoCarteira.h"
#include "App.Service.Contrato.h"
#include "Common.ComplexPost.Contrato.h"
#include "Common.Dto.Contrato.h"
#include "Common.FilterClass.Contrato.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class TAlterarMotivoEncerramentoContratoDto;
class TAtualizacaoTitularContratoDto;
class TMemTable;

// The contracts: lists them (also for the contract lookup and the collection order) behind a
// search guard, and holds what the contract window's save gathers: the child tables of its
// sub-forms (not owned) and, per child kind, the ids of stored children removed in the window.
// It also offers the contract's side actions: the death information, the total the back end
// prices, the change of the closing reason and of the holder, the missing draw numbers.
class TContratoPresenter final : public TCadastroPresenterOf<TContratoComplexPost,
                                                             TContratoDto,
                                                             TContratoService,
                                                             TContratoFilterClass>,
                                 public IPesquisaContratoPresenter,
                                 public IOrdemContratoCarteiraContratoPresenter
{
public:
    TContratoPresenter();

    // The ids (as text, one per line) of stored children removed in the window; the sub-forms
    // add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveEndereco;
    QStringList ListRemoveContato;
    QStringList ListRemovePessoaIntegracaoApi;
    QStringList ListRemoveDependenteContrato;
    QStringList ListRemoveServicoContrato;
    QStringList ListRemovePeriodoContrato;
    QStringList ListRemovePlanoPeriodoContrato;
    QStringList ListRemoveServicoDependente;
    QStringList ListRemoveBeneficiarioDependenteContrato;
    QStringList ListRemoveAssinaturaContratoIntegracao;
    QStringList ListRemovePlanoDependenteContrato;
    // Contacts whose web password the back end resets with the next save; emptied when cleared.
    TListInt64 ListResetarSenhasWebContatos;

    // The manual occurrence sent with the next save (typed when a plan is cancelled or
    // suspended); emptied when the presenter is cleared, so it never reaches another contract.
    QString OcorrenciaManual;
    // Set by the collection-order window: its searches are never refused.
    bool OrdenacaoCarteira = false;
    // The portfolio's contract-order view: its search takes texts of any length, and its table
    // (every row, each ORDEM_COBRANCA with it) is stored in one request.
    void SetOrdenacaoCarteira(bool AValue) override { OrdenacaoCarteira = AValue; }
    bool AtualizarOrdemContratos(TMemTable &ADataSet) override;

    // The sub-forms' tables (not owned).
    TMemTable *DataSetDependenteContrato() const { return m_dataSetDependenteContrato; }
    void SetDataSetDependenteContrato(TMemTable *AValue) { m_dataSetDependenteContrato = AValue; }
    TMemTable *DataSetPeriodoContrato() const { return m_dataSetPeriodoContrato; }
    void SetDataSetPeriodoContrato(TMemTable *AValue) { m_dataSetPeriodoContrato = AValue; }
    TMemTable *DataSetServicoContrato() const { return m_dataSetServicoContrato; }
    void SetDataSetServicoContrato(TMemTable *AValue) { m_dataSetServicoContrato = AValue; }
    TMemTable *DataSetPlanoPeriodoContrato() const { return m_dataSetPlanoPeriodoContrato; }
    void SetDataSetPlanoPeriodoContrato(TMemTable *AValue)
    {
        m_dataSetPlanoPeriodoContrato = AValue;
    }
    TMemTable *DataSetServicoDependente() const { return m_dataSetServicoDependente; }
    void SetDataSetServicoDependente(TMemTable *AValue) { m_dataSetServicoDependente = AValue; }
    TMemTable *DataSetBeneficiarioDependenteContrato() const
    {
        return m_dataSetBeneficiarioDependenteContrato;
    }
    void SetDataSetBeneficiarioDependenteContrato(TMemTable *AValue)
    {
        m_dataSetBeneficiarioDependenteContrato = AValue;
    }
    TMemTable *DataSetEndereco() const { return m_dataSetEndereco; }
    void SetDataSetEndereco(TMemTable *AValue) { m_dataSetEndereco = AValue; }
    TMemTable *DataSetContato() const { return m_dataSetContato; }
    void SetDataSetContato(TMemTable *AValue) { m_dataSetContato = AValue; }
    TMemTable *DataSetPessoaIntegracaoApi() const { return m_dataSetPessoaIntegracaoApi; }
    void SetDataSetPessoaIntegracaoApi(TMemTable *AValue) { m_dataSetPessoaIntegracaoApi = AValue; }
    TMemTable *DataSetAssinaturaContratoIntegracao() const
    {
        return m_dataSetAssinaturaContratoIntegracao;
    }
    void SetDataSetAssinaturaContratoIntegracao(TMemTable *AValue)
    {
        m_dataSetAssinaturaContratoIntegracao = AValue;
    }
    TMemTable *DataSetPlanoDependenteContrato() const { return m_dataSetPlanoDependenteContrato; }
    void SetDataSetPlanoDependenteContrato(TMemTable *AValue)
    {
        m_dataSetPlanoDependenteContrato = AValue;
    }

    // Copied into the body by the save; they keep their values until set again.
    void SetIsAtualizaValoresContrato(bool AValue) { m_isAtualizaValoresContrato = AValue; }
    void SetIsAtualizaDataFinalDependentes(bool AValue)
    {
        m_isAtualizaDataFinalDependentes = AValue;
    }
    void SetDataFinalAtualizada(TDateTime AValue) { m_dataFinalAtualizada = AValue; }
    void SetIsAlteracaoFinanceiroCarteira(bool AValue) { m_isAlteracaoFinanceiroCarteira = AValue; }

    // True restricts the list requests to active contracts ("-1#SIM"); false changes nothing.
    void SetFiltrarApenasAtivo(bool AValue) override;

    // One line per deceased member of the contract's open service orders, in the reply's order,
    // joined by "\r\n"; the empty text when there is none or the request fails (nothing shown).
    QString findInformacoesObito(std::int64_t AIdContrato);
    // The service's actions of the same name, which show their outcome themselves; true when
    // the back end accepted the change.
    bool AlterarMotivoEncerramento(const TAlterarMotivoEncerramentoContratoDto &ADto);
    bool AtualizarTitular(const TAtualizacaoTitularContratoDto &AAtualizacao);
    // Asks the back end to give the contract members their missing draw numbers; failures
    // reach the caller.
    bool AtualizarNumerosSorteioFaltantes();
    // The contract's instalment as the back end prices it, for the record shown (IdRegistro)
    // with the plan of the plans table's current row among the plans still running today; 0
    // when the price request fails. The plans table keeps its filter; a failure reading it
    // reaches the caller after the filter is put back.
    double TotalizarValorContrato();
    std::int64_t findIdPlanoPeriodoContratoVigenteByContrato(std::int64_t AIdContrato);
    // The id of the first plan row of the first period row of that contract in the sub-forms'
    // tables; 0 when a table is missing or closed or nothing matches.
    std::int64_t getLastIdPlanoPeriodoContrato(std::int64_t AIdContrato) const;

protected:
    // The contract's own fields only; each sub-form loads its own rows.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    std::unique_ptr<TSerializeObject> PostService() override;
    void afterClear() override;
    // The search guard: fewer than 3 characters that are no number are refused unless a filter
    // criterion is set or the collection order searches.
    void beforeFindByFilter() override;
    // The collection order covers the whole filter, so its search reads every page.
    bool readsEveryPage() const override { return OrdenacaoCarteira; }

private:
    // A filter criterion other than the two check boxes is set.
    bool filtroPreenchido() const;

    TMemTable *m_dataSetDependenteContrato = nullptr;
    TMemTable *m_dataSetPeriodoContrato = nullptr;
    TMemTable *m_dataSetServicoContrato = nullptr;
    TMemTable *m_dataSetPlanoPeriodoContrato = nullptr;
    TMemTable *m_dataSetServicoDependente = nullptr;
    TMemTable *m_dataSetBeneficiarioDependenteContrato = nullptr;
    TMemTable *m_dataSetEndereco = nullptr;
    TMemTable *m_dataSetContato = nullptr;
    TMemTable *m_dataSetPessoaIntegracaoApi = nullptr;
    TMemTable *m_dataSetAssinaturaContratoIntegracao = nullptr;
    TMemTable *m_dataSetPlanoDependenteContrato = nullptr;

    bool m_isAtualizaValoresContrato = false;
    bool m_isAtualizaDataFinalDependentes = false;
    TDateTime m_dataFinalAtualizada;
    bool m_isAlteracaoFinanceiroCarteira = false;
};
