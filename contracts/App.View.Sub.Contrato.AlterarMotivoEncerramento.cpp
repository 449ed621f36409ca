#include "App.View.Sub.Contrato.AlterarMotivoEncerramento.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Contrato.AlterarMotivoEncerramento.h"
#include "App.Presenter.Contrato.h"
#include "Common.Dto.AlterarMotivoEncerramentoContrato.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "SpeedButton.h"
#include "SysUtils.h"

ZUNTA_REGISTER_FORM(TFormSubViewContratoAlterarMotivoEncerramento)

TFormSubViewContratoAlterarMotivoEncerramento::TFormSubViewContratoAlterarMotivoEncerramento(
    QWidget *AParent)
    : TFormBaseViewOperacaoContrato(QStringLiteral("TFormSubViewContratoAlterarMotivoEncerramento"),
                                    AParent)
{
    setWindowTitle(QStringLiteral("ALTERAR MOTIVO DE ENCERRAMENTO DO CONTRATO"));
    resize(761, 420);
    const TPlacement place(LayoutCampos, 18, 30);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 16, 12, 500);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 532, 12, 180);
    LabelOcorrenciaManual = place.Caption(QStringLiteral("LabelOcorrenciaManual"), 16, 72);
    place.Control(MemoOcorrencia, u"Ocorrencia", 16, 90, 696, 180);
}

std::unique_ptr<TBasePresenter> TFormSubViewContratoAlterarMotivoEncerramento::createPresenter()
{
    return TBasePresenter::Create<TAlterarMotivoEncerramentoContratoPresenter>();
}

void TFormSubViewContratoAlterarMotivoEncerramento::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditMotivo, QStringLiteral("Motivo do Encerramento"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("09"));
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Encerramento"))
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataFinal);
    manager.Bind(MemoOcorrencia, QStringLiteral("Ocorrência Manual"))
        .Upper()
        .MaxLength(255)
        .Caption(LabelOcorrenciaManual);
}

void TFormSubViewContratoAlterarMotivoEncerramento::RectangleGravarClick()
{
    const QString ocorrencia = MemoOcorrencia->linesText();
    if (ocorrencia.isEmpty())
        throw Exception(
            Format(QStringLiteral("WARNING:É necessário preencher o campo %s para prosseguir."),
                   { QStringLiteral("ocorrência manual") }));
    if (!confirmar(QStringLiteral("a alteração do motivo de encerramento do contrato")))
        return;

    // The worker reads only this copy, never the view.
    auto alteracao = std::make_shared<TAlterarMotivoEncerramentoContratoDto>();
    alteracao->Id = FIdContrato;
    alteracao->IdMotivo = FPresenter->FindItemControl(QStringLiteral("EditMotivo"))->Id;
    alteracao->DataFinal = DateEditDataFinal->date();
    alteracao->OcorrenciaManual = ocorrencia;
    auto aceita = std::make_shared<bool>(false);
    // The work reads only what was copied from the controls.
    RunLongActionThen(
        [alteracao, aceita] {
            // The contract presenter's action shows the outcome itself.
            *aceita = TBasePresenter::Create<TContratoPresenter>()->AlterarMotivoEncerramento(
                *alteracao);
        },
        [this, aceita](bool AFalhou) {
            if (!AFalhou && *aceita)
                SpeedButtonClose->OnClick(SpeedButtonClose);
        });
}
