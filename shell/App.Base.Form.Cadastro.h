#pragma once

#include "App.Base.Form.MetodoCadastro.h"

#include <memory>

class TListFillDados;

// Base of every main registration window: opened from a menu by class name or from a lookup
// (lookup mode), it lists one entity's records page by page from the back end and reads a chosen
// record on a worker thread behind the wait overlay. Each record operation first checks its own
// permission of the window. The record's child lists are loaded by FListFillDados once the
// record is in the controls; descendants add them with AddFrameList after the inherited
// FormCreate.
//
// A window with a filter bar sets FEnabledPanelFilter in its enablePanelFilter override and
// registers its filter controls (placed on ToolBarFiltros) in fillListFilterControl; any change
// of a filter control then empties the listed rows and the search text, and the user searches
// again.
class TFormBaseCadastro : public TFormBaseMetodoCadastro
{
public:
    ~TFormBaseCadastro() override;

    // --- Components (beyond the skeleton's) -------------------------------------------------
    TSpeedButton *SpeedButtonFiltro;
    TToolBar *ToolBarFiltros;
    TRectangle *RectangleBackgroundFiltro;

    TListFillDados &ListFillDados() const { return *FListFillDados; }
    bool EnabledPanelFilter() const { return FEnabledPanelFilter; }

    // --- Event handlers ----------------------------------------------------------------------
    // Shows or hides the filter bar, always above the search bar; nothing without a filter bar.
    void SpeedButtonFiltroClick(QObject *Sender);
    // A new record from the record tab; a record not saved yet (no id) is only thrown away
    // after the user has confirmed it.
    void SpeedButtonNovoEdicaoClick(QObject *Sender);

    void executeNovo(QObject *Sender) override;
    void executeEditar(QObject *Sender) override;
    void executeRemover(QObject *Sender) override;
    void executeVisualizar(QObject *Sender) override;
    // Reads FIdRegistro on a worker thread; the record tab shows when it has ended. A failed
    // read shows its message and goes back to the list (in lookup mode, where there is no list,
    // the window closes): the record tab is never left holding the cleared controls, whose save
    // would post a blank record. The sender is not used.
    void fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender) override;
    void afterFillForm() override;
    void reloadDados() override;
    void fillPaginate() override;
    // A record read is running.
    bool IsLoadingRegistro() const { return m_loadingRegistro; }

    // --- Virtual operations ------------------------------------------------------------------
    // A window with a filter bar sets FEnabledPanelFilter here.
    virtual void enablePanelFilter() { }
    // Registers the filter controls in the presenter's filter list; runs only with a filter bar.
    virtual void fillListFilterControl() { }

protected:
    explicit TFormBaseCadastro(const QString &AClassName, QWidget *AParent = nullptr);

    void FormCreate() override;
    // For list-only windows: the record tab and every button that leads to it are hidden.
    void HideEdicao();

    std::unique_ptr<TListFillDados> FListFillDados;
    bool FEnabledPanelFilter = false;

private:
    // The id carried by a row frame (its tag text); 0 for no sender.
    static std::int64_t idOfSender(QObject *Sender);
    // After a failed record read: back to the list, or closed in lookup mode. Nothing of the
    // window may be touched after it.
    void abandonFailedLoad();

    bool m_loadingRegistro = false;
};
