#include "App.Form.Cadastro.Carteira.h"

#include "App.Adapter.Frame.Carteira.h"
#include "App.Connector.Carteira.h"
#include "App.Form.SubCadastro.BairroCarteira.h"
#include "App.Form.SubCadastro.ColaboradorCarteira.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Carteira.h"
#include "Common.Lib.Formatter.Edit.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroCarteira)

TFormCadastroCarteira::TFormCadastroCarteira(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroCarteira"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Carteiras"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelPrevisaoCalculoFinanceiro,
                EditPrevisaoCalculoFinanceiro,
                u"PrevisaoCalculoFinanceiro",
                8,
                66,
                200);
}

void TFormCadastroCarteira::FormCreate()
{
    FormBairroCarteira = TFormBase::Create<TFormSubCadastroBairroCarteira>(this);
    RegisterSubCadastro(FormBairroCarteira);
    FormColaboradorCarteira = TFormBase::Create<TFormSubCadastroColaboradorCarteira>(this);
    RegisterSubCadastro(FormColaboradorCarteira);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(FormBairroCarteira->FrameList());
    FListFillDados->AddFrameList(FormColaboradorCarteira->FrameList());
}

void TFormCadastroCarteira::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TCarteiraPresenter>();
    TCarteiraConnector::New(FormColaboradorCarteira->PresenterSubCadastro(),
                            FormBairroCarteira->PresenterSubCadastro())
        .SetPresenterCarteira(presenter.get())
        .SetDataSetColaboradorCarteira(&FormColaboradorCarteira->DataSetSubCadastro())
        .SetDataSetBairroCarteira(&FormBairroCarteira->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroCarteira::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditPrevisaoCalculoFinanceiro, QStringLiteral("Previsão de Cálculos Financeiros"))
        .Upper()
        .MaxLength(2)
        .Format(TFormatterEdit::Personalizado)
        .Caption(LabelPrevisaoCalculoFinanceiro);
}

void TFormCadastroCarteira::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TCarteiraFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroCarteira::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroCarteira::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroCarteira::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Colaborador"), FormColaboradorCarteira, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Bairros"), FormBairroCarteira, nullptr, false, false);
}

void TFormCadastroCarteira::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormBairroCarteira->ClearSubForm(true, true);
    FormColaboradorCarteira->ClearSubForm(true, true);
}
