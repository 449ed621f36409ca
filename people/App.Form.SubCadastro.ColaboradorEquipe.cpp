#include "App.Form.SubCadastro.ColaboradorEquipe.h"

#include "App.Adapter.Frame.ColaboradorEquipe.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ColaboradorEquipe.h"

#include "DateEdit.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroColaboradorEquipe)

TFormSubCadastroColaboradorEquipe::TFormSubCadastroColaboradorEquipe(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroColaboradorEquipe"), AParent)
{
    setWindowTitle(QStringLiteral("Colaboradores"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelColaborador, EditColaborador, u"Colaborador", 8, 8, 569);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 66, 140);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 160, 66, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 124, 569);
}

void TFormSubCadastroColaboradorEquipe::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TColaboradorEquipePresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroColaboradorEquipe::fillListControl()
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
    manager.Bind(EditMotivo, QStringLiteral("Motivo da Finalização"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("04"));
}

void TFormSubCadastroColaboradorEquipe::fillFrameItem(TMemTable &ADataSet,
                                                      TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TColaboradorEquipeFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroColaboradorEquipe::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditColaborador);
}
