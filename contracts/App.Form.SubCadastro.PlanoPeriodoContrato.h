#pragma once

#include "App.Base.Form.SubCadastro.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class TContratoPresenter;
class TFrameList;
class TPlanoDependenteContratoFrameAdapter;
class TPlanoDependenteContratoPresenter;
class TDateEdit;
class TEdit;
class TLabel;
class TPlanoPeriodoContratoPresenter;
enum class TTypeEventProc;

// "Planos do Contrato": the plans sold in a validity period, edited inside the period's record
// tab. Choosing a plan brings its values (and, for an insurer's plan, a default end date and the
// end-of-contract reason); saving a plan keeps the contract total and the contract's add-ons in
// step, gives the period its fidelity days, marks whether the contract save must register a
// cancellation or suspension, and offers the plan's end date to the contract's members. Its
// second group, "Vincular Dependentes", ticks the contract's members the plan covers; the choices
// reach the contract's member-plan links when the plan is saved.
class TFormSubCadastroPlanoPeriodoContrato final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroPlanoPeriodoContrato(QWidget *AParent = nullptr);
    ~TFormSubCadastroPlanoPeriodoContrato() override;

    TLabel *LabelPlano;
    TEdit *EditPlano;
    TLabel *LabelValorPlano;
    TEdit *EditValorPlano;
    TLabel *LabelValorParcela;
    TEdit *EditValorParcela;
    TLabel *LabelPrimeiroVencimento;
    TDateEdit *DateEditPrimeiroVencimento;
    TLabel *LabelParcelaInicial;
    TEdit *EditParcelaInicial;
    TLabel *LabelUltimaCobrancaImportacao;
    TDateEdit *DateEditUltimaCobrancaImportacao;
    TLabel *LabelSaldoImportado;
    TEdit *EditSaldoImportado;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;
    TLabel *LabelColaborador;
    TEdit *EditColaborador;
    TVertScrollBox *VertScrollBoxPlanoDependenteContrato;
    TSpeedButton *ButtonMarcar;
    TSpeedButton *ButtonDesmarcar;

    // Set by the contract connector.
    void SetProcTotalizadorContrato(std::function<void()> AValue)
    {
        m_procTotalizadorContrato = std::move(AValue);
    }
    void SetProcAdicionarServicosContrato(std::function<void()> AValue)
    {
        m_procAdicionarServicosContrato = std::move(AValue);
    }
    void SetProcExcluirServicosContrato(std::function<void()> AValue)
    {
        m_procExcluirServicosContrato = std::move(AValue);
    }
    // Not owned.
    void SetContratoPresenter(TContratoPresenter *AValue) { m_contratoPresenter = AValue; }
    void SetListPlanoDependenteContratoRemove(QStringList *AValue)
    {
        m_listPlanoDependenteContratoRemove = AValue;
    }

    // The plan chosen in the lookup, or the plan of the row being removed.
    std::int64_t IdPlano() const { return m_idPlano; }
    // The end date found changed at the last plan save.
    TDateTime DataFinalAtualizada() const { return m_dataFinalAtualizada; }
    // Whether the contract save must register a cancellation, or a suspension, occurrence: set
    // from the text of a changed end reason.
    bool IsMotivoCancelamento() const { return m_isMotivoCancelamento; }
    bool IsMotivoSuspensao() const { return m_isMotivoSuspensao; }
    bool IsDataFinalDiferente() const { return m_isDataFinalDiferente; }
    // The contract window clears it after each contract save; clearing it also forgets the
    // occurrence marks and the changed end date, so the next save does not repeat them.
    void SetIsDataFinalDiferente(bool AValue);

    TPlanoPeriodoContratoPresenter *PresenterPlano() const;
    // The working table of the member check-list (owned).
    TPlanoDependenteContratoPresenter *PlanoDependenteContratoPresenter() const
    {
        return m_planoDependenteContratoPresenter.get();
    }

    // Prepares the member check-list and builds its rows: the plan's links from the contract's
    // table (or, for a saved plan, the back end), then a row for each member not linked yet,
    // switched on for a new plan or a member added since the contract was opened.
    void prepararPlanoDependenteContrato();
    // Tick or untick every row; each change goes through the rows' selection handler.
    void ButtonMarcarClick();
    void ButtonDesmarcarClick();
    // The plan row's menu: one choice, which opens the plan's signature picture.
    void abrirMenuAssinatura(TFrameBaseAdapter *AFrame);
    // Reads the signature of the plan of the period IdPlanoPeriodoContrato (an unreadable one
    // opens the view empty, without a message) and shows it in its view until it is closed.
    void abrirAssinatura();
    std::int64_t IdPlanoPeriodoContrato() const { return m_idPlanoPeriodoContrato; }
    void SetIdPlanoPeriodoContrato(std::int64_t AValue) { m_idPlanoPeriodoContrato = AValue; }
    // Writes the rows' choices into the contract's member-plan links.
    void gravarPlanoDependenteContrato();

    // Checks the remove permission, removes the contract services of the row's plan, then the
    // row.
    void executeRemover(QObject *Sender) override;
    // A contract opened or started (the tables cleared) starts without the last contract's
    // occurrence marks, end date and reason.
    void ClearSubForm(bool AClearDataSet, bool AIsClearFrameList) override;

    void beforeSave() override;
    void updateAfterSave() override;
    void afterSave() override;
    void afterFillForm() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
    void afterClearForm() override;

private:
    void procPesquisaPlano(TBaseDto *ARecord, TTypeEventProc AEvent);
    void resetMarcasContrato();
    void atualizarDataFinalDependentes();
    void fillFramePlanoDependente(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame);
    void selecionarPlanoDependente(TFrameBaseAdapter *AFrame);
    QList<TPlanoDependenteContratoFrameAdapter *> linhasPlanoDependente() const;
    void marcarTodos(bool AMarcado);
    std::int64_t idPlanoPeriodoContrato() const;

    std::unique_ptr<TPlanoDependenteContratoPresenter> m_planoDependenteContratoPresenter;
    std::unique_ptr<TFrameList> m_frameListPlanoDependenteContrato;

    std::function<void()> m_procTotalizadorContrato;
    std::function<void()> m_procAdicionarServicosContrato;
    std::function<void()> m_procExcluirServicosContrato;
    TDateTime m_dataFinalInicial;
    TDateTime m_dataFinalAtualizada;
    std::int64_t m_idPlanoPeriodoContrato = 0;
    std::int64_t m_idPlano = 0;
    QString m_motivoInicial;
    bool m_isPlanoNovo = false;
    bool m_isMotivoSuspensao = false;
    bool m_isMotivoCancelamento = false;
    bool m_isDataFinalDiferente = false;
    bool m_contemAdicionalContrato = false;
    QStringList *m_listPlanoDependenteContratoRemove = nullptr;
    TContratoPresenter *m_contratoPresenter = nullptr;
};
