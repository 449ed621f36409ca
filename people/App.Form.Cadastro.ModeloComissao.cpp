#include "App.Form.Cadastro.ModeloComissao.h"

#include "App.Adapter.Frame.ModeloComissao.h"
#include "App.Connector.ModeloComissao.h"
#include "App.Form.SubCadastro.ComissaoFuncao.h"
#include "App.Form.SubCadastro.FaixaParcelaTipoComissao.h"
#include "App.Form.SubCadastro.TipoComissaoFuncao.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ComissaoFuncao.h"
#include "App.Presenter.FaixaParcelaTipoComissao.h"
#include "App.Presenter.ModeloComissao.h"
#include "App.Presenter.TipoComissaoFuncao.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroModeloComissao)

TFormCadastroModeloComissao::TFormCadastroModeloComissao(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroModeloComissao"), AParent)
{
    setWindowTitle(QStringLiteral("Modelo Comissão"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
}

void TFormCadastroModeloComissao::FormCreate()
{
    FormComissaoFuncao = TFormBase::Create<TFormSubCadastroComissaoFuncao>(this);
    RegisterSubCadastro(FormComissaoFuncao);
    TFormBaseCadastro::FormCreate();
    TFormSubCadastroTipoComissaoFuncao *tipos = FormComissaoFuncao->FormTipoComissaoFuncao;
    FListFillDados->AddFrameList(FormComissaoFuncao->FrameList())
        .AddFrameList(tipos->FrameList(), &FormComissaoFuncao->DataSetSubCadastro())
        .AddFrameList(tipos->FormFaixaParcelaTipoComissao->FrameList(),
                      &tipos->DataSetSubCadastro());
}

void TFormCadastroModeloComissao::SetInfoPresenter()
{
    TFormSubCadastroTipoComissaoFuncao *tipos = FormComissaoFuncao->FormTipoComissaoFuncao;
    TFormSubCadastroFaixaParcelaTipoComissao *faixas = tipos->FormFaixaParcelaTipoComissao;
    auto presenter = TBasePresenter::Create<TModeloComissaoPresenter>();
    TModeloComissaoConnector::New(
        static_cast<TComissaoFuncaoPresenter *>(FormComissaoFuncao->PresenterSubCadastro()),
        static_cast<TTipoComissaoFuncaoPresenter *>(tipos->PresenterSubCadastro()),
        static_cast<TFaixaParcelaTipoComissaoPresenter *>(faixas->PresenterSubCadastro()))
        .SetPresenterModeloComissao(presenter.get())
        .SetDataSetComissaoFuncao(&FormComissaoFuncao->DataSetSubCadastro())
        .SetDataSetTipoComissaoFuncao(&tipos->DataSetSubCadastro())
        .SetDataSetFaixaParcelaTipoComissao(&faixas->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroModeloComissao::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Comissão Função"), FormComissaoFuncao, nullptr, false, false);
}

void TFormCadastroModeloComissao::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Comissão Função"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
}

void TFormCadastroModeloComissao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TModeloComissaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroModeloComissao::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroModeloComissao::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroModeloComissao::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    TFormSubCadastroTipoComissaoFuncao *tipos = FormComissaoFuncao->FormTipoComissaoFuncao;
    tipos->FormFaixaParcelaTipoComissao->ClearSubForm(true, true);
    tipos->ClearSubForm(true, true);
    FormComissaoFuncao->ClearSubForm(true, true);
}
