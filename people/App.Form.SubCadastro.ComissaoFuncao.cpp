#include "App.Form.SubCadastro.ComissaoFuncao.h"

#include "App.Adapter.Frame.ComissaoFuncao.h"
#include "App.Form.SubCadastro.TipoComissaoFuncao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ComissaoFuncao.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroComissaoFuncao::TFormSubCadastroComissaoFuncao(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroComissaoFuncao"), AParent)
{
    setWindowTitle(QStringLiteral("Comissão Função"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelFuncao, EditFuncao, u"Funcao", 8, 8, 569);
}

void TFormSubCadastroComissaoFuncao::FormCreate()
{
    FormTipoComissaoFuncao = TFormBase::Create<TFormSubCadastroTipoComissaoFuncao>(this);
    RegisterSubCadastro(FormTipoComissaoFuncao);
    TFormBaseSubCadastro::FormCreate();
}

void TFormSubCadastroComissaoFuncao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TComissaoFuncaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroComissaoFuncao::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditFuncao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(
        QStringLiteral("Tipo de Comissão Função"), FormTipoComissaoFuncao, nullptr, false, false);
}

void TFormSubCadastroComissaoFuncao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditFuncao, QStringLiteral("Função"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFuncao)
        .Lookup(QStringLiteral("TPesquisaFuncao"));
}

void TFormSubCadastroComissaoFuncao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TComissaoFuncaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroComissaoFuncao::fillTopText()
{
    LabelTopText->setText(EditFuncao->text());
}

void TFormSubCadastroComissaoFuncao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditFuncao);
}
