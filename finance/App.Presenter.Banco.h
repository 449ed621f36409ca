#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Banco.h"
#include "Common.Dto.Banco.h"
#include "Common.Entity.Banco.h"

// The banks: the bank window and the bank lookup list TBancoDto rows through it.
class TBancoPresenter final : public TCadastroPresenterOf<TBancoEntity, TBancoDto, TBancoService>
{
public:
    TBancoPresenter();
};
