#pragma once

#include "App.Base.Form.MetodoCadastro.h"

#include <cstdint>

class TBaseSubCadastroPresenter;
class TMemTable;
class TSpeedButton;

// Base of every child registration window: the list and the editing of one kind of child record
// (a person's addresses, a contract's members) shown as a group inside its parent's record tab.
// It never talks to the back end: its rows live in its presenter's list table, loaded with the
// parent record, edited, added and removed there, and sent with the parent's aggregate save.
// Rows are tied to their parent row through ID_REGISTRO_FK; a child window with children of
// its own (grandchildren, registered with RegisterSubCadastro) keeps them in step with the
// child row that is open.
//
// A descendant creates its TBaseSubCadastroPresenter descendant in its SetInfoPresenter override
// and then calls this one.
class TFormBaseSubCadastro : public TFormBaseMetodoCadastro
{
public:
    TSpeedButton *SpeedButtonMaximizar;

    // The presenter's list table.
    TMemTable &DataSetSubCadastro() const;
    TBaseSubCadastroPresenter *PresenterSubCadastro() const;
    // The ID_REGISTRO of the parent row whose children are shown; 0 shows every row.
    void SetIdRegistroFK(std::int64_t AValue);

    void ApplyThemeApp() override;
    void executeNovo(QObject *Sender) override;
    // Sender: the row frame, or, while a row is viewed, the Editar button (that row is reopened).
    void executeEditar(QObject *Sender) override;
    void executeRemover(QObject *Sender) override;
    void executeVisualizar(QObject *Sender) override;
    // Opens FIdRegistro (an ID_REGISTRO) from the table on the main thread; the arguments are
    // not used: the list table is never emptied by opening a row.
    void fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender) override;
    void afterFillForm() override;
    void afterChangeTab() override;
    void SetInfoPresenter() override;
    void reloadDados() override;
    void fillPaginate() override;
    void executeFillDados() override;
    void afterSave() override;
    void afterClearForm() override;

    // The presenter's ProcUpdateAfterSave: the grandchild rows typed while the stored row had no
    // number yet now point to it.
    virtual void updateAfterSave();
    // Shows the rows of the parent row set with SetIdRegistroFK; called by the parent window
    // when it opens a record.
    virtual void executeFillDadosSubCadastro(bool AIsFillForm);
    // Clears the record tab (the list table too with AClearDataSet), the listed rows with
    // AIsClearFrameList (the table keeps them), and goes back to the list; called by parents
    // when their record is cleared.
    virtual void ClearSubForm(bool AClearDataSet, bool AIsClearFrameList);

    // Shows the window maximised in the modal container until its close button is pressed.
    void SpeedButtonMaximizarClick(QObject *Sender);
    // Back to the list, searched again, without asking anything. Bound to SpeedButtonRetornar in
    // place of the skeleton's handler; the save procedure's own return still uses that one.
    void SpeedButtonRetornarClick(QObject *Sender);

protected:
    explicit TFormBaseSubCadastro(const QString &AClassName, QWidget *AParent = nullptr);
    // Raises the child windows' refusal ("WARNING:Seu usuário não possui permissão neste
    // recurso.") without the permission; for removals that act before the base removal.
    static void requireSubCadastroPermission(bool APermission);

    void FormCreate() override;

private:
    // The registered child windows that are child registration windows (the grandchildren).
    template<class F>
    void forEachSubCadastro(F &&AAction) const;
    // The row a row frame holds; 0 when the sender is no row frame.
    static std::int64_t idRegistroOfSender(QObject *Sender);
    // Rebuilds the list from the table without reading the back end.
    void fillLocal(bool AIsFillForm);

    // Registered in a child window: its rows belong to that window's open row.
    bool m_isNested = false;
};
