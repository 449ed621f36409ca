#include "App.Form.Cadastro.Carencia.h"

#include "App.Adapter.Frame.Carencia.h"
#include "App.Connector.Carencia.h"
#include "App.Form.SubCadastro.ItemCarencia.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Carencia.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroCarencia)

TFormCadastroCarencia::TFormCadastroCarencia(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroCarencia"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Carências"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelListaCarencia, EditListaCarencia, u"ListaCarencia", 8, 66, 569);
}

void TFormCadastroCarencia::FormCreate()
{
    m_itemCarencia = TFormBase::Create<TFormSubCadastroItemCarencia>(this);
    RegisterSubCadastro(m_itemCarencia);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(m_itemCarencia->FrameList());
}

void TFormCadastroCarencia::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TCarenciaPresenter>();
    TCarenciaConnector::New(m_itemCarencia->PresenterSubCadastro())
        ->SetPresenterCarencia(presenter.get())
        .SetDataSetItemCarencia(&m_itemCarencia->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroCarencia::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .Caption(LabelDescricao);
    manager.Bind(EditListaCarencia, QStringLiteral("Tipo Carência"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("CARENCIA"))
        .Caption(LabelListaCarencia);
}

void TFormCadastroCarencia::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TCarenciaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroCarencia::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroCarencia::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroCarencia::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Parentescos"), m_itemCarencia, nullptr, false, false);
}

void TFormCadastroCarencia::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    m_itemCarencia->ClearSubForm(true, true);
}
