#include "App.Base.Form.SubCadastro.h"

#include "App.Base.Adapter.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Control.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "TabControl.h"

#include <QPointer>

namespace {

const QString kSubCadastroMessagePermission
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");

const QString kNotLinkedFilter = QStringLiteral("ID_REGISTRO_FK = 0 or ID_REGISTRO_FK = null");

} // namespace

void TFormBaseSubCadastro::requireSubCadastroPermission(bool APermission)
{
    if (!APermission)
        throw Exception(kSubCadastroMessagePermission);
}

TFormBaseSubCadastro::TFormBaseSubCadastro(const QString &AClassName, QWidget *AParent)
    : TFormBaseMetodoCadastro(AClassName, AParent)
{
    RectangleTitle->setHeight(30);
    LabelTitleForm->setHeight(30);
    LabelTitleForm->setFontSize(16);
    SpeedButtonMaximizar = new TSpeedButton(RectangleTitle, QStringLiteral("SpeedButtonMaximizar"));
    SpeedButtonMaximizar->setSize(30, 30);
    SpeedButtonMaximizar->setAlign(TAlignLayout::Left);
    SpeedButtonMaximizar->setStyleLookup(QStringLiteral("arrowuptoolbutton"));
    SpeedButtonMaximizar->OnClick = [this](QObject *Sender) { SpeedButtonMaximizarClick(Sender); };
    SpeedButtonClose->setEnabled(false);
    SpeedButtonClose->setVisible(false);
    // A child list is never searched by text.
    ToolBarPesquisa->setVisible(false);
    SpeedButtonNovoEdicao->setVisible(false);
    VertScrollBoxControls->setMargins(5, 5, 5, 5);
    SpeedButtonRetornar->OnClick = [this](QObject *Sender) { SpeedButtonRetornarClick(Sender); };
}

void TFormBaseSubCadastro::FormCreate()
{
    FIsSubForm = true;
    // The search tool bar is hidden: "new" sits in the title strip.
    SetParentControl(SpeedButtonNovo, RectangleTitle);
    SpeedButtonNovo->setSize(30, 30);
    SpeedButtonNovo->setAlign(TAlignLayout::Right);
    AniIndicatorLoading->setVisible(false);
    AniIndicatorLoading->setEnabled(false);
    AniIndicatorLoading->lower();
    TFormBaseMetodoCadastro::FormCreate();
}

TMemTable &TFormBaseSubCadastro::DataSetSubCadastro() const
{
    return FPresenter->DataSetInfo();
}

TBaseSubCadastroPresenter *TFormBaseSubCadastro::PresenterSubCadastro() const
{
    // A descendant that created another kind of presenter broke the contract of this class.
    auto *presenter = dynamic_cast<TBaseSubCadastroPresenter *>(FPresenter.get());
    Q_ASSERT(presenter);
    return presenter;
}

void TFormBaseSubCadastro::SetIdRegistroFK(std::int64_t AValue)
{
    FPresenter->IdRegistroFK = AValue;
}

template<class F>
void TFormBaseSubCadastro::forEachSubCadastro(F &&AAction) const
{
    for (const QPointer<TFormBaseMetodoCadastro> &child : FListSubCadastros) {
        if (auto *form = dynamic_cast<TFormBaseSubCadastro *>(child.data())) {
            // From now on its rows follow this window's open row.
            form->m_isNested = true;
            AAction(*form);
        }
    }
}

std::int64_t TFormBaseSubCadastro::idRegistroOfSender(QObject *Sender)
{
    if (const auto *frame = qobject_cast<TFrameBaseAdapter *>(Sender))
        return frame->IdRegistro();
    return 0;
}

// --- Record operations ---------------------------------------------------------------------

void TFormBaseSubCadastro::executeNovo(QObject *Sender)
{
    (void)Sender;
    TDravikHandleException::Guard([this] {
        requireSubCadastroPermission(FPermissionInserir);
        FIsViewForm = false;
        clearForm(false);
        FPresenter->IsViewForm = false;
        FPresenter->EnabledControls();
        changeTab(1);
    });
}

void TFormBaseSubCadastro::executeEditar(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requireSubCadastroPermission(FPermissionEditar);
        if (!FIsViewForm && qobject_cast<TFrameBaseAdapter *>(Sender))
            FIdRegistro = idRegistroOfSender(Sender);
        FIsViewForm = false;
        fillCadastroOfBuscarRegistro(false, Sender);
    });
}

void TFormBaseSubCadastro::executeRemover(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requireSubCadastroPermission(FPermissionRemover);
        if (TBaseSubCadastroPresenter *presenter = PresenterSubCadastro())
            presenter->Delete(idRegistroOfSender(Sender));
    });
}

void TFormBaseSubCadastro::executeVisualizar(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requireSubCadastroPermission(FPermissionVisualizar);
        FIsViewForm = true;
        if (qobject_cast<TFrameBaseAdapter *>(Sender))
            FIdRegistro = idRegistroOfSender(Sender);
        fillCadastroOfBuscarRegistro(false, Sender);
    });
}

void TFormBaseSubCadastro::fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender)
{
    (void)AClearDataSet;
    (void)Sender;
    buscarRegistro(FIdRegistro, false);
    changeTab(1);
}

// --- The list --------------------------------------------------------------------------------

void TFormBaseSubCadastro::fillLocal(bool AIsFillForm)
{
    TMemTable &table = FPresenter->DataSetInfo();
    if (!(m_isNested && FPresenter->IdRegistroFK == 0 && table.Active())) {
        FFrameList->fillDadosSubCadastro(AIsFillForm, false, nullptr, QString(), 0, nullptr);
        return;
    }
    // The parent row is new: "no parent row" would list the rows of every other parent row
    // too, where they could be changed or removed as if they were this one's. Only the rows
    // typed for the new row are its own.
    // A long list lets the event loop run while it is built; the window may go meanwhile.
    const QPointer<TFormBaseSubCadastro> self = this;
    FFrameList->InitialFillDados();
    try {
        table.SetFiltered(false);
        table.SetFilter(kNotLinkedFilter);
        table.SetFiltered(true);
        if (table.RecordCount() > 0)
            FFrameList->SetDataSetToFrame(true);
        if (!self)
            return;
    } catch (...) {
        if (!self)
            throw;
        FFrameList->CompleteFillDados(TTypePosition::tpTop, nullptr);
        if (!AIsFillForm)
            throw;
        return;
    }
    FFrameList->CompleteFillDados(TTypePosition::tpTop, nullptr);
}

void TFormBaseSubCadastro::executeFillDados()
{
    fillLocal(FIsFillForm);
}

void TFormBaseSubCadastro::reloadDados()
{
    fillLocal(true);
}

void TFormBaseSubCadastro::executeFillDadosSubCadastro(bool AIsFillForm)
{
    FIsFillForm = AIsFillForm;
    // Later, once the controls' own reactions to this fill have run.
    const QPointer<TFormBaseSubCadastro> self = this;
    const auto endFill = [self] {
        TAppUtils::DelayedExecute([self] {
            if (self)
                self->FIsFillForm = false;
        });
    };
    try {
        executePesquisa();
    } catch (...) {
        endFill();
        throw;
    }
    endFill();
}

void TFormBaseSubCadastro::fillPaginate()
{
    if (Paginate.Page == 0)
        Paginate.Page = 1;
    if (Paginate.Limit == 0)
        Paginate.Limit = 100;
    if (const TBaseService *service = FPresenter->Service()) {
        Paginate.TotalRegistros = service->TotalRecords();
        Paginate.TotalPages = service->TotalPages();
    }
    const TMemTable &table = FPresenter->DataSetInfo();
    Paginate.CountList = table.Active() ? table.RecordCount() : 0;
    FPresenter->Paginate = Paginate;
    TFormBaseMetodoCadastro::fillPaginate();
}

void TFormBaseSubCadastro::SpeedButtonRetornarClick(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        SearchEditButtonPesquisarClick(Sender);
        changeTab(0);
    });
}

void TFormBaseSubCadastro::afterSave()
{
    TFormBaseMetodoCadastro::afterSave();
    if (!FIsOnlyRecno)
        SpeedButtonFirstClick(nullptr);
}

// --- Grandchildren -------------------------------------------------------------------------

void TFormBaseSubCadastro::afterFillForm()
{
    TFormBaseMetodoCadastro::afterFillForm();
    forEachSubCadastro([this](TFormBaseSubCadastro &AChild) {
        AChild.SetIdRegistroFK(FIdRegistro);
        AChild.executeFillDadosSubCadastro(FIsFillForm);
    });
}

void TFormBaseSubCadastro::afterClearForm()
{
    TFormBaseMetodoCadastro::afterClearForm();
    forEachSubCadastro([](TFormBaseSubCadastro &AChild) {
        AChild.SetIdRegistroFK(0);
        // Rows typed for a new row that is being left unsaved would otherwise be linked to
        // the next new row stored here.
        if (TBaseSubCadastroPresenter *presenter = AChild.PresenterSubCadastro())
            presenter->removeRecnoNotRgistroFK();
        AChild.ClearSubForm(false, true);
    });
}

void TFormBaseSubCadastro::afterChangeTab()
{
    TFormBaseMetodoCadastro::afterChangeTab();
    if (!IsListTabActive())
        return;
    // Rows typed for a child row that was never stored have no parent any more.
    forEachSubCadastro([](TFormBaseSubCadastro &AChild) {
        if (TBaseSubCadastroPresenter *presenter = AChild.PresenterSubCadastro())
            presenter->removeRecnoNotRgistroFK();
    });
}

void TFormBaseSubCadastro::SetInfoPresenter()
{
    TFormBaseMetodoCadastro::SetInfoPresenter();
    if (TBaseSubCadastroPresenter *presenter = PresenterSubCadastro())
        presenter->ProcUpdateAfterSave = [this] { updateAfterSave(); };
}

void TFormBaseSubCadastro::updateAfterSave()
{
    const std::int64_t idRegistro = FPresenter->IdRegistro;
    forEachSubCadastro([idRegistro](TFormBaseSubCadastro &AChild) {
        if (TBaseSubCadastroPresenter *presenter = AChild.PresenterSubCadastro())
            presenter->updateInfoRegistroFK(idRegistro);
    });
}

void TFormBaseSubCadastro::ClearSubForm(bool AClearDataSet, bool AIsClearFrameList)
{
    clearForm(AClearDataSet);
    if (AIsClearFrameList)
        FFrameList->ClearList();
    if (!FIsOnlyRecno)
        changeTab(0);
}

// --- Look ------------------------------------------------------------------------------------

void TFormBaseSubCadastro::SpeedButtonMaximizarClick(QObject *Sender)
{
    (void)Sender;
    TDravikHandleException::Guard([this] {
        const std::unique_ptr<TFormContainer> container = TFormContainer::New();
        container->SetFormView(this, true).Execute();
    });
}

void TFormBaseSubCadastro::ApplyThemeApp()
{
    TFormBaseMetodoCadastro::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    RectangleTitle->setFillColor(theme.ColorApp().SecondaryColor);
    LabelTitleForm->setFontColor(theme.ColorApp().TextPrimaryColor);
    LabelTitleForm->setTextFont(theme.FontApp().PrimaryFont());
}
