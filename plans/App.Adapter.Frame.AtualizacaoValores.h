#pragma once

#include "App.Base.Adapter.h"

#include <memory>

class TCheckBox;
class TDateEdit;
class TEdit;
class TItemControl;
class TManagerControl;

// An editable row of a bulk price update: the current value and validity, and the new validity
// with a percentage and a new value that follow each other. The row is in edit until saved; the
// window hands it its edit, save and remove procedures.
class TAtualizacaoValoresFrameAdapter : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TAtualizacaoValoresFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});
    ~TAtualizacaoValoresFrameAdapter() override;

    TLabel *LabelDescricao;
    TLabel *LabelValorAtual;
    TEdit *EditValorAtual;
    TLabel *LabelVigenciaAtual;
    TDateEdit *DateEditVigenciaAtual;
    TLabel *LabelVigenciaNova;
    TDateEdit *DateEditVigenciaNova;
    TLabel *LabelNovoValor;
    TEdit *EditNovoValor;
    TLabel *LabelPercentual;
    TEdit *EditPercentual;
    TSpeedButton *SpeedButtonEdit;
    TSpeedButton *SpeedButtonGravar;
    TSpeedButton *SpeedButtonRemover;

    bool EmEdicao = true;
    TProcFrame ProcEditar;
    TProcFrame ProcSalvar;
    TProcFrame ProcRemover;

    // The row's binding of that control; null for any other name.
    TItemControl *FindItemControl(const QString &AComponentName) const;
    // The values and validity edits open exactly while the row is in edit.
    virtual void enabledControls();

    void SpeedButtonEditClick();
    void SpeedButtonGravarClick();
    void SpeedButtonRemoverClick();

protected:
    // Registers the row's bindings; descendants add theirs after the base ones.
    virtual void fillListControl();
    // Runs the bindings' registration, then empties the controls to their defaults; for the end
    // of the constructor of the leaf row.
    void prepareControls();
    // One pair's link, each way: the other edit gets the computed text, with the guard keeping
    // that change from starting the reverse computation.
    static void linkPercentual(TEdit *AAtual, TEdit *APercentual, TEdit *ANovo, bool &AGuard);
    static void linkNovoValor(TEdit *AAtual, TEdit *APercentual, TEdit *ANovo, bool &AGuard);

    std::unique_ptr<TManagerControl> m_managerControl;

private:
    bool m_calculando = false;
};
