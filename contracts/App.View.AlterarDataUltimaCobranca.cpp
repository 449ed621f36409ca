#include "App.View.AlterarDataUltimaCobranca.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.AlterarDataUltimaCobranca.h"
#include "Common.Dto.AlterarDataUltimaCobrancaImportacaoContrato.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"

#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewAlterarDataUltimaCobranca)

TFormViewAlterarDataUltimaCobranca::TFormViewAlterarDataUltimaCobranca(QWidget *AParent)
    : TFormBaseViewOperacaoContrato(QStringLiteral("TFormViewAlterarDataUltimaCobranca"), AParent)
{
    setWindowTitle(
        QStringLiteral("ALTERAR DATA DA ÚLTIMA COBRANÇA PAGA EM PLANOS ATIVOS POR CONTRATO"));
    const TPlacement place(LayoutCampos, 18, 30);
    place.Field(LabelContrato, EditContrato, u"Contrato", 16, 12, 500);
    place.Field(LabelData, DateEditData, u"Data", 532, 12, 180);
    LabelJustificativa = place.Caption(QStringLiteral("LabelJustificativa"), 16, 72);
    place.Control(MemoJustificativa, u"Justificativa", 16, 90, 696, 180);
}

std::unique_ptr<TBasePresenter> TFormViewAlterarDataUltimaCobranca::createPresenter()
{
    return TBasePresenter::Create<TAlterarDataUltimaCobrancaPresenter>();
}

void TFormViewAlterarDataUltimaCobranca::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditContrato, QStringLiteral("Contrato"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelContrato)
        .Lookup(QStringLiteral("TPesquisaContrato"))
        .CodigoPersonalizado();
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    manager.Bind(MemoJustificativa, QStringLiteral("Justificativa"))
        .MaxLength(200)
        .Caption(LabelJustificativa);
}

void TFormViewAlterarDataUltimaCobranca::RectangleGravarClick()
{
    if (!confirmar(QStringLiteral("a alteração da data da última cobrança paga nos planos ativos "
                                  "do contrato selecionado")))
        return;

    // The worker reads only this copy, never the view.
    auto alteracao = std::make_shared<TAlterarDataUltimaCobrancaImportacaoContratoDto>();
    alteracao->Id = FPresenter->FindItemControl(QStringLiteral("EditContrato"))->Id;
    alteracao->Data = DateEditData->date();
    alteracao->OcorrenciaManual = MemoJustificativa->linesText();
    const QPointer<TFormViewAlterarDataUltimaCobranca> self(this);
    // The work reads only what was copied from the controls.
    RunLongActionThen(
        [alteracao] {
            // A presenter of the worker's own: the view may be closed while the request runs.
            TBasePresenter::Create<TAlterarDataUltimaCobrancaPresenter>()
                ->AlterarDataUltimaCobrancaImportacao(*alteracao);
        },
        [self](bool AFalhou) {
            if (AFalhou || !self)
                return;
            TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
            // Ready for the next contract, the date back to today.
            self->Presenter().ManagerControls().Clear();
        });
}
