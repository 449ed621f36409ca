#include "App.Form.SubCadastro.ProfissionalConvenio.h"

#include "App.Adapter.Frame.ProfissionalConvenio.h"
#include "App.Form.SubCadastro.EspecialidadeProfissionalConvenio.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ProfissionalConvenio.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroProfissionalConvenio::TFormSubCadastroProfissionalConvenio(
    TFormSubCadastroEspecialidadeProfissionalConvenio *AEspecialidade, QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroProfissionalConvenio"), AParent)
    , m_especialidade(AEspecialidade)
{
    setWindowTitle(QStringLiteral("Profissionais"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);
}

void TFormSubCadastroProfissionalConvenio::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    RegisterSubCadastro(m_especialidade);
}

void TFormSubCadastroProfissionalConvenio::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TProfissionalConvenioPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroProfissionalConvenio::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditPessoa,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Especialidades"), m_especialidade, nullptr, false, false);
}

void TFormSubCadastroProfissionalConvenio::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditPessoa, QStringLiteral("Profissional"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
}

void TFormSubCadastroProfissionalConvenio::fillFrameItem(TMemTable &ADataSet,
                                                         TFrameBaseAdapter *&AFrame)
{
    AFrame
        = TFrameBaseAdapter::New<TProfissionalConvenioFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroProfissionalConvenio::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormSubCadastroProfissionalConvenio::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}
