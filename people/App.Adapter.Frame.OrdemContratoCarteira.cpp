#include "App.Adapter.Frame.OrdemContratoCarteira.h"

#include "App.Lib.ImageList.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Lib.Formatter.Edit.h"

#include "Edit.h"
#include "Events.h"
#include "Label.h"
#include "SpeedButton.h"

TOrdemContratoCarteiraFrameAdapter::TOrdemContratoCarteiraFrameAdapter(QWidget *AOwner,
                                                                       const QString &name)
    : TFrameBaseAdapter(AOwner, name)
    , m_managerControl(std::make_unique<TManagerControl>())
{
    LabelTitular = AddLabel(QStringLiteral("LabelTitular"), {}, 184, 8);
    LabelTitular->setFontSize(16);
    LabelTitleOrdem
        = AddLabel(QStringLiteral("LabelTitleOrdem"), QStringLiteral("Ordem:"), 184, 42);
    EditOrdem = new TEdit(LayoutBackground, QStringLiteral("EditOrdem"));
    EditOrdem->setGeometry(240, 38, 80, 24);
    LabelTitleNumeroContrato = AddLabel(
        QStringLiteral("LabelTitleNumeroContrato"), QStringLiteral("Contrato:"), 340, 42);
    LabelNumeroContrato = AddLabel(QStringLiteral("LabelNumeroContrato"), {}, 410, 42);
    LabelTitleEndereco
        = AddLabel(QStringLiteral("LabelTitleEndereco"), QStringLiteral("Endereço:"), 184, 68);
    LabelEndereco = AddLabel(QStringLiteral("LabelEndereco"), {}, 260, 68);
    setSize(width(), 96);

    SpeedButtonMoveDown = AddButton(
        QStringLiteral("SpeedButtonMoveDown"), QStringLiteral("arrowdowntoolbutton"), [this] {
            if (FProcMoveDown)
                FProcMoveDown(this);
        });
    SpeedButtonMoveUp = AddButton(
        QStringLiteral("SpeedButtonMoveUp"), QStringLiteral("arrowuptoolbutton"), [this] {
            if (FProcMoveUp)
                FProcMoveUp(this);
        });
    SpeedButtonMoveUp->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonMoveUp->setImageIndex(16);
    SpeedButtonMoveDown->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonMoveDown->setImageIndex(17);

    m_managerControl->Bind(EditOrdem, QStringLiteral("Ordem"))
        .Format(TFormatterEdit::Valor)
        .Decimals(0);
    EditOrdem->OnKeyDown
        = [this, bound = EditOrdem->OnKeyDown](
              QObject *ASender, int &AKey, QChar &AKeyChar, Qt::KeyboardModifiers AShift) {
              if (bound)
                  bound(ASender, AKey, AKeyChar, AShift);
              if (AKey == vkReturn && FProcAlterarOrdem)
                  FProcAlterarOrdem(this);
          };
    EditOrdem->OnExit = [this](QObject *) {
        if (FProcResetOrdem)
            FProcResetOrdem(this);
    };
    SetupLabels();
}

TOrdemContratoCarteiraFrameAdapter::~TOrdemContratoCarteiraFrameAdapter() = default;

TItemControl *
TOrdemContratoCarteiraFrameAdapter::FindItemControl(const QString &AComponentName) const
{
    return m_managerControl->FindItemControl(AComponentName);
}

void TOrdemContratoCarteiraFrameAdapter::SetProcAlterarOrdem(TProcFrame AValue)
{
    if (AValue)
        FProcAlterarOrdem = std::move(AValue);
}

void TOrdemContratoCarteiraFrameAdapter::SetProcMoveUp(TProcFrame AValue)
{
    if (AValue)
        FProcMoveUp = std::move(AValue);
}

void TOrdemContratoCarteiraFrameAdapter::SetProcMoveDown(TProcFrame AValue)
{
    if (AValue)
        FProcMoveDown = std::move(AValue);
}

void TOrdemContratoCarteiraFrameAdapter::SetProcResetOrdem(TProcFrame AValue)
{
    if (AValue)
        FProcResetOrdem = std::move(AValue);
}
