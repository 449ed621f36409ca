#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FormularioPerfilPermissao.h"
#include "Common.Dto.FormularioPerfilPermissao.h"
#include "Common.Entity.FormularioPerfilPermissao.h"

#include <array>
#include <cstdint>

// The permission rows of the profile window: one row per window of the system with the profile's
// eight flags, read at once for the profile IdPrincipal and then only filtered and changed in the
// table (main thread), until the profile presenter's save sends them. The row actions of the
// window are the functions below, each finding its row by ID_FORMULARIO among the rows the
// current filter shows.
class TFormularioPerfilPermissaoPresenter final
    : public TCadastroPresenterOf<TFormularioPerfilPermissaoEntity,
                                  TFormularioPerfilPermissaoDto,
                                  TFormularioPerfilPermissaoService>
{
public:
    // The flag columns in the order of the row's check boxes.
    static constexpr std::size_t FlagCount = 8;
    using TFlags = std::array<bool, FlagCount>;
    static const std::array<QString, FlagCount> &FlagColumns();

    TFormularioPerfilPermissaoPresenter();

    // The table's local filter, put on whenever the rows are built from the table.
    void SetFiltersDataSet(const QString &AValue) { m_filtersDataSet = AValue; }
    // The filter of a chosen top menu (0: none chosen) and a typed window name (empty: none):
    // "ID_MENU_SUPERIOR = 5 and  FORMULARIO like '%CAD%'"; the empty text for neither.
    static QString FilterText(std::int64_t AIdMenuSuperior, const QString &AFormulario);

    // The row's flags as they stand.
    TFlags Flags(std::int64_t AIdFormulario);
    // The eight flags of the window's row.
    void SetFlags(std::int64_t AIdFormulario, const TFlags &AFlags);
    // Every flag of the row := not its INSERIR.
    void ToggleFlags(std::int64_t AIdFormulario);
    // The row loses its stored id and every flag; answers the stored id it had (0 for none),
    // which the window adds to its remove list.
    std::int64_t ClearRow(std::int64_t AIdFormulario);
    // Every row the current filter shows gets all eight flags.
    void MarcarTodas();

protected:
    // Empties the table first: a failed or empty read must not leave the rows of the profile
    // shown before, which the next save would send as this profile's.
    void loadRows() override;
    void SetFilterDefault() override;

private:
    // Puts the table on the window's row; false when the filter hides it or there is none.
    bool locate(std::int64_t AIdFormulario);
    void writeFlags(const TFlags &AFlags);

    QString m_filtersDataSet;
};
