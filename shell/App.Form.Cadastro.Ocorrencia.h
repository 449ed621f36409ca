#pragma once

#include "App.Base.Form.Cadastro.h"

class TCheckBox;
class TDateEdit;
class TEdit;
class TLabel;

// The audit trail: every record created, changed or removed through the system and the reasons
// typed before removals and cancellations, filtered by kind of record, record id, user, period
// and removals only. Occurrences are only read: the window has no new record and its rows offer
// only a button that shows the occurrence's full text.
class TFormCadastroOcorrencia final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroOcorrencia(QWidget *AParent = nullptr);

    TCheckBox *CheckBoxFilterSomenteDelete;
    TLabel *LabelFilterPeriodoDataInicial;
    TDateEdit *DateEditFilterPeriodoDataInicial;
    TLabel *LabelFilterPeriodoDataFinal;
    TDateEdit *DateEditFilterPeriodoDataFinal;
    TLabel *LabelFilterNomeClasse;
    TEdit *EditFilterNomeClasse;
    TLabel *LabelFilterIdObjeto;
    TEdit *EditFilterIdObjeto;
    TLabel *LabelFilterUsuario;
    TEdit *EditFilterUsuario;

    void SetInfoPresenter() override;
    void enablePanelFilter() override;
    void fillListFilterControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;

protected:
    void FormCreate() override;

private:
    // Shows one occurrence's text read-only in the modal container; the view lives for this
    // one showing.
    void visualizarAlteracoes(TFrameBaseAdapter *AFrame);
};
