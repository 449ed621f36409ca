#include "App.Lib.CascataCEP.h"

#include "App.Lib.Exception.h"
#include "App.Lib.ItemControl.h"

#include <QString>

void cascataCEP(TItemControl &AItemControl,
                const std::function<std::int64_t()> &AFind,
                const std::function<void(QWidget *AForm)> &AFill)
{
    TDravikHandleException::Guard([&] {
        std::int64_t id = 0;
        bool desconhecido = false;
        try {
            id = AFind();
        } catch (...) {
            // The back end answers a key it does not know with its warning text.
            desconhecido = true;
        }
        if (desconhecido)
            AItemControl.ClickButtonCadastro(AFill);
        else if (id != 0)
            AItemControl.SetValueControl(QString::number(id));
    });
}
