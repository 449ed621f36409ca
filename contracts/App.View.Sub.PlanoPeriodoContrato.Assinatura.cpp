#include "App.View.Sub.PlanoPeriodoContrato.Assinatura.h"

#include "App.Lib.Utils.h"
#include "App.Presenter.PlanoPeriodoContrato.h"
#include "Common.Lib.Utils.h"

#include "Desktop.h"
#include "FormatSettings.h"
#include "Image.h"
#include "Label.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Windows1252.h"

#include <QBuffer>
#include <QImage>

ZUNTA_REGISTER_FORM(TFormSubViewPlanoPeriodoContratoAssinatura)

TFormSubViewPlanoPeriodoContratoAssinatura::TFormSubViewPlanoPeriodoContratoAssinatura(
    QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewPlanoPeriodoContratoAssinatura"), AParent)
{
    setWindowTitle(QStringLiteral("ASSINATURA NO PLANO"));
    resize(640, 420);

    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });
    RectangleExcluir
        = new TRectangle(RectangleGravar->parentWidget(), QStringLiteral("RectangleExcluir"));
    RectangleExcluir->setAlign(TAlignLayout::Left);
    RectangleExcluir->setSize(149, 51);
    RectangleExcluir->setMargins(16, 8, 0, 8);
    RectangleExcluir->setFillColor(0xFFC0392B);
    RectangleExcluir->setStrokeColor(TAlphaColors::Null);
    RectangleExcluir->setCursor(Qt::PointingHandCursor);
    RectangleExcluir->OnClick = [this](QObject *) { RectangleExcluirClick(); };
    LabelExcluir = new TLabel(RectangleExcluir, QStringLiteral("LabelExcluir"));
    LabelExcluir->setAlign(TAlignLayout::Client);
    LabelExcluir->setHorzAlign(TTextAlign::Center);
    LabelExcluir->setFontColor(TAlphaColors::White);
    LabelExcluir->setFontSize(18);
    LabelExcluir->setText(QStringLiteral("Excluir"));
    LabelExcluir->setHitTest(false);

    RectangleAssinatura = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleAssinatura"));
    RectangleAssinatura->setAlign(TAlignLayout::Client);
    RectangleAssinatura->setMargins(16, 16, 16, 0);
    RectangleAssinatura->setFillColor(TAlphaColors::White);
    ImageAssinatura = new TImage(RectangleAssinatura, QStringLiteral("ImageAssinatura"));
    ImageAssinatura->setAlign(TAlignLayout::Client);
    ImageAssinatura->setToolTip(QStringLiteral("Clique para alterar a imagem..."));
    ImageAssinatura->setCursor(Qt::PointingHandCursor);
    ImageAssinatura->OnClick = [this](QObject *) { ImageAssinaturaClick(); };
}

TFormSubViewPlanoPeriodoContratoAssinatura &
TFormSubViewPlanoPeriodoContratoAssinatura::SetPresenter(TBasePresenter *AValue)
{
    m_presenter = AValue;
    return *this;
}

TFormSubViewPlanoPeriodoContratoAssinatura &
TFormSubViewPlanoPeriodoContratoAssinatura::SetAssinatura(const QString &AValue)
{
    m_assinatura = AValue;
    return *this;
}

TFormSubViewPlanoPeriodoContratoAssinatura &
TFormSubViewPlanoPeriodoContratoAssinatura::SetIdPlanoPeriodoContrato(std::int64_t AValue)
{
    m_idPlanoPeriodoContrato = AValue;
    return *this;
}

TFormSubViewPlanoPeriodoContratoAssinatura &TFormSubViewPlanoPeriodoContratoAssinatura::Execute()
{
    if (!m_assinatura.isEmpty()) {
        QImage picture;
        picture.loadFromData(QByteArray::fromBase64(m_assinatura.toLatin1()));
        ImageAssinatura->setBitmap(picture);
    }
    return *this;
}

void TFormSubViewPlanoPeriodoContratoAssinatura::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionRemover(RectangleExcluir);
    AddPermissionInserir(RectangleGravar);
}

bool TFormSubViewPlanoPeriodoContratoAssinatura::IsExtensaoAceita(const QString &AFileName)
{
    const QString nome = AFileName.toLower();
    return nome.endsWith(QLatin1String(".jpg")) || nome.endsWith(QLatin1String(".jpeg"))
        || nome.endsWith(QLatin1String(".png"));
}

void TFormSubViewPlanoPeriodoContratoAssinatura::ImageAssinaturaClick()
{
    const QString arquivo = TFileDialogs::Current().OpenFileName(
        this, QString(), QString(), QStringLiteral("Imagens (*.jpg *.jpeg *.png)"));
    if (arquivo.isEmpty())
        return;
    QImage picture;
    // A name alone does not make a picture: the file must also decode as one.
    if (!IsExtensaoAceita(arquivo) || !picture.load(arquivo)) {
        TAppUtils::MessageSystem(QStringLiteral(
            "WARNING:Extensão de arquivo inválido.\r\nFormatos aceitos: .jpg, .jpeg e .png"));
        return;
    }
    ImageAssinatura->setBitmap(picture);
}

void TFormSubViewPlanoPeriodoContratoAssinatura::RectangleGravarClick()
{
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar a %s?"),
                                        { QStringLiteral("alteração da assinatura") }))
        != mrYes)
        return;
    auto *planos = dynamic_cast<TPlanoPeriodoContratoPresenter *>(m_presenter);
    if (!planos)
        return;
    QImage picture = ImageAssinatura->bitmap();
    TUtils::GetImageResizeAndCompress(picture, 500);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    if (planos->PostAssinatura(m_idPlanoPeriodoContrato, FromWindows1252(bytes)))
        SpeedButtonClose->OnClick(SpeedButtonClose);
}

void TFormSubViewPlanoPeriodoContratoAssinatura::RectangleExcluirClick()
{
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar a %s?"),
                                        { QStringLiteral("exclusão da assinatura") }))
        != mrYes)
        return;
    auto *planos = dynamic_cast<TPlanoPeriodoContratoPresenter *>(m_presenter);
    if (planos && planos->DeleteAssinatura(m_idPlanoPeriodoContrato))
        SpeedButtonClose->OnClick(SpeedButtonClose);
}
