#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TFormSubCadastroFaixaComissao;
class TLabel;

// "Faixa Horário de Comissão": the time bands of the commission table being edited, each a start
// and an end hour ("hh:mm") with its commission bands in a sub-form of its own.
class TFormSubCadastroFaixaHorarioComissao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroFaixaHorarioComissao(QWidget *AParent = nullptr);

    TLabel *LabelHoraInicial;
    TEdit *EditHoraInicial;
    TLabel *LabelHoraFinal;
    TEdit *EditHoraFinal;

    // The bands of the open time band, a child of this window.
    TFormSubCadastroFaixaComissao *FormFaixaComissao = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
};
