#pragma once

#include "AlphaColor.h"
#include "Layouts.h"

#include <cstdint>
#include <functional>

class TImage;
class TLabel;
class TRectangle;

// The base of every list row: the row's key, the common layout (status strip, picture,
// information area, button area), the themed labels scaled down on small screens and the hover
// colour. Descendants add their labels and buttons in their constructor and then call
// SetupLabels() again: a label is styled only once, so the base labels are not scaled twice.
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

    // Styles the labels of the frame not styled yet (theme colour and font, sizes for the
    // screen's work area).
    virtual void SetupLabels();

    // A label's size and left position for a work area of that width.
    static void AdjustLabelToScreen(TLabel *ALabel, bool AIsTitle, int AWorkAreaWidth);
    // The width of the primary screen's work area (0 without a screen).
    static int WorkAreaWidth();

protected:
    // A label of a descendant's row, sized to its text, on the row's background.
    TLabel *AddLabel(const QString &AName, const QString &AText, int x, int y);

    void RectangleBackgroundMouseEnter(QObject *Sender);
    void RectangleBackgroundMouseLeave(QObject *Sender);

private:
    TAlphaColor FOldColor = 0;
    std::int64_t FIdRegistro = 0;
};

// A method receiving a row frame (the row's buttons hand their row to the window).
using TProcFrame = std::function<void(TFrameBaseAdapter *AFrame)>;
