#pragma once

#include "AlphaColor.h"
#include "Layouts.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class TImage;
class TLabel;
class TMemTable;
class TRectangle;
class TSpeedButton;

// A label of a row and the columns of the list table whose display texts it shows, joined by
// " - " when there are several.
struct TFrameColumn
{
    TLabel *Label;
    QStringList Columns;
};

// A value of a row with its title before it on one line: labels "LabelTitle" and "Label"
// followed by the name. The value shows the column (none: the row fills it itself).
struct TFrameField
{
    QStringView Name;
    QStringView Title;
    int TitleX;
    int ValueX;
    int Y;
    QStringView Column = {};
};

// The base of every list row: the row's key, the common layout (status strip, picture,
// information area, button area), the themed labels scaled down on small screens and the hover
// colour. Descendants add their labels (each with the column it shows) and buttons in their
// constructor and then call SetupLabels() again: a label is styled only once, so the base labels
// are not scaled twice. A window creates a row for the list table's current record with
// New<TRow>(), which fills the labels from their columns; a row overrides fillRow only for what
// its columns cannot say.
class TFrameBaseAdapter : public TLayout
{
    Q_OBJECT

public:
    explicit TFrameBaseAdapter(QWidget *AOwner = nullptr, const QString &name = {});
    ~TFrameBaseAdapter() override;

    TLayout *LayoutBackground;
    TRectangle *RectangleBackground;
    TRectangle *RectangleColorStatus;
    TLayout *LayoutSeparator;
    TImage *ImageItem;
    TLayout *LayoutButtons;
    TLayout *LayoutInformacao;
    TLabel *LabelTitleID;
    TLabel *LabelID;
    TLabel *LabelTitleRegistro;
    TLabel *LabelRegistro;

    // The row's ID_REGISTRO in the presenter's table, handed back by the row's buttons.
    std::int64_t IdRegistro() const { return FIdRegistro; }
    void SetIdRegistro(std::int64_t value) { FIdRegistro = value; }

    // A new row of that class in the owner, filled from the table's current record.
    template<class TRow>
    static TRow *New(QWidget *AOwner, const TMemTable &ADataSet)
    {
        auto *row = new TRow(AOwner);
        row->FillRecord(ADataSet);
        return row;
    }
    // Each listed label takes the display text of its column in the table's current record,
    // then fillRow runs. A listed column the table lacks raises.
    void FillRecord(const TMemTable &ADataSet);
    const std::vector<TFrameColumn> &Columns() const { return FColumns; }

    // Styles the labels of the frame not styled yet (theme colour and font, sizes for the
    // screen's work area); a field's value then starts after its title when the title reaches it.
    virtual void SetupLabels();

    // A label's size and left position for a work area of that width.
    static void AdjustLabelToScreen(TLabel *ALabel, bool AIsTitle, int AWorkAreaWidth);
    // The width of the primary screen's work area (0 without a screen).
    static int WorkAreaWidth();

protected:
    // A label of a descendant's row, sized to its text, on the row's background.
    TLabel *AddLabel(const QString &AName, const QString &AText, int x, int y);
    // A button 34 wide at the right of the button area (buttons added later stand left of the
    // earlier ones) that runs AClick.
    TSpeedButton *
    AddButton(const QString &AName, const QString &AStyle, std::function<void()> AClick);
    // The row's main text at the top, in large type, showing the column.
    TLabel *AddHeadline(QStringView AName, QStringView AColumn);
    void AddField(TLabel *&ATitle, TLabel *&AValue, const TFrameField &AField);
    // FillRecord gives the label the column's display text.
    void AddColumn(TLabel *ALabel, const QString &AColumn);
    // FillRecord gives the label the columns' display texts joined by " - " ("CENTRO - 30130010").
    void AddColumns(TLabel *ALabel, const QStringList &AColumns);
    // What the row shows beyond its column list; runs after the listed labels are filled.
    virtual void fillRow(const TMemTable &ADataSet) { (void)ADataSet; }

    void RectangleBackgroundMouseEnter(QObject *Sender);
    void RectangleBackgroundMouseLeave(QObject *Sender);

private:
    std::vector<TFrameColumn> FColumns;
    std::vector<std::pair<TLabel *, TLabel *>> FFields; // title and value
    TAlphaColor FOldColor = 0;
    std::int64_t FIdRegistro = 0;
};

// A method receiving a row frame (the row's buttons hand their row to the window).
using TProcFrame = std::function<void(TFrameBaseAdapter *AFrame)>;
