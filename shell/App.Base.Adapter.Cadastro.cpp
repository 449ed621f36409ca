#include "App.Base.Adapter.Cadastro.h"

#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "SpeedButton.h"

TFrameBaseAdapterCadastro::TFrameBaseAdapterCadastro(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    LayoutButtons->setWidth(111);
    // Right-aligned in creation order, so that they read view, remove, edit from the left.
    auto makeButton = [this](const QString &name, const QString &style, int x) {
        auto *button = new TSpeedButton(LayoutButtons, name);
        button->setStyleLookup(style);
        button->setWidth(34);
        button->setPositionX(x);
        button->setAlign(TAlignLayout::Right);
        return button;
    };
    SpeedButtonEdit
        = makeButton(QStringLiteral("SpeedButtonEdit"), QStringLiteral("composetoolbutton"), 74);
    SpeedButtonRemove
        = makeButton(QStringLiteral("SpeedButtonRemove"), QStringLiteral("trashtoolbutton"), 40);
    SpeedButtonView
        = makeButton(QStringLiteral("SpeedButtonView"), QStringLiteral("searchtoolbutton"), 6);
    SpeedButtonEdit->OnClick = [this](QObject *) { SpeedButtonEditClick(); };
    SpeedButtonRemove->OnClick = [this](QObject *) { SpeedButtonRemoveClick(); };
    SpeedButtonView->OnClick = [this](QObject *) { SpeedButtonViewClick(); };
}

void TFrameBaseAdapterCadastro::SpeedButtonEditClick()
{
    if (ProcEdit)
        ProcEdit(this);
}

void TFrameBaseAdapterCadastro::SpeedButtonRemoveClick()
{
    if (!ProcRemove)
        return;
    if (TAppUtils::MessageSystem(QStringLiteral("QUESTION:Remover registro?")) == mrNo)
        return;
    ProcRemove(this);
}

void TFrameBaseAdapterCadastro::SpeedButtonViewClick()
{
    if (ProcView)
        ProcView(this);
}
