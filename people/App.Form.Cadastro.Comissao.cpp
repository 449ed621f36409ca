#include "App.Form.Cadastro.Comissao.h"

#include "App.Adapter.Frame.Comissao.h"
#include "App.Connector.Comissao.h"
#include "App.Form.SubCadastro.FaixaComissao.h"
#include "App.Form.SubCadastro.FaixaHorarioComissao.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Comissao.h"
#include "App.Presenter.FaixaComissao.h"
#include "App.Presenter.FaixaHorarioComissao.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroComissao)

TFormCadastroComissao::TFormCadastroComissao(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroComissao"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Comissões e Faixas de Comissões"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
}

void TFormCadastroComissao::FormCreate()
{
    FormFaixaHorarioComissao = TFormBase::Create<TFormSubCadastroFaixaHorarioComissao>(this);
    RegisterSubCadastro(FormFaixaHorarioComissao);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(FormFaixaHorarioComissao->FrameList())
        .AddFrameList(FormFaixaHorarioComissao->FormFaixaComissao->FrameList(),
                      &FormFaixaHorarioComissao->DataSetSubCadastro());
}

void TFormCadastroComissao::SetInfoPresenter()
{
    TFormSubCadastroFaixaComissao *faixas = FormFaixaHorarioComissao->FormFaixaComissao;
    auto presenter = TBasePresenter::Create<TComissaoPresenter>();
    TComissaoConnector::New(static_cast<TFaixaHorarioComissaoPresenter *>(
                                FormFaixaHorarioComissao->PresenterSubCadastro()),
                            static_cast<TFaixaComissaoPresenter *>(faixas->PresenterSubCadastro()))
        .SetPresenterComissao(presenter.get())
        .SetDataSetFaixaComissao(&faixas->DataSetSubCadastro())
        .SetDataSetFaixaHorarioComissao(&FormFaixaHorarioComissao->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroComissao::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Faixa Horário de Comissão"),
                   FormFaixaHorarioComissao,
                   nullptr,
                   false,
                   false);
}

void TFormCadastroComissao::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Comissão"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
}

void TFormCadastroComissao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TComissaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroComissao::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroComissao::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroComissao::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormFaixaHorarioComissao->FormFaixaComissao->ClearSubForm(true, true);
    FormFaixaHorarioComissao->ClearSubForm(true, true);
}
