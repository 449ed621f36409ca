#include "App.View.Sub.OcorrenciaManual.h"

#include "App.Lib.Exception.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Ocorrencia.h"

#include "Common.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>

#include <memory>
#include <optional>

ZUNTA_REGISTER_FORM(TFormSubViewOcorrenciaManual)

namespace {

const QString OcorrenciaManualSuccessMessage
    = QStringLiteral("SUCCESSOperação realizada com sucesso.");
const QString OcorrenciaManualNotFoundMessage
    = QStringLiteral("WARNING:Informações não localizadas.");

} // namespace

TFormSubViewOcorrenciaManual::TFormSubViewOcorrenciaManual(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewOcorrenciaManual"), AParent)
{
    setWindowTitle(QStringLiteral("OCORRÊNCIA"));
    resize(761, 460);

    LabelTitleOcorrencia = new TLabel(LayoutControlsForm, QStringLiteral("LabelTitleOcorrencia"));
    LabelTitleOcorrencia->setAlign(TAlignLayout::Top);
    LabelTitleOcorrencia->setHeight(40);
    LabelTitleOcorrencia->setMargins(16, 8, 16, 0);
    LabelTitleOcorrencia->setFontSize(20);
    LabelTitleOcorrencia->setText(QStringLiteral("OCORRÊNCIA"));

    // The save button's strip, so that the memo takes all the room above it.
    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });

    MemoOcorrencia = new TMemo(LayoutControlsForm, QStringLiteral("MemoOcorrencia"));
    MemoOcorrencia->setAlign(TAlignLayout::Client);
    MemoOcorrencia->setMargins(16, 8, 16, 0);
    MemoOcorrencia->setMinimumSize(QSize(320, 160));
    MemoOcorrencia->resize(729, 309);

    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

void TFormSubViewOcorrenciaManual::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    // The save button follows the Movimentar permission of this window class.
    AddPermissionMovimentar(RectangleGravar);
}

void TFormSubViewOcorrenciaManual::SetSomenteLeitura(bool Value)
{
    FSomenteLeitura = Value;
    MemoOcorrencia->setReadOnly(Value);
    RectangleGravar->setVisible(!Value);
    LabelTitleOcorrencia->setText(Value ? QStringLiteral("OCORRÊNCIAS")
                                        : QStringLiteral("OCORRÊNCIA MANUAL"));
}

void TFormSubViewOcorrenciaManual::RectangleGravarClick()
{
    const QString text = MemoOcorrencia->text();
    // A reason of blanks only says nothing, so it is refused like an empty one.
    TOcorrenciaPresenter::validarOcorrenciaManual(text);

    if (FProcSalvar) {
        // A failure of the caller's action leaves the view open with its text.
        FProcSalvar();
        if (!FNaoMostrarMensagem)
            TAppUtils::MessageSystem(OcorrenciaManualSuccessMessage);
        SpeedButtonClose->OnClick(SpeedButtonClose);
        return;
    }

    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                                        { QStringLiteral("a ocorrência manual") }))
        != mrYes)
        return;

    // The worker reads only these copies, never the view.
    struct TPost
    {
        std::int64_t IdObjeto;
        QString NomeClasse;
        QString Texto;
    };
    auto post = std::make_shared<TPost>(TPost { FIdObjeto, FNomeClasse, text });
    const QPointer<TFormSubViewOcorrenciaManual> self(this);
    // A refusal is shown by the long action, which then skips the success step.
    RunLongAction(
        [post] {
            TBasePresenter::Create<TOcorrenciaPresenter>()->gravarOcorrenciaManual(
                post->IdObjeto, post->Texto, post->NomeClasse);
        },
        [self] {
            TAppUtils::MessageSystem(OcorrenciaManualSuccessMessage);
            if (self)
                self->SpeedButtonClose->OnClick(self->SpeedButtonClose);
        });
}

void TFormSubViewOcorrenciaManual::pesquisarOcorrencias()
{
    if (FIdObjeto <= 0 || FNomeClasse.isEmpty()) {
        TAppUtils::MessageSystem(OcorrenciaManualNotFoundMessage);
        return;
    }
    struct TRead
    {
        std::int64_t IdObjeto;
        QString NomeClasse;
        std::optional<QString> Texto;
    };
    auto read = std::make_shared<TRead>(TRead { FIdObjeto, FNomeClasse, std::nullopt });
    const QPointer<TFormSubViewOcorrenciaManual> self(this);
    RunLongAction(
        [read] {
            try {
                read->Texto = TBasePresenter::Create<TOcorrenciaPresenter>()->pesquisarOcorrencias(
                    read->IdObjeto, read->NomeClasse);
            } catch (const std::exception &) {
                TAppUtils::MessageSystem(
                    ExceptionMessage(std::current_exception(), OcorrenciaManualNotFoundMessage));
            }
        },
        [read, self] {
            // A failed read leaves the memo as it was.
            if (read->Texto && self)
                self->MemoOcorrencia->setText(*read->Texto);
        });
}
