#include "App.View.Sub.QrCode.h"

#include "App.Lib.Utils.h"

#include "Align.h"
#include "Desktop.h"
#include "Image.h"
#include "SysUtils.h"

#include <QPainter>

#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <exception>

ZUNTA_REGISTER_FORM(TFormSubViewQrCode)

TFormSubViewQrCode::TFormSubViewQrCode(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewQrCode"), AParent)
{
    setWindowTitle(QStringLiteral("QR CODE"));
    resize(560, 620);
    ImageQRCode = new TImage(LayoutControlsForm, QStringLiteral("ImageQRCode"));
    ImageQRCode->setAlign(TAlignLayout::Client);
    ImageQRCode->setWrapMode(TImageWrapMode::Fit);
    ImageQRCode->setCursor(Qt::PointingHandCursor);
    ImageQRCode->OnClick = [this](QObject *) { ImageQRCodeClick(); };
}

void TFormSubViewQrCode::SetQRCodeBitmap(const QImage &AValue)
{
    FQRCodeBitmap = AValue;
    ImageQRCodePaint();
}

void TFormSubViewQrCode::ImageQRCodePaint()
{
    // Drawn once per picture at the fixed size; the image control fits it to its box.
    QImage imagem(TamanhoImagem, TamanhoImagem, QImage::Format_ARGB32);
    imagem.fill(QColor(0xFF, 0xFF, 0xFF, 0xFF));
    if (!FQRCodeBitmap.isNull()) {
        QPainter painter(&imagem);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRect(0, 0, TamanhoImagem, TamanhoImagem), FQRCodeBitmap);
    }
    ImageQRCode->setBitmap(imagem);
}

void TFormSubViewQrCode::ImageQRCodeClick()
{
    TClipboard::Current().SetText(Conteudo);
    ShowMessageBottom(QStringLiteral("Copiado para área de transferência"), 1500);
}

QImage TFormSubViewQrCode::GerarQRCodeBitmap(const QString &AConteudo)
{
    ZXing::BitMatrix matriz;
    try {
        ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
        writer.setEncoding(ZXing::CharacterSet::ISO8859_1);
        writer.setMargin(4);
        // Width and height 0: the code's own size, one pixel a module.
        matriz = writer.encode(AConteudo.toStdWString(), 0, 0);
    } catch (const std::exception &AErro) {
        throw Exception(QStringLiteral("ERROR:") + QString::fromUtf8(AErro.what()));
    }
    QImage bitmap(matriz.width(), matriz.height(), QImage::Format_ARGB32);
    for (int y = 0; y < matriz.height(); ++y)
        for (int x = 0; x < matriz.width(); ++x)
            bitmap.setPixel(x, y, matriz.get(x, y) ? 0xFF000000u : 0xFFFFFFFFu);
    return bitmap;
}
