#include "App.Form.Cadastro.Especialidade.h"

#include "App.Adapter.Frame.Especialidade.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Especialidade.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroEspecialidade)

TFormCadastroEspecialidade::TFormCadastroEspecialidade(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroEspecialidade"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Especialidades"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
}

void TFormCadastroEspecialidade::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEspecialidadePresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroEspecialidade::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(200)
        .Caption(LabelDescricao);
}

void TFormCadastroEspecialidade::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEspecialidadeFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroEspecialidade::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}
