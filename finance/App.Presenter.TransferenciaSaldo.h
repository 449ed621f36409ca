#pragma once

#include "App.Base.Presenter.h"
#include "Common.Dto.TransferenciaSaldo.h"

#include <memory>

// A balance transfer between two accounts: the dialog fills TransferenciaSaldoDto and sends it
// through the movement service. No record, no list and no service of its own.
class TTransferenciaSaldoPresenter final : public TBasePresenter
{
public:
    TTransferenciaSaldoPresenter();

    TTransferenciaSaldoDto &TransferenciaSaldoDto() { return *m_transferenciaSaldoDto; }

    // The checks on a filled record, made before any question (after the required fields):
    // the value must be above 0 and the destination must differ from the origin. The first
    // that fails raises its "WARNING:" text.
    static void ValidarTransferencia(const TTransferenciaSaldoDto &ADto);

    // Sends the record through a movement service of its own (token renewed first). A status
    // other than 200 raises the reply's text; on 200 the back end's message is shown. Any
    // thread.
    void postTransferenciaSaldo();

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;

private:
    std::unique_ptr<TTransferenciaSaldoDto> m_transferenciaSaldoDto
        = std::make_unique<TTransferenciaSaldoDto>();
};
