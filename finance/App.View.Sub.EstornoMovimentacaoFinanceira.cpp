#include "App.View.Sub.EstornoMovimentacaoFinanceira.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.EstornoMovimentacaoFinanceira.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

ZUNTA_REGISTER_FORM(TFormSubViewEstornoMovimentacaoFinanceira)

TFormSubViewEstornoMovimentacaoFinanceira::TFormSubViewEstornoMovimentacaoFinanceira(
    QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewEstornoMovimentacaoFinanceira"), AParent)
{
    setWindowTitle(QStringLiteral("Informações para Estorno de Movimentações Financeiras"));
    resize(700, 470);
    RectangleEstornar = AddGravarButton(LabelEstornar, [this] { RectangleEstornarClick(); });
    RectangleEstornar->setObjectName(QStringLiteral("RectangleEstornar"));
    LabelEstornar->setObjectName(QStringLiteral("LabelEstornar"));
    LabelEstornar->setText(QStringLiteral("Estornar"));

    auto *campos = new TLayout(LayoutControlsForm, QStringLiteral("LayoutCampos"));
    campos->setAlign(TAlignLayout::Client);
    const TPlacement place(campos, 18, 30);
    place.Field(LabelData, DateEditData, u"Data", 16, 12, 160);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 192, 12, 450);
    LabelObservacao = place.Caption(QStringLiteral("LabelObservacao"), 16, 72);
    place.Control(MemoObservacao, u"Observacao", 16, 90, 626, 120);
    LabelTitleInformacao = place.Caption(
        QStringLiteral("LabelTitleInformacao"), 16, 222, QStringLiteral("Informações da Movimentação"));
    LabelInformacao = place.Caption(QStringLiteral("LabelInformacao"), 16, 244);
    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

TFormSubViewEstornoMovimentacaoFinanceira::~TFormSubViewEstornoMovimentacaoFinanceira()
{
    // The presenter outlives the dialog: its bindings leave with the controls.
    if (FPresenter)
        FPresenter->ClearListControls();
}

void TFormSubViewEstornoMovimentacaoFinanceira::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionMovimentar(RectangleEstornar);
}

void TFormSubViewEstornoMovimentacaoFinanceira::SetIdMovimentacaoFinanceira(std::int64_t AValue)
{
    FIdMovimentacaoFinanceira = AValue;
    FIsEstornar = false;
}

void TFormSubViewEstornoMovimentacaoFinanceira::SetInformacao(const QString &AValue)
{
    LabelInformacao->setText(AValue);
}

void TFormSubViewEstornoMovimentacaoFinanceira::SetPresenter(
    TEstornoMovimentacaoFinanceiraPresenter *AValue)
{
    FPresenter = AValue;
    FPresenter->ClearListControls();
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    FPresenter->Clear(false, true);
    FPresenter->IsViewForm = false;
    FPresenter->EnabledControls();
}

void TFormSubViewEstornoMovimentacaoFinanceira::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Disabled(!FPermissionPermissaoExtra1)
        .Caption(LabelData);
    manager.Bind(EditMotivo, QStringLiteral("Motivo do Estorno"))
        .Upper()
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("07"));
    manager.Bind(MemoObservacao, QStringLiteral("Observações"))
        .Upper()
        .MaxLength(500)
        .Caption(LabelObservacao);
}

void TFormSubViewEstornoMovimentacaoFinanceira::SetFocusedPrincipalComponent()
{
    EditMotivo->setFocus();
}

void TFormSubViewEstornoMovimentacaoFinanceira::RectangleEstornarClick()
{
    for (const QString &nome : { QStringLiteral("DateEditData"),
                                 QStringLiteral("EditMotivo"),
                                 QStringLiteral("MemoObservacao") }) {
        const TItemControl *item = FPresenter->FindItemControl(nome);
        if (item && item->IsEmpty())
            throw Exception(Format(QStringLiteral("WARNING:Campo %s não preenchido."), { item->TitleControl }));
    }
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                                        { QStringLiteral("o(s) estorno(s) da(s) movimentação(ões)") }))
        == mrNo)
        return;
    FPresenter->SetInfoControlsToEntity();
    FPresenter->entity()->IdMovimentacaoFinanceira = FIdMovimentacaoFinanceira;
    FPresenter->entity()->Id = 0;
    FIsEstornar = true;
    SpeedButtonClose->OnClick(SpeedButtonClose);
}
