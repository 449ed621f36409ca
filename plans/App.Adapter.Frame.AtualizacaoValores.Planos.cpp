#include "App.Adapter.Frame.AtualizacaoValores.Planos.h"

#include "App.Lib.ManagerControls.h"
#include "Common.Lib.Formatter.Edit.h"

#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"

TPlanosAtualizacaoValoresFrameAdapter::TPlanosAtualizacaoValoresFrameAdapter(QWidget *AOwner,
                                                                             const QString &name)
    : TAtualizacaoValoresFrameAdapter(AOwner, name)
{
    LabelValorAtual->setText(QStringLiteral("Valor Parcela Atual:"));
    LabelNovoValor->setText(QStringLiteral("Novo Valor Parcela:"));
    const auto edit = [this](TLabel *&ALabel, const char *AName, const QString &ATitle, int x) {
        const QString name = QLatin1String(AName);
        ALabel = new TLabel(LayoutBackground, QStringLiteral("Label") + name.mid(4));
        ALabel->setText(ATitle);
        ALabel->setGeometry(x, 84, 140, 18);
        auto *control = new TEdit(LayoutBackground, name);
        control->setGeometry(x, 104, 130, 24);
        return control;
    };
    EditValorPlanoAtual = edit(
        LabelValorPlanoAtual, "EditValorPlanoAtual", QStringLiteral("Valor Plano Atual:"), 184);
    EditPercentualValorPlano = edit(LabelPercentualValorPlano,
                                    "EditPercentualValorPlano",
                                    QStringLiteral("Percentual (%):"),
                                    604);
    EditNovoValorPlano
        = edit(LabelNovoValorPlano, "EditNovoValorPlano", QStringLiteral("Novo Valor Plano:"), 744);
    const auto check = [this](const char *AName, const QString &ACaption, int x) {
        auto *box = new TCheckBox(LayoutBackground, QLatin1String(AName));
        box->setText(ACaption);
        box->setGeometry(x, 140, 200, 19);
        return box;
    };
    CheckBoxAtualizarParcelasVencidas = check(
        "CheckBoxAtualizarParcelasVencidas", QStringLiteral("Atualizar Parcelas Vencidas"), 184);
    CheckBoxAtualizarParcelasFuturas = check(
        "CheckBoxAtualizarParcelasFuturas", QStringLiteral("Atualizar Parcelas Futuras"), 394);
    CheckBoxAtualizarVinculacaoAPI
        = check("CheckBoxAtualizarVinculacaoAPI", QStringLiteral("Atualizar Vinculações API"), 604);
    setSize(width(), 168);
    SetupLabels();
    prepareControls();
}

void TPlanosAtualizacaoValoresFrameAdapter::fillListControl()
{
    TAtualizacaoValoresFrameAdapter::fillListControl();
    TManagerControl &manager = *m_managerControl;
    manager.Bind(EditValorPlanoAtual, LabelValorPlanoAtual->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .Default(QStringLiteral("0"))
        .Disabled();
    manager.Bind(EditPercentualValorPlano, LabelPercentualValorPlano->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .Default(QStringLiteral("0"))
        .OnChange([this](QObject *) {
            linkPercentual(EditValorPlanoAtual,
                           EditPercentualValorPlano,
                           EditNovoValorPlano,
                           m_calculandoPlano);
        });
    manager.Bind(EditNovoValorPlano, LabelNovoValorPlano->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .Default(QStringLiteral("0"))
        .OnChange([this](QObject *) {
            linkNovoValor(EditValorPlanoAtual,
                          EditPercentualValorPlano,
                          EditNovoValorPlano,
                          m_calculandoPlano);
        });
    for (TCheckBox *box : { CheckBoxAtualizarParcelasVencidas,
                            CheckBoxAtualizarParcelasFuturas,
                            CheckBoxAtualizarVinculacaoAPI })
        manager.Bind(box, box->text()).Default(QStringLiteral("FALSE"));
}

void TPlanosAtualizacaoValoresFrameAdapter::enabledControls()
{
    EditValorPlanoAtual->setEnabled(false);
    for (QWidget *control : std::initializer_list<QWidget *> { CheckBoxAtualizarParcelasVencidas,
                                                               CheckBoxAtualizarParcelasFuturas,
                                                               CheckBoxAtualizarVinculacaoAPI,
                                                               EditNovoValorPlano,
                                                               EditPercentualValorPlano })
        control->setEnabled(EmEdicao);
    TAtualizacaoValoresFrameAdapter::enabledControls();
}
