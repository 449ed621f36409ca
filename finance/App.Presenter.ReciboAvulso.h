#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ReciboAvulso.h"
#include "Common.Dto.ReciboAvulso.h"
#include "Common.Entity.ReciboAvulso.h"

#include <cstdint>

// The stand-alone receipts: the receipt window lists TReciboAvulsoDto rows through it, saves with
// the plain post and prints a receipt through the billing report window.
class TReciboAvulsoPresenter final
    : public TCadastroPresenterOf<TReciboAvulsoEntity, TReciboAvulsoDto, TReciboAvulsoService>
{
public:
    TReciboAvulsoPresenter();

    // The town of the company chosen at login: 0 when none is chosen, when the back end gives
    // the company no town, or when asking fails (the window then proposes no town).
    std::int64_t GetIdMunicipioEmpresaLogado();
    // Prints the receipt through the billing report window, created by class name and freed
    // afterwards. Raises "WARNING:O formulário TFormCobrancaFilterReport não está disponível."
    // when no such window is registered, and passes on the report's own failures.
    void PrintReportReciboAvulso(std::int64_t AId);
};
