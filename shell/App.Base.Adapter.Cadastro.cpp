#include "App.Base.Adapter.Cadastro.h"

#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "SpeedButton.h"

TFrameBaseAdapterCadastro::TFrameBaseAdapterCadastro(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    LayoutButtons->setWidth(111);
    // Each at the left of the one before, so that they read view, remove, edit from the left.
    SpeedButtonEdit = AddButton(QStringLiteral("SpeedButtonEdit"),
                                QStringLiteral("composetoolbutton"),
                                [this] { SpeedButtonEditClick(); });
    SpeedButtonRemove = AddButton(QStringLiteral("SpeedButtonRemove"),
                                  QStringLiteral("trashtoolbutton"),
                                  [this] { SpeedButtonRemoveClick(); });
    SpeedButtonView = AddButton(QStringLiteral("SpeedButtonView"),
                                QStringLiteral("searchtoolbutton"),
                                [this] { SpeedButtonViewClick(); });
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
