#pragma once

#include "App.Base.Form.View.h"

#include <QImage>
#include <QString>

class TImage;

// The member's device-release text as a QR code for the member app to read; a click on the
// code copies the text.
class TFormSubViewQrCode final : public TFormBaseView
{
public:
    explicit TFormSubViewQrCode(QWidget *AParent = nullptr);

    // The side in pixels the code is drawn at, whatever its number of modules.
    static constexpr int TamanhoImagem = 1024;

    TImage *ImageQRCode;

    // The text shown as QR code.
    QString Conteudo;

    // The code's picture, one pixel a module (quiet zone included): drawn stretched over the
    // whole image.
    void SetQRCodeBitmap(const QImage &AValue);
    const QImage &QRCodeBitmap() const { return FQRCodeBitmap; }

    void ImageQRCodePaint();
    // Puts Conteudo on the clipboard and tells so at the bottom.
    void ImageQRCodeClick();

    // The text encoded as QR code in ISO-8859-1 with a quiet zone of 4 modules: one opaque black
    // or white pixel a module. Raises when the text does not fit a QR code.
    static QImage GerarQRCodeBitmap(const QString &AConteudo);

private:
    QImage FQRCodeBitmap;
};
