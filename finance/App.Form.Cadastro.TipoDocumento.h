#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Tipo de Documentos": lists, creates, edits and removes the document types chosen on financial
// titles. Opened from a menu by class name.
class TFormCadastroTipoDocumento final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroTipoDocumento(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelSigla;
    TEdit *EditSigla;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
