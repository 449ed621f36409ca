#pragma once

#include "App.Base.Form.SubCadastro.ServicoAdicional.h"

// "ADICIONAIS DE SERVIÇOS": services added to the coverage of one member of the contract, shown
// in the member window's group "Adicionais de Serviços"; the rows hang under the member row and
// travel in the member's body when the contract is saved.
class TFormSubCadastroServicoDependente final : public TFormBaseSubCadastroServicoAdicional
{
public:
    explicit TFormSubCadastroServicoDependente(QWidget *AParent = nullptr);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
