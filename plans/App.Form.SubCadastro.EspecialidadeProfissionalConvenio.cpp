#include "App.Form.SubCadastro.EspecialidadeProfissionalConvenio.h"

#include "App.Adapter.Frame.EspecialidadeProfissionalConvenio.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.EspecialidadeProfissionalConvenio.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroEspecialidadeProfissionalConvenio::
    TFormSubCadastroEspecialidadeProfissionalConvenio(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroEspecialidadeProfissionalConvenio"),
                           AParent)
{
    setWindowTitle(QStringLiteral("Especialidades do Profissional"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelEspecialidade, EditEspecialidade, u"Especialidade", 8, 8, 569);
}

void TFormSubCadastroEspecialidadeProfissionalConvenio::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEspecialidadeProfissionalConvenioPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroEspecialidadeProfissionalConvenio::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditEspecialidade, QStringLiteral("Especialidade"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEspecialidade)
        .Lookup(QStringLiteral("TPesquisaEspecialidade"));
}

void TFormSubCadastroEspecialidadeProfissionalConvenio::fillFrameItem(TMemTable &ADataSet,
                                                                      TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEspecialidadeProfissionalConvenioFrameAdapter>(
        VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroEspecialidadeProfissionalConvenio::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditEspecialidade);
}
