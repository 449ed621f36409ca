#pragma once

#include "App.Base.Form.Cadastro.h"
#include "App.Lib.CEP.h"

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;
class TItemControl;

// Base of the geography windows that take part in the postal-code cascade (street, neighbourhood
// and city): each finds the level above from the public reply, or registers it on the spot in
// that level's window, which it fills from the reply. Every window works from its own copy of the
// reply, never from one that its owner lets go, and forgets it when its edit tab is cleared.
class TFormBaseCascataCEP : public TFormBaseCadastro
{
public:
    // The copy of the reply this window handed on to the window above; null when none (nothing
    // was handed on, or the edit tab was cleared since).
    const TCEP *Cep() const { return FCep ? &*FCep : nullptr; }

protected:
    using TFormBaseCadastro::TFormBaseCadastro;

    void afterClearForm() override;

    // One step of the cascade for the lookup edit of the level above. AFind looks the record up
    // by its natural key from the reply: one found becomes the edit's value (its lookup shows it
    // and runs the edit's callback), 0 leaves the edit as it is. When AFind raises (the back end
    // does not know the record, or could not be asked), this window keeps a copy of the reply
    // and opens the edit's registration window, which AFill fills from that copy; the record the
    // person saves there comes back into the edit. Any other failure is shown here. Main thread.
    void cascataCEP(TItemControl &AItemControl,
                    const TCEP &ACep,
                    const std::function<std::int64_t(const TCEP &ACep)> &AFind,
                    const std::function<void(QWidget *AForm, const TCEP &ACep)> &AFill);

private:
    std::optional<TCEP> FCep;
};
