#pragma once

#include "App.Adapter.Frame.Contato.h"

class TSpeedButton;

// A contact of a contract member with the member-app actions: mark the web password for reset,
// copy the device-release text, show it as a QR code. Each button hands the row to its
// procedure when one is set.
class TDependenteContratoContatoFrameAdapter final : public TContatoFrameAdapter
{
    Q_OBJECT

public:
    explicit TDependenteContratoContatoFrameAdapter(QWidget *AOwner = nullptr,
                                                    const QString &name = {});

    TSpeedButton *ButtonResetarSenha;
    TSpeedButton *ButtonCopiarToken;
    TSpeedButton *ButtonQrCode;

    TProcFrame ProcQRCode;
    TProcFrame ProcCopiarToken;
    TProcFrame ProcResetarSenha;
};
