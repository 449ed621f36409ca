#include "App.Base.Adapter.h"

#include "App.Lib.Theme.Color.h"
#include "App.Lib.Theme.Font.h"
#include "App.Lib.Theme.h"
#include "Image.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// Set on a label once SetupLabels has styled it.
const char *const styledProperty = "zuntaAdapterStyled";

} // namespace

TFrameBaseAdapter::TFrameBaseAdapter(QWidget *AOwner, const QString &name)
    : TLayout(AOwner, name)
{
    setSize(879, 65);
    setMargins(0, 2, 0, 0);

    LayoutBackground = new TLayout(this, QStringLiteral("LayoutBackground"));
    LayoutBackground->setAlign(TAlignLayout::Client);

    RectangleBackground = new TRectangle(LayoutBackground, QStringLiteral("RectangleBackground"));
    RectangleBackground->setAlign(TAlignLayout::Client);
    RectangleBackground->setFillColor(TAlphaColors::White);
    RectangleBackground->setStrokeThickness(0);
    RectangleBackground->setStrokeColor(0x00000000);
    RectangleBackground->setRadius(5, 5);
    RectangleBackground->OnMouseEnter
        = [this](QObject *Sender) { RectangleBackgroundMouseEnter(Sender); };
    RectangleBackground->OnMouseLeave
        = [this](QObject *Sender) { RectangleBackgroundMouseLeave(Sender); };

    RectangleColorStatus
        = new TRectangle(RectangleBackground, QStringLiteral("RectangleColorStatus"));
    RectangleColorStatus->setAlign(TAlignLayout::Left);
    RectangleColorStatus->setWidth(10);
    RectangleColorStatus->setFillColor(TAlphaColors::Slategray);
    RectangleColorStatus->setStrokeThickness(0);
    RectangleColorStatus->setStrokeColor(0x00000000);

    LayoutSeparator = new TLayout(RectangleBackground, QStringLiteral("LayoutSeparator"));
    LayoutSeparator->setAlign(TAlignLayout::Left);
    LayoutSeparator->setWidth(9);

    ImageItem = new TImage(RectangleBackground, QStringLiteral("ImageItem"));
    ImageItem->setAlign(TAlignLayout::Left);
    ImageItem->setSize(65, 65);

    LayoutButtons = new TLayout(RectangleBackground, QStringLiteral("LayoutButtons"));
    LayoutButtons->setAlign(TAlignLayout::Right);
    LayoutButtons->setWidth(87);
    SetPadding(LayoutButtons, QMargins(0, 0, 3, 0));

    LayoutInformacao = new TLayout(RectangleBackground, QStringLiteral("LayoutInformacao"));
    LayoutInformacao->setAlign(TAlignLayout::Client);

    auto makeLabel = [this](const QString &name, const QString &text, int x, int y) {
        auto *label = new TLabel(LayoutInformacao, name);
        label->setText(text);
        label->setPosition(x, y);
        label->setAutoSize(true);
        return label;
    };
    LabelTitleID = makeLabel(QStringLiteral("LabelTitleID"), QStringLiteral("ID"), 6, 8);
    LabelTitleID->setFontSize(10);
    LabelID = makeLabel(QStringLiteral("LabelID"), QStringLiteral("ID"), 6, 25);
    LabelTitleRegistro
        = makeLabel(QStringLiteral("LabelTitleRegistro"), QStringLiteral("Registro:"), 6, 42);
    LabelTitleRegistro->setFontSize(10);
    LabelRegistro = makeLabel(QStringLiteral("LabelRegistro"), QStringLiteral("0000"), 49, 42);
    LabelRegistro->setFontSize(10);

    SetupLabels();
    LabelRegistro->setVisible(false);
    LabelTitleRegistro->setVisible(false);
}

TFrameBaseAdapter::~TFrameBaseAdapter() = default;

TLabel *TFrameBaseAdapter::AddLabel(const QString &AName, const QString &AText, int x, int y)
{
    auto *label = new TLabel(LayoutBackground, AName);
    label->setText(AText);
    label->setPosition(x, y);
    label->setAutoSize(true);
    return label;
}

TSpeedButton *TFrameBaseAdapter::AddButton(const QString &AName,
                                           const QString &AStyle,
                                           std::function<void()> AClick)
{
    auto *button = new TSpeedButton(LayoutButtons, AName);
    button->setStyleLookup(AStyle);
    button->setWidth(34);
    button->setAlign(TAlignLayout::Right);
    button->OnClick = [click = std::move(AClick)](QObject *) { click(); };
    return button;
}

TLabel *TFrameBaseAdapter::AddHeadline(QStringView AName, QStringView AColumn)
{
    TLabel *label = AddLabel(AName.toString(), QString(), 184, 8);
    label->setAutoSize(false);
    label->setSize(571, 24);
    label->setFontSize(15);
    AddColumn(label, AColumn.toString());
    return label;
}

void TFrameBaseAdapter::AddField(TLabel *&ATitle, TLabel *&AValue, const TFrameField &AField)
{
    const QString name = AField.Name.toString();
    ATitle = AddLabel(
        QStringLiteral("LabelTitle") + name, AField.Title.toString(), AField.TitleX, AField.Y);
    AValue = AddLabel(QStringLiteral("Label") + name, QString(), AField.ValueX, AField.Y);
    if (!AField.Column.isEmpty())
        AddColumn(AValue, AField.Column.toString());
    FFields.emplace_back(ATitle, AValue);
}

void TFrameBaseAdapter::AddColumn(TLabel *ALabel, const QString &AColumn)
{
    FColumns.push_back({ ALabel, { AColumn } });
}

void TFrameBaseAdapter::AddColumns(TLabel *ALabel, const QStringList &AColumns)
{
    FColumns.push_back({ ALabel, AColumns });
}

void TFrameBaseAdapter::FillRecord(const TMemTable &ADataSet)
{
    for (const TFrameColumn &column : FColumns) {
        QStringList texts;
        for (const QString &name : column.Columns)
            texts << ADataSet.FieldByName(name)->DisplayText();
        column.Label->setText(texts.join(QStringLiteral(" - ")));
    }
    fillRow(ADataSet);
}

void TFrameBaseAdapter::SetupLabels()
{
    const TThemeApp &theme = TThemeApp::Instance();
    const int workArea = WorkAreaWidth();
    for (TLabel *label : findChildren<TLabel *>()) {
        if (label->property(styledProperty).toBool())
            continue;
        label->setProperty(styledProperty, true);
        label->setFontColor(theme.ColorApp().TextPrimaryColor);
        label->setTextFont(theme.FontApp().PrimaryFont());
        const QString name = label->objectName();
        if (name.toUpper().contains(QStringLiteral("TITLE"))) {
            label->setFontSize(9);
            AdjustLabelToScreen(label, true, workArea);
        } else {
            label->setFontBold(true);
            AdjustLabelToScreen(label, false, workArea);
        }
        if (name == QStringLiteral("LabelID") || name == QStringLiteral("LabelRegistro"))
            label->setFontSize(9);
    }
    // The theme's font may make a title wider than the gap left for it: its value then follows.
    for (auto [title, value] : FFields)
        value->setPositionX(std::max(value->x(), title->x() + title->width() + 4));
}

void TFrameBaseAdapter::AdjustLabelToScreen(TLabel *ALabel, bool AIsTitle, int AWorkAreaWidth)
{
    struct Step
    {
        int MaxWidth;
        double TitleSize;
        double NormalSize;
        double Divisor;
    };
    static const Step steps[] = {
        { 640, 7, 9, 1.5 },
        { 800, 7.5, 9.5, 1.4 },
        { 1024, 8, 11, 1.25 },
        { 1365, 8, 11, 1.1 },
    };
    for (const Step &step : steps) {
        if (AWorkAreaWidth <= step.MaxWidth) {
            ALabel->setFontSize(AIsTitle ? step.TitleSize : step.NormalSize);
            ALabel->setPositionX(int(ALabel->x() / step.Divisor));
            return;
        }
    }
}

int TFrameBaseAdapter::WorkAreaWidth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 0;
}

void TFrameBaseAdapter::RectangleBackgroundMouseEnter(QObject *)
{
    FOldColor = RectangleBackground->fillColor();
    RectangleBackground->setFillColor(TThemeApp::Instance().ColorApp().SecondaryColor);
}

void TFrameBaseAdapter::RectangleBackgroundMouseLeave(QObject *)
{
    RectangleBackground->setFillColor(FOldColor);
}
