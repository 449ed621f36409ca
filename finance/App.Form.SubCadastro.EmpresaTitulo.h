#pragma once

#include "App.Form.SubCadastro.Base.Titulo.h"

// "Empresa de Título": the shares per company of the title being edited. A new row proposes the
// company the user is working in.
class TFormSubCadastroEmpresaTitulo final : public TFormBaseSubCadastroTitulo
{
public:
    explicit TFormSubCadastroEmpresaTitulo(QWidget *AParent = nullptr);

    TLabel *LabelEmpresa;
    TEdit *EditEmpresa;

protected:
    double findValorInDataSet() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void afterClearForm() override;
};
