#pragma once

#include "Common.Base.Types.h"

#include <QString>

// The settlement dialog of marked instalments ("Baixa Financeira", class
// TFormSubViewBaixaFinanceira, a TFormBaseView). The title window creates it by class name,
// hands it the marked instalments and the title type they share, lets it prepare itself and
// shows it maximised in a TFormContainer; once it is closed the caller reads whether the
// settlement was done and frees it.
class IFormSubViewBaixaFinanceira
{
public:
    virtual ~IFormSubViewBaixaFinanceira() = default;

    // The instalment ids to settle and their title type code ("R" or "D"; empty for none).
    virtual void SetParcelasBaixa(const TListInt64 &AIdsParcelaTitulo, const QString &ATipoTitulo)
        = 0;
    // Reads the instalments before the dialog shows; an empty selection raises its warning.
    virtual void PrepararBaixa() = 0;
    // The settlement was saved while the dialog showed.
    virtual bool BaixaRealizada() const = 0;
};
