#include "App.Form.SubCadastro.EquipeColaboradorEmpresa.h"

#include "App.Adapter.Frame.EquipeColaboradorEmpresa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.EquipeColaboradorEmpresa.h"

#include "DateEdit.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroEquipeColaboradorEmpresa)

TFormSubCadastroEquipeColaboradorEmpresa::TFormSubCadastroEquipeColaboradorEmpresa(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroEquipeColaboradorEmpresa"), AParent)
{
    setWindowTitle(QStringLiteral("Equipes"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelEquipe, EditEquipe, u"Equipe", 8, 8, 569);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 66, 140);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 160, 66, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 124, 569);
}

void TFormSubCadastroEquipeColaboradorEmpresa::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEquipeColaboradorEmpresaPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroEquipeColaboradorEmpresa::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditEquipe, QStringLiteral("Equipe"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEquipe)
        .Lookup(QStringLiteral("TPesquisaEquipe"));
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
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("06"));
}

void TFormSubCadastroEquipeColaboradorEmpresa::fillFrameItem(TMemTable &ADataSet,
                                                             TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEquipeColaboradorEmpresaFrameAdapter>(VertScrollBoxDados,
                                                                           ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroEquipeColaboradorEmpresa::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditEquipe);
}
