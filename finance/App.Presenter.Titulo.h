#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Titulo.h"
#include "Common.ComplexPost.Titulo.h"
#include "Common.Dto.Titulo.h"
#include "Common.FilterClass.Titulo.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TMemTable;

// The financial titles: lists them one row per instalment, saves a title with its instalments,
// company shares and chart-of-accounts shares as one aggregate built from the title window's
// child tables, fills the children of a simplified title in one step, asks for an instalment's
// boleto and removes a title as a batch cancellation of that title.
class TTituloPresenter final : public TCadastroPresenterOf<TTituloComplexPost,
                                                           TTituloDto,
                                                           TTituloService,
                                                           TTituloFilterClass>
{
public:
    TTituloPresenter();

    // The title being edited is fully settled: every save is refused.
    bool IsBaixadoTotal = false;
    void SetIsBaixadoTotal(bool AValue) { IsBaixadoTotal = AValue; }
    // Copied into the aggregate at save: the back end issues the instalments' boletos.
    void SetGerarBoletos(bool AValue) { m_gerarBoletos = AValue; }

    // The ids (as text) of stored children removed in the window; the child presenters add to
    // them. Emptied whenever the presenter is cleared.
    QStringList ListRemoveEmpresaTitulo;
    QStringList ListRemoveParcelaTitulo;
    QStringList ListRemovePlanoContasTitulo;

    // The child presenters' tables (not owned).
    void SetDataSetEmpresaTitulo(TMemTable *AValue) { m_dataSetEmpresaTitulo = AValue; }
    void SetDataSetParcelaTitulo(TMemTable *AValue) { m_dataSetParcelaTitulo = AValue; }
    void SetDataSetPlanoContasTitulo(TMemTable *AValue) { m_dataSetPlanoContasTitulo = AValue; }

    // A simplified title: the entity starts afresh (the controls keep their values), the company
    // and chart-of-accounts tables get one row of AValor each, and the instalment table gets
    // AQuantidadeParcelas rows due monthly from ADataVencimento (a day the month lacks becomes
    // its last day). The instalments split AValor in cents; the last takes the remainder, so
    // they add up to AValor. The next save sends AValor as the title's value, whatever the
    // "Valor" control holds (there it is the instalment's value). Main thread.
    void AddInformationTituloSimplificado(std::int64_t AIdEmpresa,
                                          std::int64_t AIdPlanoContas,
                                          TDateTime ADataVencimento,
                                          double AValor,
                                          const QString &ADocumentoPagamento,
                                          int AQuantidadeParcelas);
    // The back end issues the instalment's boleto; its refusal raises the reply's text. Any
    // thread.
    void GerarBoleto(std::int64_t AIdParcelaTitulo);
    // Opens the instalment's boleto link with the desktop and answers true; a link that is
    // missing or not an http or https address shows "WARNING:Não foi possível gerar o boleto
    // impresso." and answers false.
    bool OpenLinkBoleto(std::int64_t AIdParcelaTitulo);
    // Removes the title by a batch cancellation of it, AObservacao as the reason. Id 0 raises
    // the ID field warning and an empty reason "WARNING:É necessário preencher o campo
    // justificativa para prosseguir.", both sending nothing; a refusal raises the reply's text.
    void RemoveTitulo(std::int64_t AId, const QString &AObservacao);

    // AValor split into AQuantidade values of whole cents, every one the rounded share but the
    // last, which takes what remains; none for a quantity below 1.
    static std::vector<double> DividirValor(double AValor, int AQuantidade);

protected:
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values over the title as it was read (its links to a contract,
    // plan, service, service order or portfolio have no control), the removed ids, then every
    // row of the three child tables, instalments by due date; sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    bool m_gerarBoletos = false;
    TMemTable *m_dataSetEmpresaTitulo = nullptr;
    TMemTable *m_dataSetParcelaTitulo = nullptr;
    TMemTable *m_dataSetPlanoContasTitulo = nullptr;
    // The title as the back end gave it when it was opened; none for a new title.
    std::unique_ptr<TTituloEntity> m_loaded;
    // The value of the simplified title filled for the next save.
    std::optional<double> m_valorSimplificado;
};
