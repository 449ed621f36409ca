#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PlanoContas.h"
#include "Common.Dto.PlanoContas.h"
#include "Common.Entity.PlanoContas.h"

// The chart of accounts: its window and its lookup (which hands its type code on as the fixed
// filter of the list requests) list TPlanoContasDto rows through it.
class TPlanoContasPresenter final
    : public TCadastroPresenterOf<TPlanoContasEntity, TPlanoContasDto, TPlanoContasService>
{
public:
    TPlanoContasPresenter();
};
