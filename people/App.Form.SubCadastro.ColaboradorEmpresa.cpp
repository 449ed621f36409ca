#include "App.Form.SubCadastro.ColaboradorEmpresa.h"

#include "App.Adapter.Frame.ColaboradorEmpresa.h"
#include "App.Form.SubCadastro.EquipeColaboradorEmpresa.h"
#include "App.Form.SubCadastro.FuncaoColaboradorEmpresa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ColaboradorEmpresa.h"

#include "DateEdit.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroColaboradorEmpresa)

TFormSubCadastroColaboradorEmpresa::TFormSubCadastroColaboradorEmpresa(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroColaboradorEmpresa"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Colaboradores na Empresa"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelEmpresa, EditEmpresa, u"Empresa", 8, 8, 400);
    place.Field(LabelCodigoRegistro, EditCodigoRegistro, u"CodigoRegistro", 420, 8, 157);
    place.Field(LabelDataAdmissao, DateEditDataAdmissao, u"DataAdmissao", 8, 66, 140);
    place.Field(LabelDataDemissao, DateEditDataDemissao, u"DataDemissao", 160, 66, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 124, 569);
}

void TFormSubCadastroColaboradorEmpresa::FormCreate()
{
    FormFuncaoColaboradorEmpresa
        = TFormBase::Create<TFormSubCadastroFuncaoColaboradorEmpresa>(this);
    FormEquipeColaboradorEmpresa
        = TFormBase::Create<TFormSubCadastroEquipeColaboradorEmpresa>(this);
    RegisterSubCadastro(FormFuncaoColaboradorEmpresa);
    RegisterSubCadastro(FormEquipeColaboradorEmpresa);
    TFormBaseSubCadastro::FormCreate();
}

void TFormSubCadastroColaboradorEmpresa::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TColaboradorEmpresaPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroColaboradorEmpresa::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditEmpresa, QStringLiteral("Empresa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
    manager.Bind(EditCodigoRegistro, QStringLiteral("Código de Registro"))
        .Upper()
        .MaxLength(20)
        .Caption(LabelCodigoRegistro);
    manager.Bind(DateEditDataAdmissao, QStringLiteral("Data Admissão"))
        .Required()
        .MaxLength(10)
        .Caption(LabelDataAdmissao);
    manager.Bind(DateEditDataDemissao, QStringLiteral("Data Desligamento"))
        .MaxLength(10)
        .Caption(LabelDataDemissao);
    manager.Bind(EditMotivo, QStringLiteral("Motivo do Desligamento"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("01"));
}

void TFormSubCadastroColaboradorEmpresa::fillFrameItem(TMemTable &ADataSet,
                                                       TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TColaboradorEmpresaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroColaboradorEmpresa::fillTopText()
{
    // An employment without its admission date yet shows no date (not the empty date's day).
    const TDateTime admissao = DateEditDataAdmissao->date();
    LabelTopText->setText(admissao == TDateTime() ? EditEmpresa->text()
                                                  : EditEmpresa->text() + QStringLiteral(" - ")
                                  + FormatDateTime(QStringLiteral("dd/mm/yyyy"), admissao));
}

void TFormSubCadastroColaboradorEmpresa::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditEmpresa);
}

void TFormSubCadastroColaboradorEmpresa::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditEmpresa,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(
        QStringLiteral("Funções/Salários"), FormFuncaoColaboradorEmpresa, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Equipes"), FormEquipeColaboradorEmpresa, nullptr, false, false);
}
