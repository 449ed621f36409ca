#pragma once

#include "App.Base.Service.h"

#include <optional>

class TMenuSistemaDto;

// Reads the menus the back end keeps per user (/menu-sistema). Rows come in the back end's
// order, never sorted: the main window builds its top menus and items from them as received.
class TMenuSistemaService final : public TBaseService
{
public:
    TMenuSistemaService();

    // The logged-in user's rows ("id-usuario"), first page of at most 100. No list for a 304, a
    // reply that is not JSON or one without a "listHelper" array; an empty array gives an empty
    // list. Only a missing reply raises ("ERROR:Servidor indisponível no momento.").
    std::optional<TObjectList<TMenuSistemaDto>> getMenuSistema();
    // The top menus (/menu-sistema/menu-superior), same paging and outcomes, for any user.
    std::optional<TObjectList<TMenuSistemaDto>> getMenuSuperior();

private:
    std::optional<TObjectList<TMenuSistemaDto>> readRows(const QString &AResource);
};
