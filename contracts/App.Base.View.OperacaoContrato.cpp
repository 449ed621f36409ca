#include "App.Base.View.OperacaoContrato.h"

#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SysUtils.h"

#include <QPointer>

TFormBaseViewOperacaoContrato::TFormBaseViewOperacaoContrato(const QString &AClassName,
                                                             QWidget *AParent)
    : TFormBaseView(AClassName, AParent)
{
    // The save button's strip at the bottom, the controls above it.
    auto *layoutGravar = new TLayout(LayoutControlsForm, QStringLiteral("LayoutGravar"));
    layoutGravar->setAlign(TAlignLayout::Bottom);
    layoutGravar->setHeight(67);

    RectangleGravar = new TRectangle(layoutGravar, QStringLiteral("RectangleGravar"));
    RectangleGravar->setAlign(TAlignLayout::Right);
    RectangleGravar->setSize(149, 51);
    RectangleGravar->setMargins(0, 8, 16, 8);
    RectangleGravar->setFillColor(0xFF3594C5);
    RectangleGravar->setStrokeColor(TAlphaColors::Null);
    RectangleGravar->setCursor(Qt::PointingHandCursor);
    RectangleGravar->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { RectangleGravarClick(); }); };

    LabelGravar = new TLabel(RectangleGravar, QStringLiteral("LabelGravar"));
    LabelGravar->setAlign(TAlignLayout::Client);
    LabelGravar->setHorzAlign(TTextAlign::Center);
    LabelGravar->setFontColor(TAlphaColors::White);
    LabelGravar->setFontSize(18);
    LabelGravar->setText(QStringLiteral("Gravar"));
    LabelGravar->setHitTest(false);

    LayoutCampos = new TLayout(LayoutControlsForm, QStringLiteral("LayoutCampos"));
    LayoutCampos->setAlign(TAlignLayout::Client);

    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

TFormBaseViewOperacaoContrato::~TFormBaseViewOperacaoContrato()
{
    // The bindings give the controls their own handlers back while the controls still exist.
    FPresenter.reset();
}

void TFormBaseViewOperacaoContrato::FormCreate()
{
    TFormBaseView::FormCreate();
    FPresenter = createPresenter();
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    FPresenter->ManagerControls().Clear();
}

QString TFormBaseViewOperacaoContrato::textoMemo(const TMemo &AMemo)
{
    if (AMemo.text().isEmpty())
        return QString();
    QString texto;
    for (const QString &linha : AMemo.lines())
        texto += linha + QStringLiteral("\r\n");
    return texto;
}

bool TFormBaseViewOperacaoContrato::confirmar(const QString &AOperacao)
{
    return TAppUtils::MessageSystem(
               Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { AOperacao }))
        == mrYes;
}

void TFormBaseViewOperacaoContrato::runOperacao(std::function<void()> AWork,
                                                std::function<void(bool AFalhou)> ADone)
{
    // Each operation keeps the wait screen it showed, so overlapping ones never close another's.
    auto overlay = std::make_shared<std::unique_ptr<TFormContainer>>();
    auto falhou = std::make_shared<bool>(false);
    const QPointer<TFormBaseViewOperacaoContrato> self(this);
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
        [work = std::move(AWork), falhou] {
            try {
                work();
            } catch (const std::exception &) {
                *falhou = true;
                TAppUtils::MessageSystem(
                    ExceptionMessage(std::current_exception(), QStringLiteral("ERROR:")));
            }
        },
        [overlay, self, falhou, done = std::move(ADone)](bool AError) {
            if (self) {
                self->AniIndicatorLoading->setEnabled(false);
                self->AniIndicatorLoading->setVisible(false);
                self->AniIndicatorLoading->lower();
            }
            overlay->reset();
            if (self && done)
                done(AError || *falhou);
        },
        [](const TWorkerThread &sender) {
            TAppUtils::HandleTerminateThread(sender.FatalException());
        },
        [](const QString &message) { TAppUtils::UtilsException(message); });
}
