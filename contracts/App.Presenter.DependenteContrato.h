#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Service.DependenteContrato.h"
#include "Common.ComplexPost.DependenteContrato.h"
#include "Common.Dto.DependenteContrato.h"

#include <QStringList>

#include <cstdint>
#include <functional>

// The members of the contract being edited, kept in the table until the contract is saved; also
// the reader of the member lookup and of the members print window. A member read goes by plan
// (IsFilterByPlano), else to the active members (IsFilterDependenteAtivo or
// IsFilterFaixaEtaria), else to every member of the contract IdPrincipal.
class TDependenteContratoPresenter final
    : public TSubCadastroPresenterOf<TDependenteContratoComplexPost,
                                     TDependenteContratoDto,
                                     TDependenteContratoService>,
      public IPesquisaDependenteContratoPresenter
{
public:
    TDependenteContratoPresenter();

    bool IsFilterFaixaEtaria = false;
    bool IsFilterDependenteAtivo = false;
    bool IsFilterByPlano = false;
    std::int64_t IdPlano = 0;
    // Kept for the members print window; no read uses them.
    std::int64_t IdConvenio = 0;
    std::int64_t IdEspecialidade = 0;
    std::int64_t IdServico = 0;
    bool IsNewContrato = false;

    // Handed in by the contract window; none is owned. A saved member service or beneficiary
    // removed with its member leaves its id in the matching list.
    QStringList *ListRemoveServicoDependente = nullptr;
    TMemTable *DataSetServicoDependente = nullptr;
    QStringList *ListRemoveBeneficiarioDependenteContrato = nullptr;
    TMemTable *DataSetBeneficiarioDependenteContrato = nullptr;
    TBaseSubCadastroPresenter *PeriodoContratoPresenter = nullptr;
    TListInt64 *ListResetarSenhasWebContatos = nullptr;

    void SetIsFilterFaixaEtaria(bool AValue) override { IsFilterFaixaEtaria = AValue; }
    void SetIsFilterDependenteAtivo(bool AValue) override { IsFilterDependenteAtivo = AValue; }
    void SetProcBeforeFillDependente(std::function<void()> AValue) override
    {
        m_procBeforeFillDependente = std::move(AValue);
    }
    // Used by the next read only: every read empties it, also one that fails.
    void SetTextSearch(const QString &AValue) override { m_textSearchDependente = AValue; }
    const QString &TextSearchDependente() const { return m_textSearchDependente; }

    // The id of the leave reason "death" ("04") or "end of contract" ("01") of the system list
    // BAIXA_CONTRATO; 0 when there is none.
    std::int64_t findIdBaixaFalecimento();
    std::int64_t findIdBaixaFinalizacaoContrato();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterClear() override;
    void deleteChildRecords(std::int64_t AId) override;
    void afterUpdateInfoRegistroFK() override;

private:
    std::int64_t findIdBaixa(const QString &ACodigo);

    std::function<void()> m_procBeforeFillDependente;
    QString m_textSearchDependente;
};
