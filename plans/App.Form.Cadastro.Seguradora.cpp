#include "App.Form.Cadastro.Seguradora.h"

#include "App.Adapter.Frame.Seguradora.h"
#include "App.Connector.Seguradora.h"
#include "App.Form.SubCadastro.PlanoSeguradora.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Seguradora.h"
#include "Common.Lib.Crypt.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroSeguradora)

TFormCadastroSeguradora::TFormCadastroSeguradora(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroSeguradora"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Seguradoras"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);
    place.Field(LabelCodigoContrato, EditCodigoContrato, u"CodigoContrato", 8, 66, 277);
    place.Field(LabelCodigoClienteCapitalizacao,
                EditCodigoClienteCapitalizacao,
                u"CodigoClienteCapitalizacao",
                300,
                66,
                130);
    place.Field(LabelDataContrato, DateEditDataContrato, u"DataContrato", 442, 66, 135);
    place.Field(LabelDiaBaseRepasse, EditDiaBaseRepasse, u"DiaBaseRepasse", 8, 124, 130);
    place.Field(LabelHostFtp, EditHostFtp, u"HostFtp", 150, 124, 300);
    place.Field(LabelPortFtp, EditPortFtp, u"PortFtp", 462, 124, 115);
    place.Field(LabelLoginFtp, EditLoginFtp, u"LoginFtp", 8, 182, 277);
    place.Field(LabelPasswordFtp, EditPasswordFtp, u"PasswordFtp", 300, 182, 277);
    place.Field(LabelDataUltimaTroca, DateEditDataUltimaTroca, u"DataUltimaTroca", 8, 240, 135);
    EditPasswordFtp->setPassword(true);
    PasswordEditButtonFtp = EditPasswordFtp->addButton(TEditButtonKind::Password,
                                                       QStringLiteral("PasswordEditButtonFtp"));
    EditPasswordFtp->OnEnter = [this](QObject *) {
        m_isInPasswordFtp = true;
        if (IsCryptPasswordFtp)
            decodePasswordFtp();
    };
    // Only a focus the edit received counts: filling a record moves the focus around, and
    // encoding the stored text then would send it encoded twice.
    EditPasswordFtp->OnExit = [this](QObject *) {
        if (!m_isInPasswordFtp)
            return;
        m_isInPasswordFtp = false;
        encodePasswordFtp();
    };
}

void TFormCadastroSeguradora::decodePasswordFtp()
{
    const QString text = EditPasswordFtp->text().trimmed();
    if (!text.isEmpty())
        EditPasswordFtp->setText(DecodeText(text));
    IsCryptPasswordFtp = false;
}

void TFormCadastroSeguradora::encodePasswordFtp()
{
    // Only plain text is encoded, so leaving the edit twice never encodes it twice.
    if (IsCryptPasswordFtp)
        return;
    const QString text = EditPasswordFtp->text().trimmed();
    if (!text.isEmpty())
        EditPasswordFtp->setText(EncodeText(text));
    IsCryptPasswordFtp = true;
}

void TFormCadastroSeguradora::FormCreate()
{
    m_planoSeguradora = TFormBase::Create<TFormSubCadastroPlanoSeguradora>(this);
    RegisterSubCadastro(m_planoSeguradora);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(m_planoSeguradora->FrameList());
}

void TFormCadastroSeguradora::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TSeguradoraPresenter>();
    TSeguradoraConnector::New(m_planoSeguradora->PresenterSubCadastro())
        ->SetPresenterSeguradora(presenter.get())
        .SetDataSetPlanoSeguradora(&m_planoSeguradora->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroSeguradora::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Seguradora"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("NCT"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    manager.Bind(EditCodigoContrato, QStringLiteral("Código do Contrato"))
        .Required()
        .Upper()
        .MaxLength(30)
        .Caption(LabelCodigoContrato);
    manager.Bind(EditCodigoClienteCapitalizacao, QStringLiteral("Cód. Cliente Cap."))
        .Required()
        .Upper()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("####"))
        .MaxLength(4)
        .Caption(LabelCodigoClienteCapitalizacao);
    manager.Bind(DateEditDataContrato, QStringLiteral("Data do Contrato"))
        .Required()
        .MaxLength(10)
        .Caption(LabelDataContrato);
    manager.Bind(EditDiaBaseRepasse, QStringLiteral("Dia Base do Repasse"))
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelDiaBaseRepasse);
    manager.Bind(EditHostFtp, QStringLiteral("Host FTP")).MaxLength(150).Caption(LabelHostFtp);
    manager.Bind(EditPortFtp, QStringLiteral("Porta FTP"))
        .Format(TFormatterEdit::Personalizado, QStringLiteral("#####"))
        .MaxLength(5)
        .Caption(LabelPortFtp);
    manager.Bind(EditLoginFtp, QStringLiteral("Login FTP")).MaxLength(50).Caption(LabelLoginFtp);
    manager.Bind(EditPasswordFtp, QStringLiteral("Password FTP"))
        .MaxLength(50)
        .Caption(LabelPasswordFtp);
    manager.Bind(DateEditDataUltimaTroca, QStringLiteral("Data Troca Senha"))
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataUltimaTroca);
}

void TFormCadastroSeguradora::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TSeguradoraFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroSeguradora::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}

void TFormCadastroSeguradora::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroSeguradora::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditPessoa,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Planos da Seguradora"), m_planoSeguradora, nullptr, false, false);
}

void TFormCadastroSeguradora::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    m_planoSeguradora->ClearSubForm(true, true);
    IsCryptPasswordFtp = false;
}

void TFormCadastroSeguradora::afterFillForm()
{
    TFormBaseCadastro::afterFillForm();
    // The record holds the encoded password: shown plain.
    decodePasswordFtp();
}

void TFormCadastroSeguradora::beforeSave()
{
    TFormBaseCadastro::beforeSave();
    encodePasswordFtp();
}
