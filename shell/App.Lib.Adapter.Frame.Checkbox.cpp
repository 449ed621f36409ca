#include "App.Lib.Adapter.Frame.Checkbox.h"

#include "CheckBox.h"
#include "Image.h"
#include "Label.h"
#include "TextSettings.h"

TFrameAdapterCheckBox::TFrameAdapterCheckBox(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    setSize(599, 45);
    ImageItem->setWidth(0);
    ImageItem->setVisible(false);
    LayoutButtons->setWidth(39);

    CheckBoxSelecionar = new TCheckBox(LayoutButtons, QStringLiteral("CheckBoxSelecionar"));
    CheckBoxSelecionar->setSize(20, 19);
    CheckBoxSelecionar->setAlign(TAlignLayout::Center);
    CheckBoxSelecionar->OnClick = [this](QObject *) { CheckBoxSelecionarClick(); };

    LabelDescricao = new TLabel(LayoutBackground, QStringLiteral("LabelDescricao"));
    LabelDescricao->setPosition(88, 2);
    LabelDescricao->setSize(463, 24);
    LabelDescricao->setFontSize(15);
    LabelDescricao->setVertAlign(TTextAlign::Leading);

    LabelTitleInformacaoAdicional
        = new TLabel(LayoutBackground, QStringLiteral("LabelTitleInformacaoAdicional"));
    LabelTitleInformacaoAdicional->setPosition(89, 20);
    LabelTitleInformacaoAdicional->setSize(463, 24);

    LabelID->setPositionX(4);
    LabelTitleID->setPositionX(4);
    SetupLabels();
}

void TFrameAdapterCheckBox::CheckBoxSelecionarClick()
{
    if (ProcCheckBoxClick)
        ProcCheckBoxClick(this);
}
