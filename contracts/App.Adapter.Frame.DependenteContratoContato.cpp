#include "App.Adapter.Frame.DependenteContratoContato.h"

#include "SpeedButton.h"

TDependenteContratoContatoFrameAdapter::TDependenteContratoContatoFrameAdapter(QWidget *AOwner,
                                                                               const QString &name)
    : TContatoFrameAdapter(AOwner, name)
{
    const auto button = [this](const char *AName, const char *AText, TProcFrame &AProc) {
        TSpeedButton *button = AddButton(QLatin1String(AName), QString(), [this, &AProc] {
            if (AProc)
                AProc(this);
        });
        button->setText(QString::fromUtf8(AText));
        button->setWidth(110);
        return button;
    };
    // Added right to left: "Resetar Senha" stands first.
    ButtonQrCode = button("ButtonQrCode", "QR Code", ProcQRCode);
    ButtonCopiarToken = button("ButtonCopiarToken", "Copiar Token", ProcCopiarToken);
    ButtonResetarSenha = button("ButtonResetarSenha", "Resetar Senha", ProcResetarSenha);
    // Editing, removing and viewing the contact belong to the person window, not to this list.
    for (TSpeedButton *herdado : { SpeedButtonEdit, SpeedButtonRemove, SpeedButtonView })
        herdado->setVisible(false);
    LayoutButtons->setWidth(LayoutButtons->width() + 3 * 110);
}
