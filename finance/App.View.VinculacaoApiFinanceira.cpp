#include "App.View.VinculacaoApiFinanceira.h"

#include "App.Lib.Application.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.VinculacaoApiFinanceira.h"
#include "Common.ComplexPost.VinculacaoApiFinanceira.h"

#include "Align.h"
#include "AniIndicator.h"
#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"
#include "SysUtils.h"

#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewVinculacaoApiFinanceira)

namespace {

const QString VinculacaoClientesCadastradosAviso = QStringLiteral(
    "WARNING:Ao selecionar a opção para vincular os clientes cadastrados, será feito uma "
    "pesquisa geral na base de dados (independente da carteira selecionada) para verificar os "
    "clientes que não possuem integração mas estão cadastrados na API e fazer a vinculação dos "
    "mesmos.");

} // namespace

TFormViewVinculacaoApiFinanceira::TFormViewVinculacaoApiFinanceira(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormViewVinculacaoApiFinanceira"), AParent)
{
    setWindowTitle(QStringLiteral("VINCULAÇÃO DA API FINANCEIRA NO CONTRATO"));
    resize(640, 420);

    RectangleDados = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleDados"));
    RectangleDados->setAlign(TAlignLayout::Client);
    RectangleDados->setMargins(8, 8, 8, 8);
    RectangleDados->setStrokeColor(TAlphaColors::Null);
    RectangleDados->setRadius(5, 5);
    RectangleDados->setMinimumSize(QSize(600, 300));

    const TPlacement place(RectangleDados, 18, 30);
    place.Field(LabelCarteira, EditCarteira, u"Carteira", 16, 8, 569);
    place.Field(LabelIntegracaoApiFinanceira,
                EditIntegracaoApiFinanceira,
                u"IntegracaoApiFinanceira",
                16,
                66,
                569);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 16, 124, 150);
    place.Control(CheckBoxVincularClientesCadastrados, u"VincularClientesCadastrados", 182, 142, 403);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 16, 182, 569);

    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });

    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

TFormViewVinculacaoApiFinanceira::~TFormViewVinculacaoApiFinanceira()
{
    ReleasePrincipal();
    FPresenter.reset();
}

void TFormViewVinculacaoApiFinanceira::FormCreate()
{
    TFormBaseView::FormCreate();
    FPresenter = TBasePresenter::Create<TVinculacaoApiFinanceiraPresenter>();
    FPresenter->ManagerControls().SetColumns(&FPresenter->DataSetInfo());
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    FPresenter->Clear(false, true);
}

void TFormViewVinculacaoApiFinanceira::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCarteira, QStringLiteral("Carteira"))
        .Lookup(QStringLiteral("TPesquisaCarteira"))
        .Upper()
        .MaxLength(100)
        .Required()
        .Caption(LabelCarteira);
    manager.Bind(EditIntegracaoApiFinanceira, QStringLiteral("API Financeira"))
        .Lookup(QStringLiteral("TPesquisaIntegracaoApiFinanceira"))
        .Upper()
        .MaxLength(100)
        .Required()
        .Caption(LabelIntegracaoApiFinanceira);
    manager.Bind(DateEditDataInicial, QStringLiteral("Data Inicial"))
        .MaxLength(10)
        .Required()
        .Caption(LabelDataInicial);
    manager.Bind(CheckBoxVincularClientesCadastrados,
                 QStringLiteral("Vincular Cliente(s) Cadastradado(s) na API"))
        .Default(QStringLiteral("FALSE"));
    manager.Bind(EditMotivo,
                 QStringLiteral("Caso haja um contrato que esteja inserido em uma integração, é "
                                "necessário preencher o motivo."))
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("08"))
        .Upper()
        .MaxLength(100)
        .Required()
        .Caption(LabelMotivo);
}

void TFormViewVinculacaoApiFinanceira::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionMovimentar(RectangleGravar);
    RectangleDados->setFillColor(
        TApplicationZunta::GetInstance().ThemeApp().ColorApp().BackgroundColor);
}

void TFormViewVinculacaoApiFinanceira::SetFocusedPrincipalComponent()
{
    EditCarteira->setFocus();
}

void TFormViewVinculacaoApiFinanceira::RectangleGravarClick()
{
    if (CheckBoxVincularClientesCadastrados->isChecked())
        TAppUtils::MessageSystem(VinculacaoClientesCadastradosAviso);
    if (TAppUtils::MessageSystem(Format(
            QStringLiteral("QUESTION:Confirma gerar %s?"),
            { QStringLiteral(
                "a(s) integração(es) financeira(s) no(s) contrato(s) da(s) carteira(s)") }))
        != mrYes)
        return;
    TAppUtils::MessageSystem(
        QStringLiteral("WARNING:ATENÇÃO: ESSE PROCESSO PODE DEMORAR UM POUCO."));

    // The values are read here, on the main thread; an empty lookup gives 0 and an empty date
    // the zero date.
    auto valores = std::make_shared<TVinculacaoApiFinanceiraComplexPost>();
    FPresenter->ManagerControls().SetObjectFromValueControl(*valores);
    const QPointer<TFormViewVinculacaoApiFinanceira> self(this);
    RunLongAction(
        [valores] {
            TBasePresenter::Create<TVinculacaoApiFinanceiraPresenter>()
                ->GravarVinculacaoApiFinanceira(valores->IdIntegracaoApiFinanceira,
                                                valores->IdCarteira,
                                                valores->IdMotivo,
                                                valores->DataInicial,
                                                valores->VincularClientesCadastrados);
        },
        [self] {
            TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
            if (self)
                self->FPresenter->Clear(false, true);
        });
}
