#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Unidades Federativas": lists, creates, edits and removes the states (name and
// abbreviation). Opened from a menu, or from a city window's state edit, which the postal-code
// cascade fills with the abbreviation only: the person types the name and saves.
class TFormCadastroUnidadeFederativa final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroUnidadeFederativa(QWidget *AParent = nullptr);

    TLabel *LabelNome;
    TEdit *EditNome;
    TLabel *LabelSigla;
    TEdit *EditSigla;

    // The abbreviation edit takes ASigla.
    void fillSigla(const QString &ASigla);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
