#include "App.Base.View.OperacaoContrato.h"

#include "App.Lib.Exception.h"
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


TFormBaseViewOperacaoContrato::TFormBaseViewOperacaoContrato(const QString &AClassName,
                                                             QWidget *AParent)
    : TFormBaseView(AClassName, AParent)
{
    // The save button's strip at the bottom, the controls above it.
    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });

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

bool TFormBaseViewOperacaoContrato::confirmar(const QString &AOperacao)
{
    return TAppUtils::MessageSystem(
               Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { AOperacao }))
        == mrYes;
}
