#include "App.Form.SubCadastro.EmpresaTitulo.h"

#include "App.Adapter.Frame.EmpresaTitulo.h"
#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.EmpresaTitulo.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroEmpresaTitulo::TFormSubCadastroEmpresaTitulo(QWidget *AParent)
    : TFormBaseSubCadastroTitulo(QStringLiteral("TFormSubCadastroEmpresaTitulo"), AParent)
{
    setWindowTitle(QStringLiteral("Empresa de Título"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelEmpresa, EditEmpresa, u"Empresa", 8, 8, 352);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
}

double TFormSubCadastroEmpresaTitulo::findValorInDataSet()
{
    return static_cast<TEmpresaTituloPresenter *>(FPresenter.get())->findValorInDataSet();
}

void TFormSubCadastroEmpresaTitulo::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEmpresaTituloPresenter>());
    TFormBaseSubCadastroTitulo::SetInfoPresenter();
}

void TFormSubCadastroEmpresaTitulo::fillListControl()
{
    TFormBaseSubCadastroTitulo::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditEmpresa, QStringLiteral("Empresa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
    bindValor();
}

void TFormSubCadastroEmpresaTitulo::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEmpresaTituloFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroTitulo::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroEmpresaTitulo::afterFormCreate()
{
    TFormBaseSubCadastroTitulo::afterFormCreate();
    SetControlFocus(EditEmpresa);
}

void TFormSubCadastroEmpresaTitulo::afterClearForm()
{
    TFormBaseSubCadastroTitulo::afterClearForm();
    const std::int64_t idEmpresa = TApplicationZunta::GetInstance().EmpresaLogado().Id;
    TItemControl *empresa = FPresenter->FindItemControl(QStringLiteral("EditEmpresa"));
    if (empresa && idEmpresa != 0)
        empresa->SetValueControl(QString::number(idEmpresa));
}
