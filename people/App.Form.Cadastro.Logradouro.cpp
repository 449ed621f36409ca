#include "App.Form.Cadastro.Logradouro.h"

#include "App.Adapter.Frame.Logradouro.h"
#include "App.Form.Cadastro.Bairro.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Logradouro.h"
#include "Common.Dto.Bairro.h"

#include "Edit.h"
#include "ScrollBox.h"

#include <QScopedValueRollback>

#include <memory>

ZUNTA_REGISTER_FORM(TFormCadastroLogradouro)

TFormCadastroLogradouro::TFormCadastroLogradouro(QWidget *AParent)
    : TFormBaseCascataCEP(QStringLiteral("TFormCadastroLogradouro"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Logradouros"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCep, EditCep, u"Cep", 8, 8, 150);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 66, 569);
    place.Field(LabelBairro, EditBairro, u"Bairro", 8, 124, 531);
    place.Field(LabelMunicipio, EditMunicipio, u"Municipio", 8, 182, 400);
    place.Field(LabelUf, EditUf, u"Uf", 420, 182, 60);
    EditCep->OnExit = [this](QObject *Sender) { EditCepExit(Sender); };
}

TFormCadastroLogradouro::~TFormCadastroLogradouro()
{
    // The postal code loses the focus while the base window takes its controls down: by then no
    // handler may reach this part of the window, the binding's copy included.
    if (FPresenter)
        FPresenter->ClearListControls();
    EditCep->OnExit = {};
}

void TFormCadastroLogradouro::findCep(const QString &ACep)
{
    if (ACep.isEmpty())
        return;
    {
        const QScopedValueRollback<bool> setting(m_buscandoCep, true);
        FPresenter->FindItemControl(EditCep->objectName())->SetValueControl(ACep);
    }
    buscarCep();
}

void TFormCadastroLogradouro::EditCepExit(QObject *Sender)
{
    (void)Sender;
    if (m_buscandoCep || EditCep->text().isEmpty())
        return;
    if (FIdRegistro == 0 || EditDescricao->text().isEmpty())
        buscarCep();
}

void TFormCadastroLogradouro::buscarCep()
{
    if (FIsFillForm || FIsClosingForm || m_buscandoCep)
        return;
    const QScopedValueRollback<bool> running(m_buscandoCep, true);
    TManagerControl &manager = FPresenter->ManagerControls();
    TItemControl &bairro = *manager.FindItemControl(EditBairro->objectName());
    bairro.Clear();

    std::unique_ptr<TCEP> cep;
    try {
        cep = TCEP::Search(RemoveMaskByType(EditCep->text(), TFormatterEdit::CEP));
    } catch (...) {
        TDravikHandleException::Handle(std::current_exception());
        return;
    }
    manager.FindItemControl(EditDescricao->objectName())->SetValueControl(cep->Logradouro);
    // The reply goes with this step: every window of the cascade keeps its own copy.
    cascataCEP(
        bairro,
        *cep,
        [](const TCEP &ACep) {
            return TPesquisa::Create<TPesquisaBairro>()->FindByBairroMunicipioUF(
                ACep.Bairro, ACep.Localidade, ACep.Uf);
        },
        [](QWidget *AForm, const TCEP &ACep) {
            if (auto *form = dynamic_cast<TFormCadastroBairro *>(AForm))
                form->findMunicipio(ACep);
        });
}

void TFormCadastroLogradouro::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TLogradouroPresenter>());
    TFormBaseCascataCEP::SetInfoPresenter();
}

void TFormCadastroLogradouro::fillListControl()
{
    TFormBaseCascataCEP::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    // The mask limits the length (10 with its dots and dash), not the column's 8 digits.
    manager.Bind(EditCep, QStringLiteral("CEP"))
        .Format(TFormatterEdit::CEP)
        .MaxLength(0)
        .Caption(LabelCep);
    manager.Bind(EditDescricao, QStringLiteral("Logradouro"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditBairro, QStringLiteral("Bairro"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelBairro)
        .Lookup(QStringLiteral("TPesquisaBairro"))
        .Cadastro(QStringLiteral("TFormCadastroBairro"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *bairro = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TBairroDto *>(ARecord)
                : nullptr;
            EditMunicipio->setText(bairro ? bairro->Municipio : QString());
            EditUf->setText(bairro ? bairro->Uf : QString());
        });
    manager.Bind(EditMunicipio, QStringLiteral("Município"))
        .Upper()
        .IgnoreSave()
        .Disabled()
        .Caption(LabelMunicipio);
    manager.Bind(EditUf, QStringLiteral("UF")).Upper().IgnoreSave().Disabled().Caption(LabelUf);
}

void TFormCadastroLogradouro::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TLogradouroFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCascataCEP::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroLogradouro::afterFormCreate()
{
    TFormBaseCascataCEP::afterFormCreate();
    SetControlFocus(EditCep);
}
