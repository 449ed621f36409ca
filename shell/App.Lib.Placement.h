#pragma once

#include <QString>
#include <QStringView>

class QWidget;
class TLabel;

// Places the captions and controls of a window built in code, as its form lays them out: a
// caption at a point, sized to its text, and its control below it at a fixed distance, of the
// given width and of the placement's height.
//
//     const TPlacement place(VertScrollBoxControls->content(), 18, 30);
//     place.Field(LabelCodigo, EditCodigo, u"Codigo", 8, 8, 217);
//
// A control's object name is its kind (its class name less the "T") followed by the name given
// (EditCodigo); its caption's is "Label" followed by that name (LabelCodigo).
class TPlacement
{
public:
    // ACaptionToControl: from a caption's top to its control's top; AControlHeight: the height of
    // the controls placed below captions.
    TPlacement(QWidget *AParent, int ACaptionToControl, int AControlHeight);

    // A caption at the point, sized to its text; a binding with the caption gives it its title.
    TLabel *Caption(const QString &AName, int x, int y, const QString &AText = {}) const;

    // A control of its kind at the point, AWidth wide and AHeight high (the placement's height
    // when 0).
    template<class TKind>
    void
    Control(TKind *&AControl, QStringView AName, int x, int y, int AWidth, int AHeight = 0) const
    {
        AControl = new TKind(m_parent, controlName(TKind::staticMetaObject.className(), AName));
        place(AControl, x, y, AWidth, AHeight);
    }

    // A caption at the point and its control below it.
    template<class TKind>
    void Field(TLabel *&ACaption,
               TKind *&AControl,
               QStringView AName,
               int x,
               int y,
               int AWidth,
               const QString &AText = {}) const
    {
        ACaption = Caption(QStringLiteral("Label") + AName.toString(), x, y, AText);
        Control(AControl, AName, x, y + m_captionToControl, AWidth);
    }

private:
    static QString controlName(const char *AClassName, QStringView AName);
    void place(QWidget *AControl, int x, int y, int AWidth, int AHeight) const;

    QWidget *m_parent;
    int m_captionToControl;
    int m_controlHeight;
};
