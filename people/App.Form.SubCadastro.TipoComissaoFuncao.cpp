#include "App.Form.SubCadastro.TipoComissaoFuncao.h"

#include "App.Adapter.Frame.TipoComissaoFuncao.h"
#include "App.Form.SubCadastro.FaixaParcelaTipoComissao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.TipoComissaoFuncao.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroTipoComissaoFuncao::TFormSubCadastroTipoComissaoFuncao(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroTipoComissaoFuncao"), AParent)
{
    setWindowTitle(QStringLiteral("Tipo de Comissão Função"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaTipoComissao, EditListaTipoComissao, u"ListaTipoComissao", 8, 8, 569);
    place.Field(LabelListaCategoriaRealizacao,
                EditListaCategoriaRealizacao,
                u"ListaCategoriaRealizacao",
                8,
                66,
                569);
    place.Field(LabelListaOrigemCalculoComissao,
                EditListaOrigemCalculoComissao,
                u"ListaOrigemCalculoComissao",
                8,
                124,
                569);
    place.Field(LabelListaBaseComissao, EditListaBaseComissao, u"ListaBaseComissao", 8, 182, 569);
}

void TFormSubCadastroTipoComissaoFuncao::FormCreate()
{
    FormFaixaParcelaTipoComissao
        = TFormBase::Create<TFormSubCadastroFaixaParcelaTipoComissao>(this);
    RegisterSubCadastro(FormFaixaParcelaTipoComissao);
    TFormBaseSubCadastro::FormCreate();
}

void TFormSubCadastroTipoComissaoFuncao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TTipoComissaoFuncaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroTipoComissaoFuncao::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditListaTipoComissao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(
        QStringLiteral("Faixa Parcela"), FormFaixaParcelaTipoComissao, nullptr, false, false);
}

void TFormSubCadastroTipoComissaoFuncao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    const auto lista
        = [&manager](TEdit *AEdit, const char *ATitle, TLabel *ACaption, const char *ALista) {
              manager.Bind(AEdit, QString::fromUtf8(ATitle))
                  .Required()
                  .Upper()
                  .MaxLength(100)
                  .Caption(ACaption)
                  .Lookup(QStringLiteral("TPesquisaLista"), QLatin1String(ALista));
          };
    lista(EditListaTipoComissao, "Tipo Comissão", LabelListaTipoComissao, "TIPO_COMISSAO");
    lista(EditListaCategoriaRealizacao,
          "Tipo Categoria Realização",
          LabelListaCategoriaRealizacao,
          "CATEGORIA_REALIZACAO");
    lista(EditListaOrigemCalculoComissao,
          "Tipo Origem Cálculo de Comissão",
          LabelListaOrigemCalculoComissao,
          "ORIGEM_CALCULO_COMISSAO");
    lista(EditListaBaseComissao, "Tipo Base de Comissão", LabelListaBaseComissao, "BASE_COMISSAO");
}

void TFormSubCadastroTipoComissaoFuncao::fillFrameItem(TMemTable &ADataSet,
                                                       TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TTipoComissaoFuncaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroTipoComissaoFuncao::fillTopText()
{
    LabelTopText->setText(EditListaTipoComissao->text());
}

void TFormSubCadastroTipoComissaoFuncao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaTipoComissao);
}
