#pragma once

#include "App.Base.Form.Cadastro.h"

#include <memory>

class IOrdemContratoCarteiraContratoPresenter;
class TCheckBox;
class TEdit;
class TLabel;
class TOrdemContratoCarteiraPresenter;

// "ORDENAR CONTRATOS PELA CARTEIRA": lists the active contracts of one portfolio or one collector
// in their collection order, lets the clerk renumber them (a typed position, one step up or
// down) in memory, and sends the whole list back with the update button. The contracts are
// listed by the contract presenter, reached by class name through
// IOrdemContratoCarteiraContratoPresenter; without it the view does not open.
class TFormViewOrdemContratoCarteira final : public TFormBaseCadastro
{
public:
    explicit TFormViewOrdemContratoCarteira(QWidget *AParent = nullptr);
    ~TFormViewOrdemContratoCarteira() override;

    TLabel *LabelFilterColaborador;
    TEdit *EditFilterColaborador;
    TLabel *LabelFilterBairro;
    TEdit *EditFilterBairro;
    TLabel *LabelFilterCarteira;
    TEdit *EditFilterCarteira;
    TLabel *LabelFilterDiaVencimentoInicial;
    TEdit *EditFilterDiaVencimentoInicial;
    TLabel *LabelFilterDiaVencimentoFinal;
    TEdit *EditFilterDiaVencimentoFinal;
    TCheckBox *CheckBoxFilterApenasContratosAtivos;

    TOrdemContratoCarteiraPresenter *PresenterOrdem() const { return m_ordem.get(); }

    void ApplyThemeApp() override;
    // The update button: asks, then sends every listed contract with its order on a worker and
    // searches again.
    void SpeedButtonNovoClick(QObject *Sender);

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void enablePanelFilter() override;
    void fillListFilterControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    // Searches only with a collector or a portfolio chosen in the filters.
    void executeFillDados() override;

private:
    IOrdemContratoCarteiraContratoPresenter *m_contratos = nullptr;
    std::unique_ptr<TOrdemContratoCarteiraPresenter> m_ordem;
};
