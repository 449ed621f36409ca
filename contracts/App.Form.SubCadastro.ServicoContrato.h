#pragma once

#include "App.Base.Form.SubCadastro.ServicoAdicional.h"

#include <cstdint>

class TCheckBox;

// "Serviços Adicionais ao Contrato": services sold with the contract beside its plans, priced as
// an index over the service's price. A plan entering the contract brings its add-ons
// (adicionarServicosContrato) and takes them away when it leaves
// (excluirServicosComPlanoVinculado); rows stay in memory until the contract is saved.
class TFormSubCadastroServicoContrato final : public TFormBaseSubCadastroServicoAdicional
{
public:
    explicit TFormSubCadastroServicoContrato(QWidget *AParent = nullptr);

    TCheckBox *CheckBoxIsServicoBonificado;
    TLabel *LabelListaTipoCobranca;
    TEdit *EditListaTipoCobranca;

    // The plan's add-ons still in force whose service the contract lacks become new rows (none
    // when the plan already has rows, or for plan 0), and the list is shown again.
    void adicionarServicosContrato(std::int64_t AIdPlano);
    // Every row of the plan is removed (a saved one's id goes to the contract's remove list);
    // rows entered by hand and rows of other plans stay. Plan 0 changes nothing.
    void excluirServicosComPlanoVinculado(std::int64_t AIdPlano);

    // The contract's total, then the base removal.
    void executeRemover(QObject *Sender) override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
