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
#include "SysUtils.h"

#include <QPointer>

namespace {

const QString kMessagePermission
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");

void requirePermission(bool APermission)
{
    if (!APermission)
        throw Exception(kMessagePermission);
}

} // namespace

TFormBaseCadastro::TFormBaseCadastro(const QString &AClassName, QWidget *AParent)
    : TFormBaseMetodoCadastro(AClassName, AParent)
{ }

TFormBaseCadastro::~TFormBaseCadastro()
{
    FListFillDados.reset();
}

void TFormBaseCadastro::FormCreate()
{
    TFormBaseMetodoCadastro::FormCreate();
    FListFillDados = std::make_unique<TListFillDados>();
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
            *overlay = TFormContainer::New();
            (*overlay)->Execute();
            if (!self)
                return;
            self->AniIndicatorLoading->raise();
            self->AniIndicatorLoading->setEnabled(true);
            self->AniIndicatorLoading->setVisible(true);
            self->beforeBuscarRegistro(id, AClearDataSet);
        },
        [self, id] {
            if (self)
                self->readRegistro(id);
        },
        [self, overlay](bool AIsError) {
            overlay->reset();
            if (!self)
                return;
            try {
                if (!AIsError)
                    self->afterBuscarRegistro();
            } catch (...) {
                self->FIsFillForm = false;
                self->m_loadingRegistro = false;
                self->changeTab(1);
                throw;
            }
            self->FIsFillForm = false;
            self->m_loadingRegistro = false;
            self->changeTab(1);
            self->AniIndicatorLoading->setEnabled(false);
            self->AniIndicatorLoading->setVisible(false);
            self->AniIndicatorLoading->lower();
            self->LayoutEdicao->update();
        },
        [](const TWorkerThread &sender) {
            TAppUtils::HandleTerminateThread(sender.FatalException());
        },
        [](const QString &message) { TAppUtils::UtilsException(message); });
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
