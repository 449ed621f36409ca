#include "App.Form.Cadastro.Colaborador.h"

#include "App.Adapter.Frame.Colaborador.h"
#include "App.Connector.Colaborador.h"
#include "App.Form.SubCadastro.ColaboradorEmpresa.h"
#include "App.Form.SubCadastro.EquipeColaboradorEmpresa.h"
#include "App.Form.SubCadastro.FuncaoColaboradorEmpresa.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Colaborador.h"
#include "App.Presenter.ColaboradorEmpresa.h"
#include "Common.Dto.Pessoa.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroColaborador)

TFormCadastroColaborador::TFormCadastroColaborador(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroColaborador"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Colaboradores"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);
    place.Field(LabelCpf, EditCpf, u"Cpf", 8, 66, 180);
    place.Field(LabelDataNascimento, EditDataNascimento, u"DataNascimento", 200, 66, 140);
    place.Field(LabelCtps, EditCtps, u"Ctps", 352, 66, 225);
}

TFormSubCadastroFuncaoColaboradorEmpresa *
TFormCadastroColaborador::FormFuncaoColaboradorEmpresa() const
{
    return FormColaboradorEmpresa->FormFuncaoColaboradorEmpresa;
}

TFormSubCadastroEquipeColaboradorEmpresa *
TFormCadastroColaborador::FormEquipeColaboradorEmpresa() const
{
    return FormColaboradorEmpresa->FormEquipeColaboradorEmpresa;
}

void TFormCadastroColaborador::FormCreate()
{
    FormColaboradorEmpresa = TFormBase::Create<TFormSubCadastroColaboradorEmpresa>(this);
    RegisterSubCadastro(FormColaboradorEmpresa);
    TFormBaseCadastro::FormCreate();
    // The function and team rows are tied to their employment row, so they load after it.
    TMemTable *empresas = &FormColaboradorEmpresa->DataSetSubCadastro();
    FListFillDados->AddFrameList(FormColaboradorEmpresa->FrameList())
        .AddFrameList(FormFuncaoColaboradorEmpresa()->FrameList(), empresas)
        .AddFrameList(FormEquipeColaboradorEmpresa()->FrameList(), empresas);
}

void TFormCadastroColaborador::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TColaboradorPresenter>();
    TColaboradorConnector::New(
        static_cast<TColaboradorEmpresaPresenter *>(FormColaboradorEmpresa->PresenterSubCadastro()),
        FormFuncaoColaboradorEmpresa()->PresenterSubCadastro(),
        FormEquipeColaboradorEmpresa()->PresenterSubCadastro())
        .SetPresenterColaborador(presenter.get())
        .SetDataSetColaboradorEmpresa(&FormColaboradorEmpresa->DataSetSubCadastro())
        .SetDataSetFuncaoColaboradorEmpresa(&FormFuncaoColaboradorEmpresa()->DataSetSubCadastro())
        .SetDataSetEquipeColaboradorEmpresa(&FormEquipeColaboradorEmpresa()->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroColaborador::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Colaborador"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("NEP"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *pessoa = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TPessoaDto *>(ARecord)
                : nullptr;
            if (TItemControl *cpf = FPresenter->FindItemControl(EditCpf->objectName()))
                cpf->SetValueControl(pessoa ? pessoa->CpfCnpj : QString());
            if (TItemControl *nascimento
                = FPresenter->FindItemControl(EditDataNascimento->objectName()))
                nascimento->SetValueControl(
                    pessoa && pessoa->DataNascimento != TDateTime()
                        ? FormatDateTime(QStringLiteral("dd/mm/yyyy"), pessoa->DataNascimento)
                        : QString());
        });
    manager.Bind(EditCpf, QStringLiteral("CPF"))
        .Required()
        .Format(TFormatterEdit::CPF)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelCpf);
    manager.Bind(EditDataNascimento, QStringLiteral("Data Nascimento"))
        .Required()
        .Format(TFormatterEdit::Date)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelDataNascimento);
    manager.Bind(EditCtps, QStringLiteral("CTPS")).Upper().MaxLength(50).Caption(LabelCtps);
}

void TFormCadastroColaborador::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TColaboradorFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroColaborador::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}

void TFormCadastroColaborador::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroColaborador::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditPessoa,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Empresas"), FormColaboradorEmpresa, nullptr, false, false);
}

void TFormCadastroColaborador::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormFuncaoColaboradorEmpresa()->ClearSubForm(true, true);
    FormEquipeColaboradorEmpresa()->ClearSubForm(true, true);
    FormColaboradorEmpresa->ClearSubForm(true, true);
}
