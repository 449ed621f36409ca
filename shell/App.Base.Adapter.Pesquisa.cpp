#include "App.Base.Adapter.Pesquisa.h"

#include "App.Lib.ImageList.h"
#include "Image.h"
#include "Label.h"
#include "SpeedButton.h"

TFrameBaseAdapterPesquisa::TFrameBaseAdapterPesquisa(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    setSize(372, 55);
    ImageItem->setWidth(0);
    ImageItem->setVisible(false);

    SpeedButtonSelect = new TSpeedButton(LayoutButtons, QStringLiteral("SpeedButtonSelect"));
    SpeedButtonSelect->setWidth(34);
    SpeedButtonSelect->setAlign(TAlignLayout::Right);
    SpeedButtonSelect->setImages(&TDataModuleImageList::Instance().ImageListCadastro);
    SpeedButtonSelect->setImageIndex(1);
    SpeedButtonSelect->OnClick = [this](QObject *) { SpeedButtonSelectClick(); };

    // From 101 to the buttons, text at the top.
    LabelDescricao = new TLabel(RectangleBackground, QStringLiteral("LabelDescricao"));
    LabelDescricao->setVertAlign(TTextAlign::Leading);
    LabelDescricao->setPosition(101, 4);
    LabelDescricao->setSize(width() - 101 - LayoutButtons->width(), height() - 8);
    SetupLabels();
}

void TFrameBaseAdapterPesquisa::SpeedButtonSelectClick()
{
    if (ProcSelect)
        ProcSelect(this);
}
