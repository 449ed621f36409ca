#pragma once

#include "App.Base.Form.View.h"
#include "DateTime.h"

#include <cstdint>
#include <memory>

class TAtualizacaoValoresDto;
class TAtualizacaoValoresFrameAdapter;
class TAtualizacaoValoresPresenter;
class TDateEdit;
class TEdit;
class TFrameBaseAdapter;
class TFrameList;
class TLabel;
class TMemTable;
class TRectangle;
class TSpeedButton;
class TVertScrollBox;

// The window of a bulk price update, shared by plans and services: the clerk adds records one by
// one through the lookup or all at once, sets a global percentage and validity that rows added
// afterwards start with, adjusts and saves each row, and runs the whole list with "Atualizar".
// Never opened by itself: each kind derives its own window.
class TFormViewAtualizacaoValores : public TFormBaseView
{
public:
    ~TFormViewAtualizacaoValores() override;

    TRectangle *RectangleHeader;
    TSpeedButton *SpeedButtonNovo;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelTitlePercentual;
    TEdit *EditPercentual;
    TLabel *LabelTitleVigenciaNova;
    TDateEdit *DateEditNovaVigencia;
    TRectangle *RectangleAtualizar;
    TLabel *LabelAtualizar;
    TVertScrollBox *VertScrollBoxDados;

    TAtualizacaoValoresPresenter &Presenter() const { return *FPresenter; }

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

    // Adds every record of the back end that is not listed yet.
    void SpeedButtonNovoClick();
    // The update road: the questions and the request are settled here, on the main thread; only
    // the post runs on the worker, behind the wait overlay. A run that ends without a failure
    // empties the list; a refusal, a "Não" or a warning keeps it.
    virtual void RectangleAtualizarClick();

protected:
    TFormViewAtualizacaoValores(const QString &AClassName, QWidget *AParent);

    void FormCreate() override;

    // Every record of the back end's list through addRegistro.
    virtual void addTodosRegistros();
    // The kind's own values of the row that stands for the records not listed.
    virtual void fillRegistroNaoListados(TAtualizacaoValoresDto &ARegistro) { (void)ARegistro; }
    // Registers the window's bindings.
    virtual void fillListControl();
    // Subclasses first create their presenter with SetPresenter, then call the base.
    virtual void SetInfoPresenter();
    // The row frame of the table's current row.
    virtual void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame);
    // Lists the record as a row in edit, starting from the window's global values; nothing when
    // it is already listed.
    virtual void addRegistro(TAtualizacaoValoresDto &ARegistro);

    // The kind's row frame in the scroll box.
    virtual TAtualizacaoValoresFrameAdapter *newFrame() = 0;
    // The row of the table's current row: the kind's own controls from its columns.
    virtual void fillFrameColumns(TMemTable &ADataSet, TAtualizacaoValoresFrameAdapter &AFrame)
    {
        (void)ADataSet;
        (void)AFrame;
    }
    // The kind's own columns of the table's current row (in edit) from the row's controls.
    virtual void saveFrameColumns(TMemTable &ADataSet, TAtualizacaoValoresFrameAdapter &AFrame)
    {
        (void)ADataSet;
        (void)AFrame;
    }
    // The kind's own global values into a record being listed.
    virtual void applyGlobais(TAtualizacaoValoresDto &ARegistro) { (void)ARegistro; }
    // The lookup's outcome: a record found is listed unless it is there already.
    void pesquisaRegistro(TBaseDto *ARecord);

    void SetPresenter(std::unique_ptr<TAtualizacaoValoresPresenter> APresenter);
    // The number an edit of the window or of a row holds (dots removed, decimal comma); 0 when
    // empty; a text that is no number raises the binding's message.
    double valorDe(TEdit *AEdit, const TAtualizacaoValoresFrameAdapter *AFrame = nullptr) const;
    // The global percentage and new validity (0 when empty).
    double percentualGlobal() const;
    TDateTime vigenciaGlobal() const;

    std::unique_ptr<TAtualizacaoValoresPresenter> FPresenter;
    std::unique_ptr<TFrameList> FFrameList;

private:
    // Builds the rows again from the table; the values typed into rows still in edit stay.
    void reloadFrames();
    // What was typed into the rows still in edit, into their table rows.
    void keepTypedValues();
    // The row's controls into its table row; AEmEdicao is the row's state afterwards.
    void storeFrame(TAtualizacaoValoresFrameAdapter &AFrame, bool AEmEdicao);
    void editarFrame(TFrameBaseAdapter *AFrame);
    void salvarFrame(TFrameBaseAdapter *AFrame);
    void removerFrame(TFrameBaseAdapter *AFrame);
    // Puts the table on the row of the frame; false when it is gone.
    bool locateFrame(const TFrameBaseAdapter &AFrame);
};
