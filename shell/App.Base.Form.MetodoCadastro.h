#pragma once

#include "App.Base.Form.View.h"
#include "App.Base.Presenter.h"
#include "App.Lib.Paginate.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TButtonGrupoMenu;
class TEdit;
class TEditButton;
class TFrameBaseAdapter;
class TFormContainer;
class TFrameList;
class TItemControl;
class TLine;
class TMemTable;
class TTabControl;
class TTabItem;
class TToolBar;

// The skeleton of every registration window: a list tab where rows are searched and paged from
// the back end, and a record tab where one record is created, edited, viewed and saved through
// the one save procedure. The record tab is divided into groups (steps) chosen from a column of
// group buttons; a group is a scroll box of the window's own controls or a whole embedded child
// registration window. Child windows registered with RegisterSubCadastro are saved first, with
// the parent's save.
//
// A descendant creates its presenter in its SetInfoPresenter override (switching FIsComplexPost
// on for aggregates) and then calls this one; adds its bound controls in fillListControl after
// this one; adds its groups in changeListMenuGrupo; and creates and registers its child windows
// in FormCreate before calling the inherited one. The event handlers are not virtual: a
// descendant that wants another reaction rebinds the button's OnClick, so the save procedure's
// own calls always reach these versions.
class TFormBaseMetodoCadastro : public TFormBaseView
{
public:
    ~TFormBaseMetodoCadastro() override;

    // --- Components (beyond the view window's) ----------------------------------------------
    TTabControl *TabControlCadastro;
    TTabItem *TabItemPesquisa;
    TToolBar *ToolBarPesquisa;
    TSpeedButton *SpeedButtonNovo;
    TEdit *EditPesquisar;
    TEditButton *SearchEditButtonPesquisar;
    TEditButton *ClearEditButtonPesquisar;
    TRectangle *RectangleFooter;
    TLabel *Label1;
    TLabel *LabelQuantidadeRegistros;
    TRectangle *RectangleControlPage;
    TSpeedButton *SpeedButtonFirst;
    TSpeedButton *SpeedButtonLast;
    TSpeedButton *SpeedButtonNext;
    TSpeedButton *SpeedButtonPrior;
    TLabel *Label2;
    TLabel *LabelPaginacao;
    TLabel *Label3;
    TLabel *LabelRegistrosListados;
    TRectangle *RectangleBackgroundPesquisa;
    TVertScrollBox *VertScrollBoxDados;
    TTabItem *TabItemEdicao;
    TToolBar *ToolBarEdicao;
    TSpeedButton *SpeedButtonRetornar;
    TSpeedButton *SpeedButtonSalvar;
    TSpeedButton *SpeedButtonNovoEdicao;
    TSpeedButton *SpeedButtonEditar;
    TLayout *LayoutEdicao;
    TLayout *LayoutGrupos;
    TLine *Line1;
    TVertScrollBox *VertScrollBoxGrupos;
    TLayout *Layout4;
    TSpeedButton *SpeedButtonPriorPageEdicao;
    TSpeedButton *SpeedButtonNextPageEdicao;
    TLayout *LayoutControls;
    TLayout *LayoutTopEdicao;
    TRectangle *RectangleTopEdicao;
    TLabel *LabelTopText;
    TEdit *EditID;
    TLayout *LayoutInformacoesSuperiorDireito;
    TLabel *LabelID;
    TLabel *LabelInformacoesSuperiorDireito;
    TVertScrollBox *VertScrollBoxControls;

    // Paging state of the list.
    TPaginate Paginate;

    // --- Properties --------------------------------------------------------------------------
    // Enters lookup mode for that control (not owned); null only forgets the stored one.
    void SetItemControlPesquisa(TItemControl *AItemControl) override;
    bool IsOnlyRecno() const { return FIsOnlyRecno; }
    void SetIsOnlyRecno(bool AValue) { FIsOnlyRecno = AValue; }
    QWidget *ControlFocus() const { return FControlFocus.data(); }
    void SetControlFocus(QWidget *AValue) { FControlFocus = AValue; }
    void SetIsReturn(bool AValue) { FIsReturn = AValue; }
    bool ExecuteNewOnlyInThis() const { return FExecuteNewOnlyInThis; }
    void SetExecuteNewOnlyInThis(bool AValue) { FExecuteNewOnlyInThis = AValue; }
    TFrameList *FrameList() const { return FFrameList.get(); }
    TBasePresenter *Presenter() const { return FPresenter.get(); }
    std::int64_t IdRegistro() const { return FIdRegistro; }
    bool IsViewForm() const { return FIsViewForm; }
    bool IsSaved() const { return FIsSaved; }
    bool IsSubForm() const { return FIsSubForm; }
    bool IsRegisteredSubForm() const { return FIsRegisteredSubForm; }
    const std::vector<std::unique_ptr<TButtonGrupoMenu>> &ListMenuGrupo() const
    {
        return FListMenuGrupo;
    }
    TButtonGrupoMenu *ActiveMenuGrupo() const { return FActiveMenuGrupo; }

    void SetIsComplexPost(bool AValue) { FIsComplexPost = AValue; }
    void SetIsRegistroFechado(bool AValue) { FIsRegistroFechado = AValue; }
    void SetIsSubForm(bool AValue) { FIsSubForm = AValue; }
    void SetIsViewForm(bool AValue) { FIsViewForm = AValue; }
    void SetPresenter(std::unique_ptr<TBasePresenter> AValue);
    void SetIdRegistro(std::int64_t AValue) { FIdRegistro = AValue; }
    void SetIsFillForm(bool AValue) { FIsFillForm = AValue; }

    // --- Overrides ---------------------------------------------------------------------------
    void CloseForm() override;
    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

    // --- Event handlers ----------------------------------------------------------------------
    void SpeedButtonCloseClick(QObject *Sender);
    void SpeedButtonFirstClick(QObject *Sender);
    void SpeedButtonNextClick(QObject *Sender);
    void SpeedButtonPriorClick(QObject *Sender);
    void SpeedButtonLastClick(QObject *Sender);
    void SearchEditButtonPesquisarClick(QObject *Sender);
    void ClearEditButtonPesquisarClick(QObject *Sender);
    void
    EditPesquisarKeyDown(QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift);
    void EditPesquisarChangeTracking(QObject *Sender);
    void EditIDChange(QObject *Sender);
    void SpeedButtonRetornarClick(QObject *Sender);
    // The one save procedure. Its failures are shown, or, while a parent saves this window,
    // raised again titled "<Form:" + title + ">".
    void SpeedButtonSalvarClick(QObject *Sender);
    void SpeedButtonNovoClick(QObject *Sender);
    void SpeedButtonNovoEdicaoClick(QObject *Sender);
    void SpeedButtonEditarClick(QObject *Sender);
    void SpeedButtonNextPageEdicaoClick(QObject *Sender);
    void SpeedButtonPriorPageEdicaoClick(QObject *Sender);

    // --- Child windows -----------------------------------------------------------------------
    // Saves this window as part of its parent's save: only when its record tab is showing.
    void saveSubCadastro();
    void SetIsRegisteredSubForm(bool AValue) { FIsRegisteredSubForm = AValue; }
    // A group of this window's own controls (AForm null) or of a child window.
    void AddMenuGrupo(const QString &AText,
                      TVertScrollBox *AOriginVertScroll,
                      QWidget *AControlFocus,
                      std::function<void()> AProcShow,
                      TFormBaseMetodoCadastro *AForm,
                      bool AChildExecuteNewWhileNoRecords);
    // A child window shown as a group titled AText; its own title becomes AText in upper case.
    void AddSubCadastro(const QString &AText,
                        TFormBaseMetodoCadastro *AForm,
                        std::function<void()> AProcShow,
                        bool AIsOnlyRecno,
                        bool AChildExecuteNewWhileNoRecords);
    // A child window saved, first, with this window (not owned). A second registration of the
    // same window shows an error and changes nothing.
    void RegisterSubCadastro(TFormBaseMetodoCadastro *AForm);
    const std::vector<QPointer<TFormBaseMetodoCadastro>> &ListSubCadastros() const
    {
        return FListSubCadastros;
    }

    // 0 = the list tab, 1 = the record tab.
    void changeTab(int ATab);
    bool IsListTabActive() const;

    // --- Virtual operations ------------------------------------------------------------------
    virtual void executeNovo(QObject *Sender) = 0;
    virtual void executeEditar(QObject *Sender) = 0;
    virtual void executeRemover(QObject *Sender) = 0;
    virtual void executeVisualizar(QObject *Sender) = 0;
    virtual void fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender) = 0;
    virtual void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame);
    virtual void fillListControl();
    virtual void afterFillForm() { }
    virtual void afterFillListControl() { }
    virtual void afterEnabledControls() { }
    virtual void beforeChangeTab() { }
    virtual void afterChangeTab();
    virtual void SetInfoPresenter();
    virtual void fillTopText() { }
    virtual void afterFormCreate() { }
    virtual void setModeOnlyRecno();
    virtual void reloadDados() = 0;
    virtual void fillPaginate();
    virtual void changeListMenuGrupo() { }
    virtual void executeFillDados();
    virtual void beforeSave() { }
    virtual void afterSave() { }
    virtual void afterSearch() { }
    virtual void returnListSubForm();
    virtual void removeFrame(TFrameBaseAdapter *AFrame);
    virtual void editFrame(TFrameBaseAdapter *AFrame);
    virtual void viewFrame(TFrameBaseAdapter *AFrame);
    virtual void afterClearForm();

protected:
    explicit TFormBaseMetodoCadastro(const QString &AClassName, QWidget *AParent = nullptr);

    void FormCreate() override;

    // Runs a search with the current page and limit.
    void executePesquisa();
    // Clears the record tab: first group, a fresh entity, the controls emptied.
    void clearForm(bool AClearDataSet);
    // Loads the record into the record tab on the calling (main) thread.
    void buscarRegistro(std::int64_t AId, bool AClearDataSet);
    // The parts of buscarRegistro around the presenter's read, for a load split between the
    // main thread (before, after) and a worker (the read).
    void beforeBuscarRegistro(std::int64_t AId, bool AClearDataSet);
    void readRegistro(std::int64_t AId);
    void afterBuscarRegistro();
    bool confirmSave();
    // The wait overlay over the window and its loading indicator, while a request runs; the
    // overlay is the caller's until it hands it back to endWait.
    std::unique_ptr<TFormContainer> beginWait();
    void endWait(std::unique_ptr<TFormContainer> &AOverlay);
    void changeEnabledControls();
    void updateButtonsEdicao();
    void SetInfoFrameList();
    // Groups.
    void clickMenuGrupo(TButtonGrupoMenu *AButton);
    void updatePageEdicaoButtons(int AIndex);
    void setLinesMenuGrupo();
    void selectFirstMenuGrupo();
    static void executeNewWhileNoRecords(TFormBaseMetodoCadastro *AForm);

    bool FIsSubForm = false;
    bool FIsActiveSave = false;
    bool FIsRegisteredSubForm = false;
    bool FIsSavedSubForm = false;
    std::vector<QPointer<TFormBaseMetodoCadastro>> FListSubCadastros;
    std::int64_t FIdRegistro = 0;
    TButtonGrupoMenu *FActiveMenuGrupo = nullptr;
    std::unique_ptr<TFrameList> FFrameList;
    bool FIsViewForm = false;
    bool FIsComplexPost = false;
    TItemControl *FItemControlPesquisa = nullptr;
    bool FIsClosingForm = false;
    bool FIsOnlyRecno = false;
    bool FIsNewRecord = false;
    bool FIsSaved = false;
    std::unique_ptr<TBasePresenter> FPresenter;
    QPointer<QWidget> FControlFocus;
    std::vector<std::unique_ptr<TButtonGrupoMenu>> FListMenuGrupo;
    bool FIsFillForm = false;
    bool FIsReturn = true;
    bool FIsRegistroFechado = false;
    bool FExecuteNewOnlyInThis = false;
    // The paging strip of the list tab, on Paginate.
    TPaginateControl FPaginateControl { Paginate };

private:
    // The save procedure's steps 1 to 12; SpeedButtonSalvarClick wraps its failures.
    void saveRecord(QObject *Sender);
    int indexOfMenuGrupo(const TButtonGrupoMenu *AButton) const;
};
