#include "App.Form.SubCadastro.FuncaoColaboradorEmpresa.h"

#include "App.Adapter.Frame.FuncaoColaboradorEmpresa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.FuncaoColaboradorEmpresa.h"

#include "DateEdit.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroFuncaoColaboradorEmpresa)

TFormSubCadastroFuncaoColaboradorEmpresa::TFormSubCadastroFuncaoColaboradorEmpresa(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroFuncaoColaboradorEmpresa"), AParent)
{
    setWindowTitle(QStringLiteral("Funções/Salários"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelFuncao, EditFuncao, u"Funcao", 8, 8, 569);
    place.Field(LabelData, DateEditData, u"Data", 8, 66, 140);
    place.Field(LabelSalario, EditSalario, u"Salario", 160, 66, 140);
    place.Field(LabelListaSalario, EditListaSalario, u"ListaSalario", 312, 66, 265);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 124, 569);
}

void TFormSubCadastroFuncaoColaboradorEmpresa::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFuncaoColaboradorEmpresaPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroFuncaoColaboradorEmpresa::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditFuncao, QStringLiteral("Função"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFuncao)
        .Lookup(QStringLiteral("TPesquisaFuncao"));
    manager.Bind(DateEditData, QStringLiteral("Data Inicial Vigência"))
        .Required()
        .MaxLength(10)
        .Caption(LabelData);
    manager.Bind(EditSalario, QStringLiteral("Salário"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelSalario);
    manager.Bind(EditListaSalario, QStringLiteral("Tipo de Salário"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaSalario)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("SALARIO"));
    manager.Bind(EditMotivo, QStringLiteral("Motivo da Função/Salário"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("03"));
}

void TFormSubCadastroFuncaoColaboradorEmpresa::fillFrameItem(TMemTable &ADataSet,
                                                             TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TFuncaoColaboradorEmpresaFrameAdapter>(VertScrollBoxDados,
                                                                           ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroFuncaoColaboradorEmpresa::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditFuncao);
}
