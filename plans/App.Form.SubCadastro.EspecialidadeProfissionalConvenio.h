#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Especialidades do Profissional": the specialties of the professional open in the
// professional sub-form, saved, filled and cleared with that professional.
class TFormSubCadastroEspecialidadeProfissionalConvenio final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroEspecialidadeProfissionalConvenio(QWidget *AParent = nullptr);

    TLabel *LabelEspecialidade;
    TEdit *EditEspecialidade;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
