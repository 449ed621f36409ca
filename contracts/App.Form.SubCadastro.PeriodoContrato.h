#pragma once

#include "App.Base.Form.SubCadastro.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TDateEdit;
class TEdit;
class TLabel;
class TFormSubCadastroPlanoPeriodoContrato;

// "Períodos de Vigência": the validity periods of the contract, each with the plans sold in it
// (the plan window, embedded in the period's record tab and saved with it). A contract brought
// over from another company records that company, its contract date there and the instalments
// already paid there.
class TFormSubCadastroPeriodoContrato final : public TFormBaseSubCadastro
{
public:
    // APlanos: the plan window the contract window creates (not owned).
    explicit TFormSubCadastroPeriodoContrato(TFormSubCadastroPlanoPeriodoContrato *APlanos,
                                             QWidget *AParent = nullptr);

    TLabel *LabelDataContrato;
    TDateEdit *DateEditDataContrato;
    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelDataContratoTransferencia;
    TDateEdit *DateEditDataContratoTransferencia;
    TLabel *LabelParcelasPagas;
    TEdit *EditParcelasPagas;
    TLabel *LabelFidelidade;
    TEdit *EditFidelidade;
    TVertScrollBox *VertScrollBoxPlano;
    TFormSubCadastroPlanoPeriodoContrato *const FormPlanoPeriodoContrato;

    // Set by the contract connector: removes the contract services of each plan ListIdsPlanos
    // gives.
    void SetProcExcluirServicosContrato(std::function<void()> AValue)
    {
        m_procExcluirServicosContrato = std::move(AValue);
    }
    // The plans (ID_PLANO) of the plan rows the plan window shows, first to last. While a period
    // is being removed: the plans of that period's rows only, leaving out plans another period
    // still sells, so their contract services stay.
    const std::vector<std::int64_t> &ListIdsPlanos();

    // Fills "Qtde. Parcelas Pagas" with the months between the transfer date and the contract
    // date when it is empty or 0 and both dates are given.
    void calcularParcelasPagas();

    // Checks the remove permission, removes the contract services of the period's plans, then
    // the period with its plans.
    void executeRemover(QObject *Sender) override;
    void afterFillForm() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void FormCreate() override;
    void changeListMenuGrupo() override;
    void fillTopText() override;

private:
    std::function<void()> m_procExcluirServicosContrato;
    std::vector<std::int64_t> m_listIdsPlanos;
    // The ID_REGISTRO of the period being removed, while ProcExcluirServicosContrato runs.
    std::optional<std::int64_t> m_idRegistroRemovido;
};
