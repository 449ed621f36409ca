#include "App.View.AtualizacaoValores.Planos.h"

#include "App.Adapter.Frame.AtualizacaoValores.Planos.h"
#include "App.Lib.AtualizacaoValores.Calculo.h"
#include "App.Presenter.AtualizacaoValores.Planos.h"
#include "Common.Dto.AtualizacaoValores.Planos.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"

#include "CheckBox.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"

ZUNTA_REGISTER_FORM(TFormViewAtualizacaoValoresPlanos)

TFormViewAtualizacaoValoresPlanos::TFormViewAtualizacaoValoresPlanos(QWidget *AParent)
    : TFormViewAtualizacaoValores(QStringLiteral("TFormViewAtualizacaoValoresPlanos"), AParent)
{
    setWindowTitle(QStringLiteral("ATUALIZAÇÃO DE VALORES DE PLANOS"));
    RectangleHeader->setHeight(100);
    const TPlacement place(RectangleHeader, 18, 30);
    place.Field(LabelTitlePercentualValorPlano,
                EditPercentualValorPlano,
                u"PercentualValorPlano",
                796,
                10,
                140);
    LabelTitlePercentualValorPlano->setObjectName(QStringLiteral("LabelTitlePercentualValorPlano"));
    const auto check = [this](const char *AName, const QString &ACaption, int x) {
        auto *box = new TCheckBox(RectangleHeader, QLatin1String(AName));
        box->setText(ACaption);
        box->setGeometry(x, 72, 220, 19);
        return box;
    };
    CheckBoxAtualizarParcelasVencidas = check(
        "CheckBoxAtualizarParcelasVencidas", QStringLiteral("Atualizar Parcelas Vencidas"), 58);
    CheckBoxAtualizarParcelasFuturas = check(
        "CheckBoxAtualizarParcelasFuturas", QStringLiteral("Atualizar Parcelas Futuras"), 290);
    CheckBoxAtualizarVinculacaoAPI
        = check("CheckBoxAtualizarVinculacaoAPI", QStringLiteral("Atualizar Vinculações API"), 522);
}

void TFormViewAtualizacaoValoresPlanos::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPlanosAtualizacaoValoresPresenter>());
    TFormViewAtualizacaoValores::SetInfoPresenter();
}

void TFormViewAtualizacaoValoresPlanos::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Plano"))
        .Upper()
        .IgnoreSave()
        .Caption(LabelDescricao)
        .Lookup(QStringLiteral("TPesquisaPlano"), QStringLiteral("PLA"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            if (AEvent == TTypeEventProc::epSearch)
                pesquisaRegistro(ARecord);
        });
    TFormViewAtualizacaoValores::fillListControl();
    manager.Bind(EditPercentualValorPlano, QStringLiteral("(%) Pct. Vl. Plano "))
        .Format(TFormatterEdit::Valor)
        .Decimals(1)
        .MaxLength(4)
        .Default(QStringLiteral("0"))
        .IgnoreSave()
        .Caption(LabelTitlePercentualValorPlano);
    for (TCheckBox *box : { CheckBoxAtualizarParcelasVencidas,
                            CheckBoxAtualizarParcelasFuturas,
                            CheckBoxAtualizarVinculacaoAPI })
        manager.Bind(box, box->text()).IgnoreSave().Default(QStringLiteral("FALSE"));
}

void TFormViewAtualizacaoValoresPlanos::RectangleAtualizarClick()
{
    TAppUtils::MessageSystem(QStringLiteral(
        "WARNING:Caso haja assinatura de cartão de crédito vinculada, somente serão afetadas "
        "mensalidades futuras.\r\nAtualização de parcelas vencidas só serão alteradas no "
        "sistema, não sendo possível atualizar na API financeira.\r\n\r\nATENÇÃO: ESSE PROCESSO "
        "PODE DEMORAR UM POUCO."));
    TFormViewAtualizacaoValores::RectangleAtualizarClick();
}

void TFormViewAtualizacaoValoresPlanos::fillRegistroNaoListados(TAtualizacaoValoresDto &ARegistro)
{
    auto &plano = static_cast<TPlanosAtualizacaoValoresDto &>(ARegistro);
    plano.AtualizarParcelasVencidas = CheckBoxAtualizarParcelasVencidas->isChecked();
    plano.AtualizarParcelasFuturas = CheckBoxAtualizarParcelasFuturas->isChecked();
    plano.AtualizarVinculacaoAPI = CheckBoxAtualizarVinculacaoAPI->isChecked();
    plano.PercentualValorPlano = valorDe(EditPercentualValorPlano);
}

void TFormViewAtualizacaoValoresPlanos::applyGlobais(TAtualizacaoValoresDto &ARegistro)
{
    fillRegistroNaoListados(ARegistro);
    auto &plano = static_cast<TPlanosAtualizacaoValoresDto &>(ARegistro);
    plano.NovoValorPlano
        = TAtualizacaoValoresAplicarPercentual(plano.ValorPlanoAtual, plano.PercentualValorPlano);
}

TAtualizacaoValoresFrameAdapter *TFormViewAtualizacaoValoresPlanos::newFrame()
{
    return new TPlanosAtualizacaoValoresFrameAdapter(VertScrollBoxDados);
}

void TFormViewAtualizacaoValoresPlanos::fillFrameColumns(TMemTable &ADataSet,
                                                         TAtualizacaoValoresFrameAdapter &AFrame)
{
    auto &frame = static_cast<TPlanosAtualizacaoValoresFrameAdapter &>(AFrame);
    const auto field
        = [&ADataSet](const char *AName) { return ADataSet.FieldByName(QLatin1String(AName)); };
    frame.FindItemControl(frame.EditValorPlanoAtual->objectName())
        ->SetValueControl(field("VALOR_PLANO_ATUAL")->DisplayText());
    frame.EditPercentualValorPlano->setText(
        FormatFloat(QStringLiteral("0.00"), field("PERCENTUAL_VALOR_PLANO")->AsFloat()));
    frame.EditNovoValorPlano->setText(
        FormatFloat(QStringLiteral("0.00"), field("NOVO_VALOR_PLANO")->AsFloat()));
    frame.CheckBoxAtualizarParcelasVencidas->setChecked(
        field("ATUALIZAR_PARCELAS_VENCIDAS")->AsBoolean());
    frame.CheckBoxAtualizarParcelasFuturas->setChecked(
        field("ATUALIZAR_PARCELAS_FUTURAS")->AsBoolean());
    frame.CheckBoxAtualizarVinculacaoAPI->setChecked(
        field("ATUALIZAR_VINCULACAO_API")->AsBoolean());
}

void TFormViewAtualizacaoValoresPlanos::saveFrameColumns(TMemTable &ADataSet,
                                                         TAtualizacaoValoresFrameAdapter &AFrame)
{
    auto &frame = static_cast<TPlanosAtualizacaoValoresFrameAdapter &>(AFrame);
    const auto field
        = [&ADataSet](const char *AName) { return ADataSet.FieldByName(QLatin1String(AName)); };
    field("PERCENTUAL_VALOR_PLANO")->SetAsFloat(valorDe(frame.EditPercentualValorPlano, &frame));
    field("NOVO_VALOR_PLANO")->SetAsFloat(valorDe(frame.EditNovoValorPlano, &frame));
    field("ATUALIZAR_PARCELAS_VENCIDAS")
        ->SetAsBoolean(frame.CheckBoxAtualizarParcelasVencidas->isChecked());
    field("ATUALIZAR_PARCELAS_FUTURAS")
        ->SetAsBoolean(frame.CheckBoxAtualizarParcelasFuturas->isChecked());
    field("ATUALIZAR_VINCULACAO_API")
        ->SetAsBoolean(frame.CheckBoxAtualizarVinculacaoAPI->isChecked());
}
