#pragma once

#include "App.Lib.Pesquisa.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TClassInfo;
class TSerializeObject;

// The lookups of every entity a bound edit can look up, one TPesquisa descendant per entity.
//
// Most of them serve entities of the business subsystems, which the shell cannot include. So a
// lookup reaches both halves of its entity by class name through the class registry:
// - the presenter (TPessoaPresenter), registered by its unit with ZUNTA_REGISTER_PRESENTER;
// - the list row it hands back (TPessoaDto), registered by its unit's ZUNTA_DEFINE_CLASS.
//   The record is read into an object of that very class, so the bound edit's ProcPesquisa gets
//   the real row and may cast it; the lookup itself reads the row's properties by name.
// Until both are registered the lookup refuses with a warning naming the missing class;
// catalogoProblems finds, in a test, what a subsystem that registers its presenter forgot.

// What the contract lookup needs of the contract presenter, which implements it.
class IPesquisaContratoPresenter
{
public:
    virtual ~IPesquisaContratoPresenter() = default;
    // True restricts the presenter's list requests to active contracts.
    virtual void SetFiltrarApenasAtivo(bool AValue) = 0;
};

// What the contract-member lookup needs of the contract-member presenter, which implements it.
class IPesquisaDependenteContratoPresenter
{
public:
    virtual ~IPesquisaDependenteContratoPresenter() = default;
    virtual void SetIsFilterFaixaEtaria(bool AValue) = 0;
    virtual void SetIsFilterDependenteAtivo(bool AValue) = 0;
    // Called at the start of every list load, on the loading thread.
    virtual void SetProcBeforeFillDependente(std::function<void()> AValue) = 0;
    // The search text of the active-members request (not the base presenter's TextSearch).
    virtual void SetTextSearch(const QString &AValue) = 0;
};

// How one catalogue lookup serves its entity (see the .cpp for the table of all of them).
struct TPesquisaCatalogoInfo
{
    QString Pesquisa {}; // class name of the lookup
    QString Presenter {}; // class name of the entity's presenter
    QString RecordClass {}; // class name of the list row handed back
    bool FixFilter = false; // the caller's fixed filter goes to the presenter and the fetch
    QString EditText {}; // the record's property shown in the bound edit
    // The text left in the binding's OtherInfo; none leaves OtherInfo alone.
    std::function<QString(const TSerializeObject &ARecord)> OtherInfo {};
    // The text of a result row, from the current record of the list table.
    std::function<QString(const TMemTable &ADataSet)> RowText {};
    bool Small = false; // the row's text at 0.8 of its size
};

// Every lookup of the catalogue.
std::vector<const TPesquisaCatalogoInfo *> catalogoEntries();

// What does not fit among the entries whose presenter is registered (the others belong to
// subsystems this program does not have), one text per fault, each beginning with the lookup's
// class name: a row class not registered, an edit text or OtherInfo property the row class
// lacks, a column the row text reads that the presenter's table lacks, a presenter that cannot
// be created. Empty when everything fits.
QStringList catalogoProblems(const std::vector<const TPesquisaCatalogoInfo *> &AEntries);

// The common part of the catalogue: creates the presenter by name, fetches the record by id
// (GET <resource>/pesquisa/<id>) and builds the result rows from the catalogue's entry.
class TPesquisaCatalogo : public TPesquisa
{
protected:
    explicit TPesquisaCatalogo(const TPesquisaCatalogoInfo &AInfo);

    void instancePresenter() override;
    void findObjectDto() override;
    void fillFrameItem(TMemTable &DataSet, TFrameBaseAdapter *&Frame) override;

    // A new presenter of the entity; the base finds it in the class registry and raises the
    // missing-class warning when it is not there.
    virtual std::unique_ptr<TBasePresenter> newPresenter();
    // The class of the record handed back; raises the missing-class warning when unknown.
    const TClassInfo &recordClass() const;
    // Keeps a fetched record as the lookup's record with its edit text and OtherInfo; a missing
    // record, or one without an id (a reply about an unknown id), is not kept.
    void storeRecord(std::unique_ptr<TSerializeObject> ARecord);
    // The warning for a class that is not registered (yet).
    [[noreturn]] void raiseMissingClass(const QString &AMissingClass) const;
    // The warning for a presenter that lacks what the lookup needs of it.
    [[noreturn]] void raiseUnfitPresenter() const;
    // The address finders: instancePresenter, then the presenter's service as the finder I,
    // which the geography services implement (the unfit-presenter warning when it does not).
    template<class I>
    I &finder();
    // Keeps the record a finder found as ObjectDto; its id when above 0, else 0.
    std::int64_t keepEndereco(std::unique_ptr<TBaseDto> ARecord);
    // After a page was read, before its rows are built: removes rows that must not be offered
    // with the search window's counts kept true. Used by the plan and member lookups.
    void dropRows(int ARemoved);

    const TPesquisaCatalogoInfo &m_info;
};

class TPesquisaUnidadeFederativa final : public TPesquisaCatalogo
{
public:
    TPesquisaUnidadeFederativa();
    // The id of the state of that abbreviation; 0 when none.
    std::int64_t FindBySigla(const QString &AUF);
};

class TPesquisaMunicipio final : public TPesquisaCatalogo
{
public:
    TPesquisaMunicipio();
    std::int64_t FindByMunicipioUF(const QString &AMunicipio, const QString &AUF);
};

class TPesquisaBairro final : public TPesquisaCatalogo
{
public:
    TPesquisaBairro();
    std::int64_t
    FindByBairroMunicipioUF(const QString &ABairro, const QString &AMunicipio, const QString &AUF);
};

class TPesquisaLogradouro final : public TPesquisaCatalogo
{
public:
    TPesquisaLogradouro();
    // The id of the street of that postcode; 0 when none.
    std::int64_t FindByCEP(const QString &ACep);
};

class TPesquisaPerfilPermissao final : public TPesquisaCatalogo
{
public:
    TPesquisaPerfilPermissao();
};

// A row of the system list named by the fixed filter ("SEXO"), found directly by the code typed
// (one or two characters) or chosen in the search window.
class TPesquisaLista final : public TPesquisaCatalogo
{
public:
    TPesquisaLista();

protected:
    std::unique_ptr<TBasePresenter> newPresenter() override;
    void findObjectDto() override;
};

class TPesquisaCarencia final : public TPesquisaCatalogo
{
public:
    TPesquisaCarencia();
};

class TPesquisaServico final : public TPesquisaCatalogo
{
public:
    TPesquisaServico();
};

// Plans whose end date has passed are never offered.
class TPesquisaPlano final : public TPesquisaCatalogo
{
public:
    TPesquisaPlano();

protected:
    void beforeFillFrame() override;
};

class TPesquisaPessoa final : public TPesquisaCatalogo
{
public:
    TPesquisaPessoa();
};

class TPesquisaPessoaFalecido final : public TPesquisaCatalogo
{
public:
    TPesquisaPessoaFalecido();
};

class TPesquisaMotivo final : public TPesquisaCatalogo
{
public:
    TPesquisaMotivo();
};

class TPesquisaFuncao final : public TPesquisaCatalogo
{
public:
    TPesquisaFuncao();
};

class TPesquisaEquipe final : public TPesquisaCatalogo
{
public:
    TPesquisaEquipe();
};

class TPesquisaEspecialidade final : public TPesquisaCatalogo
{
public:
    TPesquisaEspecialidade();
};

class TPesquisaEmpresa final : public TPesquisaCatalogo
{
public:
    TPesquisaEmpresa();
};

class TPesquisaColaborador final : public TPesquisaCatalogo
{
public:
    TPesquisaColaborador();
};

class TPesquisaNumeroSorteio final : public TPesquisaCatalogo
{
public:
    TPesquisaNumeroSorteio();
};

class TPesquisaRelatorio final : public TPesquisaCatalogo
{
public:
    TPesquisaRelatorio();
};

class TPesquisaSeguradora final : public TPesquisaCatalogo
{
public:
    TPesquisaSeguradora();
};

class TPesquisaCarteira final : public TPesquisaCatalogo
{
public:
    TPesquisaCarteira();
};

// The class names known to the back end (the occurrence list's "Local da Alteração").
class TPesquisaClasses final : public TPesquisaCatalogo
{
public:
    TPesquisaClasses();

protected:
    std::unique_ptr<TBasePresenter> newPresenter() override;
};

class TPesquisaComissao final : public TPesquisaCatalogo
{
public:
    TPesquisaComissao();
};

class TPesquisaBanco final : public TPesquisaCatalogo
{
public:
    TPesquisaBanco();
};

class TPesquisaAgencia final : public TPesquisaCatalogo
{
public:
    TPesquisaAgencia();
};

class TPesquisaTipoDocumento final : public TPesquisaCatalogo
{
public:
    TPesquisaTipoDocumento();
};

class TPesquisaPlanoContas final : public TPesquisaCatalogo
{
public:
    TPesquisaPlanoContas();
};

// Active contracts only; the caption gives the contract's number.
class TPesquisaContrato final : public TPesquisaCatalogo
{
public:
    TPesquisaContrato();

protected:
    void instancePresenter() override;
    void afterFindObjectDto() override;
};

class TPesquisaConta final : public TPesquisaCatalogo
{
public:
    TPesquisaConta();
};

class TPesquisaConvenio final : public TPesquisaCatalogo
{
public:
    TPesquisaConvenio();
};

// The active members of the contract whose id is the fixed filter, never its holder.
class TPesquisaDependenteContratoSemTitular final : public TPesquisaCatalogo
{
public:
    TPesquisaDependenteContratoSemTitular();

protected:
    void instancePresenter() override;
    void beforeFillFrame() override;
};

class TPesquisaIntegracaoApiFinanceira final : public TPesquisaCatalogo
{
public:
    TPesquisaIntegracaoApiFinanceira();
};

class TPesquisaOrdemServico final : public TPesquisaCatalogo
{
public:
    TPesquisaOrdemServico();
};

// The caption gives the instalment's contract number.
class TPesquisaParcelaBaixaSimplificada final : public TPesquisaCatalogo
{
public:
    TPesquisaParcelaBaixaSimplificada();

protected:
    void afterFindObjectDto() override;
};

class TPesquisaUsuario final : public TPesquisaCatalogo
{
public:
    TPesquisaUsuario();
};

class TPesquisaVeiculo final : public TPesquisaCatalogo
{
public:
    TPesquisaVeiculo();
};

class TPesquisaCemiterioRua final : public TPesquisaCatalogo
{
public:
    TPesquisaCemiterioRua();
};

class TPesquisaCemiterioBloco final : public TPesquisaCatalogo
{
public:
    TPesquisaCemiterioBloco();
};

class TPesquisaCemiterioLocalTamanho final : public TPesquisaCatalogo
{
public:
    TPesquisaCemiterioLocalTamanho();
};
