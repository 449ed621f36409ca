#include "App.Form.SubCadastro.Base.ServicoPlano.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.Plano.Calculo.h"
#include "App.Base.Presenter.h"
#include "Common.Dto.Servico.h"
#include "Common.Lib.Utils.h"

#include "Edit.h"
#include "FormatSettings.h"

void TFormBaseSubCadastroServicoPlano::afterFillForm()
{
    TFormBaseSubCadastro::afterFillForm();
    calcularValorServico();
}

void TFormBaseSubCadastroServicoPlano::ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent)
{
    const auto *servico = dynamic_cast<const TServicoDto *>(ARecord);
    if (AEvent == TTypeEventProc::epSearch && servico) {
        FValorServico = servico->Valor;
        if (!isNewRow())
            return;
        EditUtilizacao->setText(QString::number(servico->BaseUtilizacao));
        FPresenter->FindItemControl(QStringLiteral("EditListaTipoUtilizacao"))
            ->SetValueControl(QString::number(servico->ListaTipoUtilizacao));
        FPresenter->FindItemControl(QStringLiteral("EditValor"))
            ->SetValueControl(FloatToStr(servico->Valor));
    } else if (AEvent == TTypeEventProc::epClear) {
        FValorServico = 0;
        if (!isNewRow())
            return;
        EditUtilizacao->setText(QString());
        EditListaTipoUtilizacao->setText(QString());
        EditValor->setText(QString());
    }
}

void TFormBaseSubCadastroServicoPlano::calcularValorServico()
{
    const QString indice
        = FPresenter->FindItemControl(QStringLiteral("EditIndice"))->ValueControl();
    FPresenter->FindItemControl(QStringLiteral("EditValor"))
        ->SetValueControl(FloatToStr(PlanoCalculo::ValorServico(indice, FValorServico)));
}

void TFormBaseSubCadastroServicoPlano::EditIndiceChangeTracking()
{
    try {
        calcularValorServico();
    } catch (const std::exception &) {
        // A half-typed index is no failure: the value shows again once it reads.
    }
}

void TFormBaseSubCadastroServicoPlano::EditValorChangeTracking()
{
    try {
        const auto indice = PlanoCalculo::IndiceFromValor(
            FPresenter->FindItemControl(QStringLiteral("EditValor"))->ValueControl(),
            FValorServico);
        if (indice)
            FPresenter->FindItemControl(QStringLiteral("EditIndice"))
                ->SetValueControl(FloatToStr(*indice));
    } catch (const std::exception &) {
        // The index keeps its text until the value reads.
    }
}

void TFormBaseSubCadastroServicoPlano::bindServicoValor(TManagerControl &AManager,
                                                        const QString &AFixFilter)
{
    AManager.Bind(EditServico, QStringLiteral("Serviço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelServico)
        .Lookup(QStringLiteral("TPesquisaServico"), AFixFilter)
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            ProcPesquisaServico(ARecord, AEvent);
        });
    AManager.Bind(EditValor, QStringLiteral("Valor do Serviço"))
        .Required()
        .IgnoreSave()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
}

void TFormBaseSubCadastroServicoPlano::bindIndice(TManagerControl &AManager, const QString &ATitle)
{
    AManager.Bind(EditIndice, ATitle)
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .MaxLength(15)
        .Default(QStringLiteral("1"))
        .Caption(LabelIndice);
}

void TFormBaseSubCadastroServicoPlano::bindUtilizacao(TManagerControl &AManager,
                                                      const QString &AMask)
{
    AManager.Bind(EditUtilizacao, QStringLiteral("Utilização"))
        .Required()
        .Format(TFormatterEdit::Personalizado, AMask)
        .MaxLength(AMask.size())
        .Caption(LabelUtilizacao);
    AManager.Bind(EditListaTipoUtilizacao, QStringLiteral("Tipo Utilização"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoUtilizacao)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_UTILIZACAO"));
}

void TFormBaseSubCadastroServicoPlano::trackValorIndice()
{
    // The edits' own handlers: the bindings keep them and run them after their own.
    EditIndice->OnTyping = [this](QObject *) { EditIndiceChangeTracking(); };
    EditValor->OnTyping = [this](QObject *) { EditValorChangeTracking(); };
}

bool TFormBaseSubCadastroServicoPlano::isNewRow() const
{
    return TUtils::StrEmptyToInt64(EditID->text()) == 0;
}
