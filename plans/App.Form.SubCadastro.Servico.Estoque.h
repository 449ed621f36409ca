#pragma once

#include "App.Base.Form.SubCadastro.h"

// "Estoque": the stock of the service per company, only looked at: there is no new, edit or
// save, and rows have no buttons.
class TFormSubCadastroServicoEstoque final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroServicoEstoque(QWidget *AParent = nullptr);

    // Stock rows are never created nor opened.
    void executeNovo(QObject *Sender) override;
    void executeEditar(QObject *Sender) override;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
};
