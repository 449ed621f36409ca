#pragma once

#include "App.Base.Form.View.h"
#include "App.Base.Presenter.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.Paginate.h"

#include <QString>

#include <memory>

class TEdit;
class TEditButton;
class TLabel;
class TLayout;
class TRectangle;
class TSpeedButton;
class TToolBar;
class TVertScrollBox;

// The search window of a lookup: the records of one entity found by a typed text, 100 a page,
// each row with a select button. The lookup gives it the entity's presenter, the row callback,
// the close handler and the text typed in the bound edit; with a text given the window searches
// unseen and closes, picks or shows itself by the number of matches. Docked into the main
// window's side area when shown.
class TFormBasePesquisa : public TFormBaseView
{
public:
    explicit TFormBasePesquisa(QWidget *AParent = nullptr);
    ~TFormBasePesquisa() override;

    TToolBar *ToolBarPesquisa;
    TEdit *EditPesquisar;
    TEditButton *SearchEditButtonPesquisar;
    TEditButton *ClearEditButtonPesquisar;
    TRectangle *RectangleBacgroundPesquisa;
    TVertScrollBox *VertScrollBoxDados;
    TRectangle *RectangleFooter;
    TLayout *Layout1;
    TLabel *Label3;
    TLabel *LabelRegistrosListados;
    TLayout *LayoutControl;
    TRectangle *RectangleControlPage;
    TSpeedButton *SpeedButtonLast;
    TSpeedButton *SpeedButtonNext;
    TSpeedButton *SpeedButtonPrior;
    TSpeedButton *SpeedButtonFirst;
    TLabel *LabelPaginacao;
    TLabel *Label2;

    // The entity's presenter; not owned (the lookup owns it and frees it after this window).
    TBasePresenter *Presenter() const { return FPresenter; }
    void SetPresenter(TBasePresenter *AValue) { FPresenter = AValue; }
    void SetProcFillFrameItem(TProcFillFrameItem AValue) { FProcFillFrameItem = std::move(AValue); }
    // Runs on the main thread after a page was read and before its rows are built.
    void SetProcBeforeFillFrame(TProcList AValue) { FProcBeforeFillFrame = std::move(AValue); }
    // The page shown, the page size and the counts of the last load.
    const TPaginate &Paginate() const { return FPaginate; }

    // With an empty search edit the window shows itself; otherwise it searches unseen.
    void Execute();

    void EditPesquisarKeyDown(QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers);
    void EditPesquisarChangeTracking(QObject *Sender);
    void SearchEditButtonPesquisarClick(QObject *Sender);
    void ClearEditButtonPesquisarClick(QObject *Sender);
    void SpeedButtonFirstClick(QObject *Sender);
    void SpeedButtonPriorClick(QObject *Sender);
    void SpeedButtonNextClick(QObject *Sender);
    void SpeedButtonLastClick(QObject *Sender);

    bool IgnorePermission() override { return true; }
    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

protected:
    // For the lookups' own window classes.
    TFormBasePesquisa(const QString &AClassName, QWidget *AParent);

    void FormCreate() override;

private:
    void buildForm();
    void setInfoFrameList();
    void showPesquisa();
    void layoutFooter();
    void changeDadosAndPaginate();
    void toggleControls();
    void fillPaginate();
    void autoClose();

    bool FIsAutoClose = false;
    TBasePresenter *FPresenter = nullptr;
    std::unique_ptr<TFrameList> FFrameList;
    TProcFillFrameItem FProcFillFrameItem;
    TProcList FProcBeforeFillFrame;
    TPaginate FPaginate;
    TPaginateControl FPaginateControl { FPaginate };
};
