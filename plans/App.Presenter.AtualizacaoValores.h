#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.AtualizacaoValores.h"
#include "Common.Dto.AtualizacaoValores.h"

#include <cstdint>
#include <memory>
#include <optional>

// The list of a bulk price update: one table row per plan or service being updated, filled by
// the window (never by a list request) and sent as one request. A row is in edit (EM_EDICAO) from
// when it is added until it is saved, and a run waits until no row is.
class TAtualizacaoValoresPresenter : public TSubCadastroPresenterOf<TBaseEntity,
                                                                    TAtualizacaoValoresDto,
                                                                    TAtualizacaoValoresService>
{
public:
    // "planos" or "servicos".
    const QString &ResourcePath() const { return FResourcePath; }

    // Every record of the back end as rows of the kind's class; no list for 304 or no JSON.
    std::optional<TObjectList<TAtualizacaoValoresDto>> GetList();
    // One record as a row of the kind's class; null for 304 or no JSON.
    std::unique_ptr<TAtualizacaoValoresDto> GetById(std::int64_t AId);

    // A new, empty row record of the kind's class.
    std::unique_ptr<TAtualizacaoValoresDto> NovoRegistro() const;

    // Whether a row with that ID is listed.
    bool Listado(std::int64_t AId);
    // Appends the record as a row in edit; false, adding nothing, when its ID is already listed.
    bool addRegistro(const TAtualizacaoValoresDto &ARegistro);
    // Removes the row with that ID and runs ProcReloadDados; "WARNING:Informações não
    // localizadas." when there is none.
    void RemoverAtualizacao(std::int64_t AId);

    // The main-thread half of a run: refuses a list with a row in edit, then builds the request
    // from the table and ANaoListados (the row for every record not listed, sent with Id 0 and
    // never put in the table) and refuses an empty one. The table is not touched.
    void PrepararAtualizacaoValores(std::unique_ptr<TAtualizacaoValoresDto> ANaoListados = {});
    // The worker half: posts what PrepararAtualizacaoValores built and empties it, also when the
    // post is refused (its text is raised). Touches neither table nor controls.
    void PostAtualizacaoValores();
    // Both halves at once.
    void ExecutaAtualizacaoValores(std::unique_ptr<TAtualizacaoValoresDto> ANaoListados = {});

    // What the next post sends; empty between runs.
    const TObjectList<TAtualizacaoValoresDto> &ListDto() const { return FListDto; }

protected:
    TAtualizacaoValoresPresenter(const QString &AClassName, const QString &AResourcePath);

    void CreateExtraFields() override;
    // The table's rows into FListDto, as the kind's class.
    virtual void fillListDto() = 0;
    virtual const TClassInfo &RowClass() const = 0;
    // The kind's own columns of a new row from the record.
    virtual void fillRegistroColumns(const TAtualizacaoValoresDto &ARegistro) { (void)ARegistro; }

    QString FResourcePath;
    TObjectList<TAtualizacaoValoresDto> FListDto;
};
