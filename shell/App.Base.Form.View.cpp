#include "App.Base.Form.View.h"

#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Common.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <memory>

TFormBaseView::TFormBaseView(const QString &AClassName, QWidget *AParent)
    : TFormBase(AClassName, AParent)
    , m_timerMessageBottom(new QTimer(this))
{
    setWindowTitle(QStringLiteral("TITULO"));
    resize(861, 511);
    InstallAlignLayout(this);

    RectanglePrincipal = new TRectangle(this, QStringLiteral("RectanglePrincipal"));
    RectanglePrincipal->setAlign(TAlignLayout::Client);
    RectanglePrincipal->setRadius(5, 5);
    RectanglePrincipal->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    SetPadding(RectanglePrincipal, QMargins(1, 1, 1, 1));

    VertScrollBoxForm = new TVertScrollBox(RectanglePrincipal, QStringLiteral("VertScrollBoxForm"));
    VertScrollBoxForm->setAlign(TAlignLayout::Client);

    LayoutBackground
        = new TLayout(VertScrollBoxForm->content(), QStringLiteral("LayoutBackground"));
    LayoutBackground->setAlign(TAlignLayout::Client);

    RectangleTitle = new TRectangle(LayoutBackground, QStringLiteral("RectangleTitle"));
    RectangleTitle->setHeight(35);
    RectangleTitle->setAlign(TAlignLayout::Top);
    RectangleTitle->setStrokeColor(TAlphaColors::Null);
    RectangleTitle->setRadius(5, 5);
    RectangleTitle->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);

    LabelTitleForm = new TLabel(RectangleTitle, QStringLiteral("LabelTitleForm"));
    LabelTitleForm->setAlign(TAlignLayout::Contents);
    LabelTitleForm->setHorzAlign(TTextAlign::Center);
    LabelTitleForm->setFontColor(TAlphaColors::White);
    LabelTitleForm->setFontSize(20);
    LabelTitleForm->setText(QStringLiteral("TÍTULO"));

    SpeedButtonClose = new TSpeedButton(RectangleTitle, QStringLiteral("SpeedButtonClose"));
    SpeedButtonClose->setSize(44, 35);
    SpeedButtonClose->setAlign(TAlignLayout::Right);
    SpeedButtonClose->setStyleLookup(QStringLiteral("stoptoolbutton"));
    SpeedButtonClose->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonClose->setImageIndex(0);
    SpeedButtonClose->OnClick = [this](QObject *) { ExecuteProcCloseForm(); };

    LayoutControlsForm = new TLayout(LayoutBackground, QStringLiteral("LayoutControlsForm"));
    LayoutControlsForm->setAlign(TAlignLayout::Client);

    AniIndicatorLoading
        = new TAniIndicator(LayoutControlsForm, QStringLiteral("AniIndicatorLoading"));
    AniIndicatorLoading->setAlign(TAlignLayout::Center);
    AniIndicatorLoading->setEnabled(false);

    RectangleMessageBottom
        = new TRectangle(RectanglePrincipal, QStringLiteral("RectangleMessageBottom"));
    RectangleMessageBottom->setSize(122, 20);
    RectangleMessageBottom->setFillColor(TAlphaColors::Black);
    RectangleMessageBottom->setOpacity(0.8);
    RectangleMessageBottom->setStrokeColor(TAlphaColors::Null);
    RectangleMessageBottom->setRadius(5, 5);

    LabelMessageBottom = new TLabel(RectangleMessageBottom, QStringLiteral("LabelMessageBottom"));
    LabelMessageBottom->setAlign(TAlignLayout::Client);
    LabelMessageBottom->setMargins(5, 0, 5, 0);
    LabelMessageBottom->setFontSize(10);
    LabelMessageBottom->setFontColor(TAlphaColors::White);
    LabelMessageBottom->setHorzAlign(TTextAlign::Center);

    // Docked into the main window or hosted by the container, these stay this window's.
    MarkPartOf(RectanglePrincipal);
    MarkPartOf(LayoutBackground);

    m_timerMessageBottom->setSingleShot(true);
    connect(m_timerMessageBottom, &QTimer::timeout, this, [this] {
        RectangleMessageBottom->setVisible(false);
    });
}

TFormBaseView::~TFormBaseView()
{
    if (TApplicationZunta *application = TApplicationZunta::FindInstance())
        application->ForgetForm(this);
    // A docked RectanglePrincipal or a hosted LayoutBackground is another window's child now;
    // RectanglePrincipal holds LayoutBackground only while it is not hosted.
    const QPointer<TLayout> background = LayoutBackground;
    if (RectanglePrincipal && RectanglePrincipal->parentWidget() != this)
        RectanglePrincipal->setParent(this);
    if (background && !isAncestorOf(background))
        delete background.data();
}

void TFormBaseView::FormCreate()
{
    TFormBase::FormCreate();
    LabelTitleForm->setText(windowTitle().toUpper());
    RectangleMessageBottom->setVisible(false);
}

void TFormBaseView::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();
    RectangleTitle->setFillColor(color.PrimaryColor);
    RectanglePrincipal->setFillColor(color.BackgroundColor2);
    RectanglePrincipal->setStrokeColor(color.SecondaryColor);
    RectanglePrincipal->setStrokeThickness(1);
    LabelTitleForm->setTextFont(fonts.TitleWindow());
    LabelTitleForm->setFontColor(color.SecondaryColor);
    RectangleMessageBottom->setFillColor(color.PrimaryColor);
    LabelMessageBottom->setTextFont(fonts.PrimaryFont());
    LabelMessageBottom->setFontColor(color.TextSecondaryColor);
    LabelMessageBottom->setFontSize(10);
    LabelMessageBottom->setFontBold(true);
}

void TFormBaseView::CloseForm()
{
    TFormBase::CloseForm();
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    if (application.FormOpened(ClassName()) == this)
        application.VisibleFirstFormOpened(ClassName());
}

void TFormBaseView::ReleasePrincipal()
{
    if (RectanglePrincipal && RectanglePrincipal->parentWidget() != this)
        SetParentControl(RectanglePrincipal, this);
    if (TApplicationZunta *application = TApplicationZunta::FindInstance())
        application->ForgetForm(this);
}

void TFormBaseView::ShowMessageBottom(const QString &AText, int AMilliseconds)
{
    LabelMessageBottom->setText(AText);
    const QFontMetrics metrics(LabelMessageBottom->font());
    RectangleMessageBottom->setWidth(metrics.horizontalAdvance(AText) + 20);
    RectangleMessageBottom->setAlign(TAlignLayout::Center);
    RectangleMessageBottom->setVisible(true);
    RectangleMessageBottom->raise();
    RectanglePrincipal->update();
    // On screen at once: the callers copy to the clipboard and stop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_timerMessageBottom->start(AMilliseconds);
}

void TFormBaseView::RunLongAction(std::function<void()> AWork, std::function<void()> ADone)
{
    RunLongActionThen(std::move(AWork), [done = std::move(ADone)](bool AFailed) {
        if (!AFailed && done)
            done();
    });
}

void TFormBaseView::RunLongActionThen(std::function<void()> AWork,
                                      std::function<void(bool AFailed)> ADone)
{
    // Each action keeps the overlay it showed, so overlapping actions never close another's.
    auto overlay = std::make_shared<std::unique_ptr<TFormContainer>>();
    const QPointer<TFormBaseView> self(this);
    TUtils::CustomThread(
        [overlay, self] {
            *overlay = TFormContainer::New();
            (*overlay)->Execute();
            if (self) {
                self->AniIndicatorLoading->raise();
                self->AniIndicatorLoading->setEnabled(true);
                self->AniIndicatorLoading->setVisible(true);
            }
        },
        std::move(AWork),
        [overlay, self, done = std::move(ADone)](bool AError) {
            if (self) {
                self->AniIndicatorLoading->setEnabled(false);
                self->AniIndicatorLoading->setVisible(false);
                self->AniIndicatorLoading->lower();
            }
            overlay->reset();
            if (self && done)
                done(AError);
        },
        [](const TWorkerThread &sender) {
            TAppUtils::HandleTerminateThread(sender.FatalException());
        },
        [](const QString &message) { TAppUtils::UtilsException(message); });
}

TRectangle *TFormBaseView::AddGravarButton(TLabel *&ALabel, std::function<void()> AClick)
{
    return AddBottomButton(
        QStringLiteral("Gravar"), QStringLiteral("Gravar"), ALabel, std::move(AClick));
}

TRectangle *TFormBaseView::AddBottomButton(const QString &AName,
                                           const QString &ACaption,
                                           TLabel *&ALabel,
                                           std::function<void()> AClick)
{
    auto *layout = new TLayout(LayoutControlsForm, QStringLiteral("Layout") + AName);
    layout->setAlign(TAlignLayout::Bottom);
    layout->setHeight(67);

    auto *button = new TRectangle(layout, QStringLiteral("Rectangle") + AName);
    button->setAlign(TAlignLayout::Right);
    button->setSize(149, 51);
    button->setMargins(0, 8, 16, 8);
    button->setFillColor(0xFF3594C5);
    button->setStrokeColor(TAlphaColors::Null);
    button->setCursor(Qt::PointingHandCursor);
    button->OnClick = [click = std::move(AClick)](QObject *) {
        TDravikHandleException::Guard([&click] { click(); });
    };

    ALabel = new TLabel(button, QStringLiteral("Label") + AName);
    ALabel->setAlign(TAlignLayout::Client);
    ALabel->setHorzAlign(TTextAlign::Center);
    ALabel->setFontColor(TAlphaColors::White);
    ALabel->setFontSize(18);
    ALabel->setText(ACaption);
    ALabel->setHitTest(false);
    return button;
}
