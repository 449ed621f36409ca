#include "App.Form.SubCadastro.ColaboradorCarteira.h"

#include "App.Adapter.Frame.ColaboradorCarteira.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ColaboradorCarteira.h"

#include "DateEdit.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroColaboradorCarteira)

TFormSubCadastroColaboradorCarteira::TFormSubCadastroColaboradorCarteira(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroColaboradorCarteira"), AParent)
{
    setWindowTitle(QStringLiteral("Colaborador"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelColaborador, EditColaborador, u"Colaborador", 8, 8, 569);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 66, 140);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 160, 66, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 124, 569);
}

void TFormSubCadastroColaboradorCarteira::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TColaboradorCarteiraPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroColaboradorCarteira::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditColaborador, QStringLiteral("Colaborador"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelColaborador)
        .Lookup(QStringLiteral("TPesquisaColaborador"));
    manager.Bind(DateEditDataInicial, QStringLiteral("Data Inicial"))
        .Required()
        .MaxLength(10)
        .Caption(LabelDataInicial);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditMotivo, QStringLiteral("Motivo Finalização"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("05"));
}

void TFormSubCadastroColaboradorCarteira::fillFrameItem(TMemTable &ADataSet,
                                                        TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TColaboradorCarteiraFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroColaboradorCarteira::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditColaborador);
}
