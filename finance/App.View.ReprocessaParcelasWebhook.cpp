#include "App.View.ReprocessaParcelasWebhook.h"

#include "App.Adapter.Frame.StatusLogWebhook.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.StatusLogWebhook.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "Common.Lib.Utils.h"

#include "Align.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>

#include <memory>
#include <optional>

ZUNTA_REGISTER_FORM(TFormViewReprocessaParcelasWebhook)

namespace {

const QString ReprocessamentoOcorrenciaTitulo = QStringLiteral(
    "PARA PROSSEGUIR É NECESSÁRIO INCLUIR A OCORRÊNCIA MANUAL DO MOTIVO DE CANCELAMENTO DO "
    "REPROCESSAMENTO SELECIONADO");

} // namespace

TFormViewReprocessaParcelasWebhook::TFormViewReprocessaParcelasWebhook(QWidget *AParent)
    : TFormBaseMetodoCadastro(QStringLiteral("TFormViewReprocessaParcelasWebhook"), AParent)
{
    setWindowTitle(QStringLiteral("REPROCESSAMENTO WEBHOOK"));
    SpeedButtonNovo->setStyleLookup(QStringLiteral("refreshtoolbuttonbordered"));
    SpeedButtonStatusReprocessamento
        = new TSpeedButton(ToolBarPesquisa, QStringLiteral("SpeedButtonStatusReprocessamento"));
    SpeedButtonStatusReprocessamento->setSize(40, 40);
    SpeedButtonStatusReprocessamento->setAlign(TAlignLayout::Right);
    SpeedButtonStatusReprocessamento->setStyleLookup(QStringLiteral("infotoolbutton"));
    SpeedButtonStatusReprocessamento->OnClick = [this](QObject *) { StatusReprocessamento(); };
}

void TFormViewReprocessaParcelasWebhook::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TStatusLogWebhookPresenter>());
    TFormBaseMetodoCadastro::SetInfoPresenter();
}

void TFormViewReprocessaParcelasWebhook::ApplyThemeApp()
{
    TFormBaseMetodoCadastro::ApplyThemeApp();
    AddPermissionMovimentar(SpeedButtonNovo);
}

void TFormViewReprocessaParcelasWebhook::afterFormCreate()
{
    TFormBaseMetodoCadastro::afterFormCreate();
    SetControlFocus(EditPesquisar);
}

void TFormViewReprocessaParcelasWebhook::SetFocusedPrincipalComponent()
{
    EditPesquisar->setFocus();
}

void TFormViewReprocessaParcelasWebhook::fillPaginate()
{
    Paginate.TotalRegistros = FPresenter->Paginate.TotalRegistros;
    Paginate.TotalPages = FPresenter->Paginate.TotalPages;
    Paginate.CountList = FPresenter->Paginate.CountList;
    TFormBaseMetodoCadastro::fillPaginate();
}

void TFormViewReprocessaParcelasWebhook::reloadDados()
{
    FFrameList->fillDados(
        FIsFillForm,
        TTypePosition::tpCurrentPosition,
        [this] { changeEnabledControls(); },
        true,
        true,
        false,
        QString());
}

void TFormViewReprocessaParcelasWebhook::fillFrameItem(TMemTable &ADataSet,
                                                       TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TStatusLogWebhookFrameAdapter>(VertScrollBoxDados, ADataSet);
    AFrame = frame;
    frame->ProcVisualizarPossivelSolucao
        = [this](TFrameBaseAdapter *AItem) { VisualizarPossivelSolucao(AItem); };
    frame->ProcExclusao = [this](TFrameBaseAdapter *AItem) { ExclusaoFrame(AItem); };
    TFormBaseMetodoCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormViewReprocessaParcelasWebhook::VisualizarPossivelSolucao(TFrameBaseAdapter *AFrame)
{
    auto *frame = qobject_cast<TStatusLogWebhookFrameAdapter *>(AFrame);
    if (!frame)
        return;
    const QString titulo = QStringLiteral("POSSÍVEL SOLUÇÃO");
    std::unique_ptr<TFormSubViewOcorrenciaManual> view(
        TFormBase::Create<TFormSubViewOcorrenciaManual>());
    view->SetSomenteLeitura(true);
    view->setWindowTitle(titulo);
    view->LabelTitleForm->setText(titulo);
    view->LabelTitleOcorrencia->setText(titulo);
    view->MemoOcorrencia->setText(frame->PossivelSolucao);
    auto container = TFormContainer::New();
    container->SetFormView(view.get(), false);
    container->Execute();
}

void TFormViewReprocessaParcelasWebhook::ExclusaoFrame(TFrameBaseAdapter *AFrame)
{
    const std::int64_t id = TUtils::StrEmptyToInt64(AFrame->TagString);
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                   { QStringLiteral("o cancelamento do reprocessamento selecionado") }))
        != mrYes)
        return;

    std::optional<QString> justificativa;
    {
        std::unique_ptr<TFormSubViewOcorrenciaManual> view(
            TFormBase::Create<TFormSubViewOcorrenciaManual>());
        view->SetSomenteLeitura(false);
        view->SetNaoMostrarMensagem(true);
        view->LabelTitleOcorrencia->setText(ReprocessamentoOcorrenciaTitulo);
        TFormSubViewOcorrenciaManual *memo = view.get();
        view->SetProcSalvar(
            [memo, &justificativa] { justificativa = memo->MemoOcorrencia->linesText(); });
        auto container = TFormContainer::New();
        container->SetModifyBackgroundApoio(false);
        container->SetFormView(view.get(), false);
        container->Execute();
    }
    if (!justificativa) {
        TAppUtils::MessageSystem(
            Format(QStringLiteral("WARNING:É necessário preencher o campo %s para prosseguir."),
                   { QStringLiteral("justificativa") }));
        return;
    }

    const QPointer<TFormViewReprocessaParcelasWebhook> self(this);
    const QString motivo = *justificativa;
    RunLongAction(
        [id, motivo] {
            TBasePresenter::Create<TStatusLogWebhookPresenter>()->cancelamentoReprocessamento(
                id, motivo);
        },
        [self] {
            TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
            if (self)
                self->SpeedButtonFirstClick(nullptr);
        });
}

void TFormViewReprocessaParcelasWebhook::executeNovo(QObject *Sender)
{
    (void)Sender;
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { QStringLiteral("o reprocessamento") })
            + QStringLiteral("\r\nATENÇÃO: ESSE PROCESSO PODE DEMORAR"))
        != mrYes)
        return;
    const QPointer<TFormViewReprocessaParcelasWebhook> self(this);
    RunLongAction([] { TBasePresenter::Create<TStatusLogWebhookPresenter>()->reprocessarParcelas(); },
                  [self] {
                      if (self)
                          self->executePesquisa();
                  });
}

void TFormViewReprocessaParcelasWebhook::StatusReprocessamento()
{
    auto mensagem = std::make_shared<QString>();
    RunLongAction(
        [mensagem] { *mensagem = TStatusLogWebhookPresenter::getMensagemStatusReprocessamento(); },
        [mensagem] { TAppUtils::MessageSystem(*mensagem); });
}
