#include "App.Form.SubCadastro.FaixaComissao.h"

#include "App.Adapter.Frame.FaixaComissao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.FaixaComissao.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroFaixaComissao::TFormSubCadastroFaixaComissao(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroFaixaComissao"), AParent)
{
    setWindowTitle(QStringLiteral("Faixas de Comissões"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaTipoComissao, EditListaTipoComissao, u"ListaTipoComissao", 8, 8, 569);
    place.Field(LabelQuantidade, EditQuantidade, u"Quantidade", 8, 66, 180);
    place.Field(LabelPercentual, EditPercentual, u"Percentual", 197, 66, 180);
    place.Field(LabelValor, EditValor, u"Valor", 386, 66, 191);
}

void TFormSubCadastroFaixaComissao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFaixaComissaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroFaixaComissao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaTipoComissao, QStringLiteral("Tipo de Comissão"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoComissao)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_COMISSAO"));
    const auto number
        = [&manager](TEdit *AEdit, const char *ATitle, TLabel *ACaption, int ADecimals) {
              manager.Bind(AEdit, QString::fromUtf8(ATitle))
                  .Format(TFormatterEdit::Valor)
                  .MaxLength(15)
                  .Decimals(ADecimals)
                  .Caption(ACaption);
          };
    number(EditQuantidade, "Quantidade", LabelQuantidade, 4);
    number(EditPercentual, "Percentual", LabelPercentual, 4);
    number(EditValor, "Valor", LabelValor, 2);
}

void TFormSubCadastroFaixaComissao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TFaixaComissaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroFaixaComissao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaTipoComissao);
}
