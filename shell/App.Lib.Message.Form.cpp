#include "App.Lib.Message.Form.h"

#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "SpeedButton.h"
#include "StyleIcons.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// The form's design size, whose height is what the dialog's growth rule measures.
constexpr QSize DesignSize(640, 480);
constexpr int DialogWidth = 550;
constexpr int DialogHeight = 300;
constexpr int TitleBarHeight = 153;
constexpr int ButtonBarHeight = 50;
constexpr int MessageMargin = 5;
// The dialog's growth rule divides by this.
constexpr double GrowthDivisor = 1.7;

QImage signPicture(char16_t glyph)
{
    // The pictures are drawn at 458 x 458 and shown at 103 x 103.
    return GlyphPixmap(glyph, 458, TAlphaColors::White).toImage();
}

QRect messageWorkArea()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(QPoint(0, 0), DesignSize);
}

TImage *makeSign(TRectangle *parent, const QString &name, char16_t glyph)
{
    auto *image = new TImage(parent, name);
    image->setGeometry(439, 25, 103, 103);
    image->setMargins(8, 25, 8, 25);
    image->setOpacity(0.1);
    image->setBitmap(signPicture(glyph));
    image->setHitTest(false);
    return image;
}

TSpeedButton *makeMessageButton(TLayout *parent,
                                const QString &name,
                                const QString &text,
                                const QString &style,
                                int modalResult)
{
    auto *button = new TSpeedButton(parent, name);
    button->setSize(80, 45);
    button->setAlign(TAlignLayout::Right);
    button->setMargins(0, 0, 5, 5);
    button->setText(text);
    button->setStyleLookup(style);
    button->setModalResult(modalResult);
    return button;
}

} // namespace

QString MessageTypeTitle(TMessageType kind)
{
    switch (kind) {
    case TMessageType::mtInformation:
        return QStringLiteral("Aviso");
    case TMessageType::mtQuestion:
        return QStringLiteral("Confirmação");
    case TMessageType::mtError:
        return QStringLiteral("Erro");
    case TMessageType::mtSuccess:
        break;
    }
    return QStringLiteral("Informação");
}

std::unique_ptr<TFormMessage> TFormMessage::New()
{
    return std::unique_ptr<TFormMessage>(new TFormMessage);
}

TFormMessage::TFormMessage()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormMessage"));
    setWindowTitle(QStringLiteral("Mensagem"));
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    InstallAlignLayout(this);
    resize(DesignSize);

    LayoutPrincipal = new TLayout(this, QStringLiteral("LayoutPrincipal"));
    LayoutPrincipal->setAlign(TAlignLayout::Client);

    RectangleBackground = new TRectangle(LayoutPrincipal, QStringLiteral("RectangleBackground"));
    RectangleBackground->setAlign(TAlignLayout::Contents);
    RectangleBackground->setOpacity(0.5);
    RectangleBackground->setStrokeColor(TAlphaColors::Null);

    RectangleDialog = new TRectangle(LayoutPrincipal, QStringLiteral("RectangleDialog"));
    RectangleDialog->setSize(DialogWidth, DialogHeight);
    RectangleDialog->setAlign(TAlignLayout::Center);
    RectangleDialog->setRadius(5, 5);
    RectangleDialog->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    RectangleDialog->setStrokeColor(TAlphaColors::Null);

    RectangleTitleBar = new TRectangle(RectangleDialog, QStringLiteral("RectangleTitleBar"));
    RectangleTitleBar->setHeight(TitleBarHeight);
    RectangleTitleBar->setAlign(TAlignLayout::Top);
    RectangleTitleBar->setRadius(5, 5);
    RectangleTitleBar->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    RectangleTitleBar->setStrokeColor(TAlphaColors::Null);

    LayoutMessage = new TLayout(RectangleDialog, QStringLiteral("LayoutMessage"));
    LayoutMessage->setAlign(TAlignLayout::Client);

    Layout2 = new TLayout(RectangleDialog, QStringLiteral("Layout2"));
    Layout2->setHeight(ButtonBarHeight);
    Layout2->setAlign(TAlignLayout::Bottom);

    LabelTituloBarra = new TLabel(RectangleTitleBar, QStringLiteral("LabelTituloBarra"));
    LabelTituloBarra->setSize(387, 50);
    LabelTituloBarra->setAlign(TAlignLayout::Center);
    LabelTituloBarra->setMargins(20, 0, 0, 0);
    LabelTituloBarra->setHorzAlign(TTextAlign::Center);

    ImageInformacao = makeSign(RectangleTitleBar, QStringLiteral("ImageInformacao"), TGlyph::Info);
    ImageErro = makeSign(RectangleTitleBar, QStringLiteral("ImageErro"), TGlyph::Error);
    ImageConfirmacao
        = makeSign(RectangleTitleBar, QStringLiteral("ImageConfirmacao"), TGlyph::Help);

    LabelTitleForm = new TLabel(RectangleTitleBar, QStringLiteral("LabelTitleForm"));
    LabelTitleForm->setHeight(17);
    LabelTitleForm->setAlign(TAlignLayout::Bottom);
    LabelTitleForm->setMargins(5, 0, 0, 5);

    LabelMensagem = new TLabel(LayoutMessage, QStringLiteral("LabelMensagem"));
    LabelMensagem->setAlign(TAlignLayout::Client);
    LabelMensagem->setMargins(MessageMargin, MessageMargin, MessageMargin, MessageMargin);
    LabelMensagem->setHorzAlign(TTextAlign::Center);
    LabelMensagem->setWordWrap(true);

    LabelFileLog = new TLabel(Layout2, QStringLiteral("LabelFileLog"));
    LabelFileLog->setWidth(268);
    LabelFileLog->setAlign(TAlignLayout::Left);
    LabelFileLog->setMargins(5, 5, 0, 5);
    LabelFileLog->setVertAlign(TTextAlign::Trailing);
    LabelFileLog->setWordWrap(true);

    // Right-aligned in creation order: OK at the right end, then NÃO, then SIM.
    SpeedButtonOK = makeMessageButton(Layout2,
                                      QStringLiteral("SpeedButtonOK"),
                                      QStringLiteral("OK"),
                                      QStringLiteral("donetoolbutton"),
                                      mrOk);
    SpeedButtonNao = makeMessageButton(Layout2,
                                       QStringLiteral("SpeedButtonNao"),
                                       QStringLiteral("NÃO"),
                                       QStringLiteral("toolbutton"),
                                       mrNo);
    SpeedButtonSim = makeMessageButton(Layout2,
                                       QStringLiteral("SpeedButtonSim"),
                                       QStringLiteral("SIM"),
                                       QStringLiteral("toolbutton"),
                                       mrYes);

    FormCreate();
}

TFormMessage::~TFormMessage() = default;

void TFormMessage::FormCreate()
{
    ApplyThemeApp();
    LabelTitleForm->setText(QString());
}

void TFormMessage::ApplyThemeApp()
{
    const TThemeApp &theme = TThemeApp::Instance();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();

    const auto styleLabel = [](TLabel *label, TAlphaColor fontColor, QFont font, double size) {
        SetFontSize(font, size);
        label->setTextFont(font);
        label->setFontColor(fontColor);
    };
    styleLabel(LabelTituloBarra, color.SecondaryColor, fonts.TertiaryFont(), 28);
    styleLabel(LabelMensagem, color.TextPrimaryColor, fonts.SecondaryFont(), 16);
    styleLabel(LabelFileLog, color.TextPrimaryColor, fonts.SecondaryFont(), 8);
    QFont boldSecondary = fonts.SecondaryFont();
    boldSecondary.setBold(true);
    styleLabel(LabelTitleForm, color.TextPrimaryColor, boldSecondary, 14);
    for (TSpeedButton *button : { SpeedButtonOK, SpeedButtonNao, SpeedButtonSim }) {
        QFont font = fonts.TertiaryFont();
        SetFontSize(font, 14);
        button->setTextFont(font);
        button->setFontColor(color.TextPrimaryColor);
    }
    RectangleDialog->setFillColor(color.BackgroundColor);
    RectangleTitleBar->setFillColor(color.PrimaryColor);
    RectangleBackground->setFillColor(color.BackgroundColor);
}

TFormMessage &TFormMessage::MessageType(TMessageType value)
{
    m_messageType = value;
    LabelFileLog->hide();

    const bool question = value == TMessageType::mtQuestion;
    SpeedButtonOK->setVisible(!question);
    SpeedButtonSim->setVisible(question);
    SpeedButtonNao->setVisible(question);

    ImageConfirmacao->setVisible(question);
    ImageInformacao->setVisible(value == TMessageType::mtSuccess
                                || value == TMessageType::mtInformation);
    ImageErro->setVisible(value == TMessageType::mtError);

    const TColorApp &color = TThemeApp::Instance().ColorApp();
    RectangleDialog->setStrokeColor(color.SecondaryColor);
    LabelTituloBarra->setText(MessageTypeTitle(value));
    switch (value) {
    case TMessageType::mtInformation:
        RectangleTitleBar->setFillColor(color.MessageInformationColor);
        LabelTituloBarra->setFontColor(color.SecondaryColor);
        break;
    case TMessageType::mtQuestion:
        RectangleTitleBar->setFillColor(color.MessageQuestionColor);
        LabelTituloBarra->setFontColor(color.SecondaryColor);
        break;
    case TMessageType::mtError:
        RectangleTitleBar->setFillColor(color.MessageErrorColor);
        LabelTituloBarra->setFontColor(color.SecondaryColor);
        break;
    case TMessageType::mtSuccess:
        RectangleTitleBar->setFillColor(color.MessageSuccessColor);
        LabelTituloBarra->setFontColor(color.PrimaryColor);
        break;
    }
    return *this;
}

TFormMessage &TFormMessage::FileLog(const QString &value)
{
    LabelFileLog->setText(value);
    LabelFileLog->setVisible(!value.isEmpty());
    return *this;
}

TFormMessage &TFormMessage::Message(const QString &value)
{
    LabelMensagem->setText(value);

    // The original measures the window's surface, not the text: the dialog grows by this rule
    // for short texts too.
    const int surface = height();
    const int layoutHeight = RectangleDialog->height() - TitleBarHeight - ButtonBarHeight;
    const int cap = int(messageWorkArea().height());
    int dialog = RectangleDialog->height();
    if (surface > layoutHeight) {
        dialog = int((dialog + surface - layoutHeight) / GrowthDivisor);
        if (dialog > cap)
            dialog = cap - 3;
    }
    // A text longer than the room the rule leaves would be cut off: the dialog grows further,
    // up to the same cap.
    const int needed
        = LabelMensagem->heightForWidth(DialogWidth - 2 * MessageMargin) + 2 * MessageMargin;
    if (needed > dialog - TitleBarHeight - ButtonBarHeight)
        dialog = std::min(TitleBarHeight + ButtonBarHeight + needed, cap - 3);
    RectangleDialog->setHeight(dialog);
    return *this;
}

TFormMessage &TFormMessage::TitleForm(const QString &value)
{
    LabelTitleForm->setText(value.isEmpty() ? QString() : QStringLiteral("Tela: ") + value);
    return *this;
}

void TFormMessage::coverWorkArea()
{
    const QRect area = messageWorkArea();
    const int left = TAppUtils::GetScreenScale() > 1.0 ? -1 : 0;
    setGeometry(area.x() + left, area.y(), area.width(), area.height());
    RealignAll(this);
}

int TFormMessage::Execute()
{
    coverWorkArea();
    const int result = exec();
    if (result == mrOk || result == mrYes || result == mrNo)
        return result;
    return closedResult();
}

int TFormMessage::dialogHeight() const
{
    return RectangleDialog->height();
}

int TFormMessage::closedResult() const
{
    return m_messageType == TMessageType::mtQuestion ? mrNo : mrOk;
}

void TFormMessage::reject()
{
    done(closedResult());
}
