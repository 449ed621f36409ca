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
class TFormBaseCadastro : public TFormBaseMetodoCadastro
{
public:
    ~TFormBaseCadastro() override;

    TListFillDados &ListFillDados() const { return *FListFillDados; }

    void executeNovo(QObject *Sender) override;
    void executeEditar(QObject *Sender) override;
    void executeRemover(QObject *Sender) override;
    void executeVisualizar(QObject *Sender) override;
    // Reads FIdRegistro on a worker thread; the record tab shows when it has ended, also after
    // a failure. The sender is not used.
    void fillCadastroOfBuscarRegistro(bool AClearDataSet, QObject *Sender) override;
    void afterFillForm() override;
    void reloadDados() override;
    void fillPaginate() override;
    // A record read is running.
    bool IsLoadingRegistro() const { return m_loadingRegistro; }

protected:
    explicit TFormBaseCadastro(const QString &AClassName, QWidget *AParent = nullptr);

    void FormCreate() override;

    std::unique_ptr<TListFillDados> FListFillDados;

private:
    // The id carried by a row frame (its tag text); 0 for no sender.
    static std::int64_t idOfSender(QObject *Sender);

    bool m_loadingRegistro = false;
};
