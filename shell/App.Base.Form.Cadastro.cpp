#include "App.Base.Form.Cadastro.h"

#include "App.Base.Adapter.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.Utils.h"

#include "AniIndicator.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Layouts.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "TabControl.h"

#include <QPointer>

#include <exception>

namespace {

const QString kMessagePermission
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kQuestionDiscard = QStringLiteral(
    "QUESTION:Após a confirmação, as informações preenchidas serão perdidas.\r\nDeseja continuar?");
constexpr int kAnswerNo = 7;
constexpr TAlphaColor kColorLightGray = 0xFFD3D3D3;
const QString kStyleFiltroHidden = QStringLiteral("arrowdowntoolbutton");
const QString kStyleFiltroShown = QStringLiteral("arrowuptoolbutton");

void requirePermission(bool APermission)
{
    if (!APermission)
        throw Exception(kMessagePermission);
}

} // namespace

TFormBaseCadastro::TFormBaseCadastro(const QString &AClassName, QWidget *AParent)
    : TFormBaseMetodoCadastro(AClassName, AParent)
{
    SpeedButtonFiltro = new TSpeedButton(ToolBarPesquisa, QStringLiteral("SpeedButtonFiltro"));
    SpeedButtonFiltro->setWidth(40);
    SpeedButtonFiltro->setAlign(TAlignLayout::Left);
    SpeedButtonFiltro->setStyleLookup(kStyleFiltroHidden);
    SpeedButtonFiltro->OnClick = [this](QObject *Sender) { SpeedButtonFiltroClick(Sender); };

    ToolBarFiltros = new TToolBar(TabItemPesquisa, QStringLiteral("ToolBarFiltros"));
    ToolBarFiltros->setHeight(40);
    RectangleBackgroundFiltro
        = new TRectangle(ToolBarFiltros, QStringLiteral("RectangleBackgroundFiltro"));
    RectangleBackgroundFiltro->setAlign(TAlignLayout::Client);
    RectangleBackgroundFiltro->setFillColor(kColorLightGray);
    RectangleBackgroundFiltro->setStrokeColor(TAlphaColors::Null);

    SpeedButtonNovoEdicao->OnClick
        = [this](QObject *Sender) { SpeedButtonNovoEdicaoClick(Sender); };
}

TFormBaseCadastro::~TFormBaseCadastro()
{
    FListFillDados.reset();
}

void TFormBaseCadastro::FormCreate()
{
    TFormBaseMetodoCadastro::FormCreate();
    FListFillDados = std::make_unique<TListFillDados>();
    FEnabledPanelFilter = false;
    ToolBarFiltros->setAlign(TAlignLayout::Top);
    ToolBarFiltros->setPositionY(0);
    ToolBarFiltros->setVisible(false);
    enablePanelFilter();
    SpeedButtonFiltro->setVisible(FEnabledPanelFilter);
    if (!FEnabledPanelFilter)
        return;
    // The listed rows answer the old filters: they go, and the user searches again.
    FPresenter->ProcChangeControlsFilter
        = [this](QObject *Sender) { ClearEditButtonPesquisarClick(Sender); };
    fillListFilterControl();
    FPresenter->ClearFilters();
}

void TFormBaseCadastro::SpeedButtonFiltroClick(QObject *Sender)
{
    (void)Sender;
    if (!FEnabledPanelFilter)
        return;
    struct SuspendUpdates
    {
        QWidget *widget;
        ~SuspendUpdates() { widget->setUpdatesEnabled(true); }
    } suspended { TabItemPesquisa };
    TabItemPesquisa->setUpdatesEnabled(false);
    const bool show = !ToolBarFiltros->Visible();
    ToolBarFiltros->setVisible(show);
    // Top-aligned bars are stacked by position: the filter bar always comes first.
    ToolBarFiltros->setPositionY(0);
    ToolBarPesquisa->setPositionY(1000);
    SpeedButtonFiltro->setStyleLookup(show ? kStyleFiltroShown : kStyleFiltroHidden);
}

void TFormBaseCadastro::SpeedButtonNovoEdicaoClick(QObject *Sender)
{
    if (TUtils::StrEmptyToInt64(EditID->text()) == 0
        && TAppUtils::MessageSystem(kQuestionDiscard) == kAnswerNo)
        return;
    TFormBaseMetodoCadastro::SpeedButtonNovoEdicaoClick(Sender);
}

void TFormBaseCadastro::HideEdicao()
{
    TabItemEdicao->setTabVisible(false);
    SpeedButtonNovo->setVisible(false);
    SpeedButtonNovoEdicao->setVisible(false);
    SpeedButtonEditar->setVisible(false);
    SpeedButtonSalvar->setVisible(false);
    SpeedButtonRetornar->setVisible(false);
}

std::int64_t TFormBaseCadastro::idOfSender(QObject *Sender)
{
    if (const auto *frame = qobject_cast<TFrameBaseAdapter *>(Sender))
        return StrToInt64(frame->TagString);
    return 0;
}

void TFormBaseCadastro::executeNovo(QObject *Sender)
{
    (void)Sender;
    TDravikHandleException::Guard([this] {
        requirePermission(FPermissionInserir);
        FIsViewForm = false;
        FIsRegistroFechado = false;
        clearForm(true);
        changeTab(1);
        FPresenter->IsViewForm = false;
        FPresenter->EnabledControls();
    });
}

void TFormBaseCadastro::executeEditar(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requirePermission(FPermissionEditar);
        if (!FIsViewForm && Sender)
            FIdRegistro = idOfSender(Sender);
        FIsViewForm = false;
        FIsRegistroFechado = false;
        fillCadastroOfBuscarRegistro(true, Sender);
    });
}

void TFormBaseCadastro::executeRemover(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requirePermission(FPermissionRemover);
        FPresenter->Delete(idOfSender(Sender));
    });
}

void TFormBaseCadastro::executeVisualizar(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requirePermission(FPermissionVisualizar);
        FIsViewForm = true;
        FIsRegistroFechado = false;
        if (Sender)
            FIdRegistro = idOfSender(Sender);
        fillCadastroOfBuscarRegistro(true, Sender);
    });
}

void TFormBaseCadastro::fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender)
{
    (void)Sender;
    // The read runs on the worker; clearing, filling the controls and the child lists on the
    // main thread, in the order of buscarRegistro.
    const QPointer<TFormBaseCadastro> self = this;
    const std::int64_t id = FIdRegistro;
    auto overlay = std::make_shared<std::unique_ptr<TFormContainer>>();
    m_loadingRegistro = true;
    TUtils::CustomThread(
        [self, overlay, id, AClearDataSet] {
            if (!self)
                return;
            *overlay = self->beginWait();
            self->beforeBuscarRegistro(id, AClearDataSet);
        },
        [self, id] {
            if (self)
                self->readRegistro(id);
        },
        [self, overlay](bool AIsError) {
            if (!self) {
                overlay->reset();
                return;
            }
            std::exception_ptr failure;
            bool loaded = !AIsError;
            if (loaded) {
                try {
                    self->afterBuscarRegistro();
                } catch (...) {
                    failure = std::current_exception();
                    loaded = false;
                }
            }
            self->FIsFillForm = false;
            self->m_loadingRegistro = false;
            self->endWait(*overlay);
            if (loaded) {
                self->changeTab(1);
                self->LayoutEdicao->update();
            } else {
                self->abandonFailedLoad();
            }
            if (failure)
                std::rethrow_exception(failure);
        },
        [](const TWorkerThread &sender) {
            TAppUtils::HandleTerminateThread(sender.FatalException());
        },
        [](const QString &message) { TAppUtils::UtilsException(message); });
}

void TFormBaseCadastro::abandonFailedLoad()
{
    // The controls were cleared before the read: left on the record tab they would be saved as
    // a new record, or over the record that was asked for.
    if (FItemControlPesquisa) {
        ExecuteProcCloseForm();
        return;
    }
    changeTab(0);
}

void TFormBaseCadastro::afterFillForm()
{
    FListFillDados->SetIdPrincipal(TUtils::StrEmptyToInt64(EditID->text()));
    FListFillDados->Execute();
    TFormBaseMetodoCadastro::afterFillForm();
}

void TFormBaseCadastro::reloadDados()
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

void TFormBaseCadastro::fillPaginate()
{
    Paginate.TotalRegistros = FPresenter->Paginate.TotalRegistros;
    Paginate.TotalPages = FPresenter->Paginate.TotalPages;
    Paginate.CountList = FPresenter->Paginate.CountList;
    TFormBaseMetodoCadastro::fillPaginate();
}
