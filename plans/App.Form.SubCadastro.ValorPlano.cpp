#include "App.Form.SubCadastro.ValorPlano.h"

#include "App.Adapter.Frame.ValorPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ValorPlano.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "FormatSettings.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroValorPlano::TFormSubCadastroValorPlano(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroValorPlano"), AParent)
{
    setWindowTitle(QStringLiteral("Valores do Plano"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelData, DateEditData, u"Data", 8, 8, 160);
    place.Field(LabelValor, EditValor, u"Valor", 180, 8, 200);
    place.Field(LabelValorParcela, EditValorParcela, u"ValorParcela", 392, 8, 185);
}

void TFormSubCadastroValorPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TValorPlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroValorPlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    manager.Bind(EditValor, QStringLiteral("Base de Cálculo para Carência"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
    manager.Bind(EditValorParcela, QStringLiteral("Valor da Parcela"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValorParcela);
}

void TFormSubCadastroValorPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TValorPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroValorPlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(DateEditData);
}
