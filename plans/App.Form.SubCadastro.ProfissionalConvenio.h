#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;
class TFormSubCadastroEspecialidadeProfissionalConvenio;

// "Profissionais": the professionals of the agreement being edited. Each professional's record
// tab holds, besides the person, the sub-form of his or her specialties, registered here as this
// window's own sub-form.
class TFormSubCadastroProfissionalConvenio final : public TFormBaseSubCadastro
{
public:
    // AEspecialidade: the specialty sub-form (not owned).
    explicit TFormSubCadastroProfissionalConvenio(
        TFormSubCadastroEspecialidadeProfissionalConvenio *AEspecialidade,
        QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void fillTopText() override;

private:
    TFormSubCadastroEspecialidadeProfissionalConvenio *m_especialidade;
};
