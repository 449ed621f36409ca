#include "App.Form.SubCadastro.Endereco.h"

#include "App.Adapter.Frame.Endereco.h"
#include "App.Form.Cadastro.Logradouro.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Endereco.h"
#include "Common.Dto.Logradouro.h"
#include "Common.Lib.Utils.h"

#include "CheckBox.h"
#include "Edit.h"
#include "ScrollBox.h"

#include <QScopedValueRollback>

ZUNTA_REGISTER_FORM(TFormSubCadastroEndereco)

TFormSubCadastroEndereco::TFormSubCadastroEndereco(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroEndereco"), AParent)
{
    setWindowTitle(QStringLiteral("Endereços"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCep, EditCep, u"Cep", 8, 8, 150, QStringLiteral("CEP"));
    place.Field(LabelLogradouro, EditLogradouro, u"Logradouro", 8, 66, 531);
    place.Field(LabelBairro, EditBairro, u"Bairro", 8, 124, 260);
    place.Field(LabelMunicipio, EditMunicipio, u"Municipio", 280, 124, 220);
    place.Field(LabelUF, EditUF, u"UF", 512, 124, 60);
    place.Field(LabelNumero, EditNumero, u"Numero", 8, 182, 120);
    place.Field(LabelComplemento, EditComplemento, u"Complemento", 140, 182, 220);
    place.Field(LabelListaEndereco, EditListaEndereco, u"ListaEndereco", 372, 182, 200);
    place.Field(LabelLatitude, EditLatitude, u"Latitude", 8, 240, 120);
    place.Field(LabelLongitude, EditLongitude, u"Longitude", 140, 240, 120);
    place.Control(CheckBoxIsCobranca, u"IsCobranca", 280, 258, 250, 19);
    CheckBoxIsCobranca->setText(QStringLiteral("Endereço de Cobrança?"));
    place.Field(LabelPontoReferencia, EditPontoReferencia, u"PontoReferencia", 8, 298, 564);
    EditCep->setMaxLength(10);
    EditCep->OnTyping = [this](QObject *Sender) { EditCepTyping(Sender); };
    EditCep->OnExit = [this](QObject *Sender) { EditCepExit(Sender); };
}

TFormSubCadastroEndereco::~TFormSubCadastroEndereco()
{
    // The postal code may lose the focus while the base window takes its controls down.
    EditCep->OnExit = {};
    EditCep->OnTyping = {};
}

void TFormSubCadastroEndereco::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    m_primeiroRegistroContrato = false;
}

void TFormSubCadastroEndereco::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEnderecoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroEndereco::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditLogradouro, QStringLiteral("Logradouro"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelLogradouro)
        .Lookup(QStringLiteral("TPesquisaLogradouro"))
        .Cadastro(QStringLiteral("TFormCadastroLogradouro"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *rua = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TLogradouroDto *>(ARecord)
                : nullptr;
            if (rua && EditCep->text().isEmpty())
                EditCep->setText(FormatTextByType(rua->Cep, TFormatterEdit::CEP));
            EditBairro->setText(rua ? rua->Bairro : QString());
            EditMunicipio->setText(rua ? rua->Municipio : QString());
            EditUF->setText(rua ? rua->Uf : QString());
        });
    manager.Bind(EditBairro, QStringLiteral("Bairro"))
        .Upper()
        .MaxLength(100)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelBairro);
    manager.Bind(EditMunicipio, QStringLiteral("Município"))
        .Upper()
        .MaxLength(100)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelMunicipio);
    manager.Bind(EditUF, QStringLiteral("UF"))
        .Upper()
        .MaxLength(2)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelUF);
    manager.Bind(EditNumero, QStringLiteral("Número"))
        .Required()
        .Upper()
        .MaxLength(20)
        .Caption(LabelNumero);
    manager.Bind(EditComplemento, QStringLiteral("Complemento"))
        .Upper()
        .MaxLength(50)
        .Caption(LabelComplemento);
    manager.Bind(EditListaEndereco, QStringLiteral("Tipo do Endereço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("ENDERECO"))
        .Caption(LabelListaEndereco);
    manager.Bind(EditLatitude, QStringLiteral("Latitude"))
        .MaxLength(15)
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .Disabled()
        .Caption(LabelLatitude);
    manager.Bind(EditLongitude, QStringLiteral("Longitude"))
        .MaxLength(15)
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .Disabled()
        .Caption(LabelLongitude);
    manager.Bind(CheckBoxIsCobranca, QStringLiteral("Endereço de Cobrança?"));
    manager.Bind(EditPontoReferencia, QStringLiteral("Ponto de Referência"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelPontoReferencia);
}

void TFormSubCadastroEndereco::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEnderecoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroEndereco::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditCep);
}

void TFormSubCadastroEndereco::executeNovo(QObject *Sender)
{
    TFormBaseSubCadastro::executeNovo(Sender);
    CheckBoxIsCobranca->setChecked(TUtils::StrEmptyToInt64(EditID->text()) == 0
                                   && PresenterSubCadastro()->AllRecordCount() == 0);
}

void TFormSubCadastroEndereco::beforeSave()
{
    TFormBaseSubCadastro::beforeSave();
    if (CheckBoxIsCobranca->isChecked())
        PresenterSubCadastro()->UnmarkEveryRow(QStringLiteral("IS_COBRANCA"));
}

void TFormSubCadastroEndereco::afterClearForm()
{
    TFormBaseSubCadastro::afterClearForm();
    QWidget::setTabOrder(EditCep, EditLogradouro);
    EditCep->clear();
}

void TFormSubCadastroEndereco::EditCepTyping(QObject *Sender)
{
    (void)Sender;
    const int antes = EditCep->text().size();
    const int cursor = EditCep->cursorPosition();
    FormatEditByType(EditCep, TFormatterEdit::CEP);
    const int ganho = EditCep->text().size() - antes;
    EditCep->setCursorPosition(cursor + (ganho > 0 ? ganho : 0));
}

void TFormSubCadastroEndereco::EditCepExit(QObject *Sender)
{
    (void)Sender;
    TItemControl *rua
        = FPresenter ? FPresenter->FindItemControl(EditLogradouro->objectName()) : nullptr;
    if (!rua || EditCep->text().isEmpty() || TUtils::StrEmptyToInt64(rua->ValueControl()) != 0)
        return;
    buscarCEP();
}

void TFormSubCadastroEndereco::buscarCEP()
{
    if (FIsFillForm || FIsClosingForm || m_buscandoCEP)
        return;
    const QScopedValueRollback<bool> running(m_buscandoCEP, true);
    TDravikHandleException::Guard([this] {
        TItemControl &rua = *FPresenter->FindItemControl(EditLogradouro->objectName());
        rua.Clear();
        const QString cep = RemoveMaskByType(EditCep->text(), TFormatterEdit::CEP);
        std::int64_t id = 0;
        bool desconhecido = false;
        try {
            id = TPesquisa::Create<TPesquisaLogradouro>()->FindByCEP(cep);
        } catch (...) {
            // The back end answers a code it does not know with its warning text.
            desconhecido = true;
        }
        if (desconhecido) {
            rua.ClickButtonCadastro([this](QWidget *AForm) {
                auto *form = dynamic_cast<TFormCadastroLogradouro *>(AForm);
                if (form && !EditCep->text().isEmpty())
                    form->findCep(RemoveMaskByType(EditCep->text(), TFormatterEdit::CEP));
            });
        } else if (id != 0) {
            rua.SetValueControl(QString::number(id));
        }
    });
}
