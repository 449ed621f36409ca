#include "App.Base.Form.CascataCEP.h"

#include "App.Lib.Exception.h"
#include "App.Lib.ItemControl.h"

#include <QString>

void TFormBaseCascataCEP::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FCep.reset();
}

void TFormBaseCascataCEP::cascataCEP(
    TItemControl &AItemControl,
    const TCEP &ACep,
    const std::function<std::int64_t(const TCEP &ACep)> &AFind,
    const std::function<void(QWidget *AForm, const TCEP &ACep)> &AFill)
{
    TDravikHandleException::Guard([&] {
        // Copied first: ACep may belong to a window or a lookup that lets it go meanwhile.
        const TCEP cep = ACep;
        std::int64_t id = 0;
        bool desconhecido = false;
        try {
            id = AFind(cep);
        } catch (...) {
            // The back end answers a key it does not know with its warning text.
            desconhecido = true;
        }
        if (desconhecido) {
            FCep = cep;
            AItemControl.ClickButtonCadastro([this, &AFill](QWidget *AForm) {
                if (FCep)
                    AFill(AForm, *FCep);
            });
        } else if (id != 0) {
            AItemControl.SetValueControl(QString::number(id));
        }
    });
}
