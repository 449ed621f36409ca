#include "App.Form.SubCadastro.ValorServico.h"

#include "App.Adapter.Frame.ValorServico.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ValorServico.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "ScrollBox.h"

TFormSubCadastroValorServico::TFormSubCadastroValorServico(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroValorServico"), AParent)
{
    setWindowTitle(QStringLiteral("Valores"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelData, DateEditData, u"Data", 8, 8, 160);
    place.Field(LabelValor, EditValor, u"Valor", 180, 8, 180);
    place.Field(
        LabelValorCapitalSegurado, EditValorCapitalSegurado, u"ValorCapitalSegurado", 8, 66, 180);
    place.Field(LabelFranquia, EditFranquia, u"Franquia", 200, 66, 160);
    place.Field(LabelListaTipoFranquia, EditListaTipoFranquia, u"ListaTipoFranquia", 8, 124, 352);
}

void TFormSubCadastroValorServico::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TValorServicoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroValorServico::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    const auto money = [&manager](TEdit *AEdit, const QString &ATitle, TLabel *ACaption) {
        return manager.Bind(AEdit, ATitle)
            .Format(TFormatterEdit::Valor)
            .Decimals(2)
            .MaxLength(15)
            .Caption(ACaption);
    };
    money(EditValor, QStringLiteral("Valor do Serviço"), LabelValor).Required();
    money(EditValorCapitalSegurado, QStringLiteral("Capital Segurado"), LabelValorCapitalSegurado);
    money(EditFranquia, QStringLiteral("Valor da Franquia"), LabelFranquia);
    manager.Bind(EditListaTipoFranquia, QStringLiteral("Tipo da Franquia"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoFranquia)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_FRANQUIA"));
}

void TFormSubCadastroValorServico::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TValorServicoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroValorServico::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(DateEditData);
}
