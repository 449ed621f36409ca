#include "App.Form.Cadastro.Funcao.h"

#include "App.Adapter.Frame.Funcao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Funcao.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroFuncao)

TFormCadastroFuncao::TFormCadastroFuncao(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroFuncao"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Funções de Colaboradores"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
}

void TFormCadastroFuncao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFuncaoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroFuncao::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .Caption(LabelDescricao);
}

void TFormCadastroFuncao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TFuncaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroFuncao::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}
