#include "App.Form.SubCadastro.Contato.h"

#include "App.Adapter.Frame.Contato.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Contato.h"
#include "Common.Lib.Utils.h"

#include "CheckBox.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroContato)

TFormSubCadastroContato::TFormSubCadastroContato(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroContato"), AParent)
{
    setWindowTitle(QStringLiteral("Contatos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaTipoContato, EditListaTipoContato, u"ListaTipoContato", 8, 8, 300);
    place.Field(LabelTelefone, EditTelefone, u"Telefone", 320, 8, 180);
    place.Control(CheckBoxIsMensageiro, u"IsMensageiro", 512, 34, 220, 19);
    CheckBoxIsMensageiro->setText(QStringLiteral("Whatsapp/Telegram/Outros"));
    place.Field(LabelInternet, EditInternet, u"Internet", 8, 66, 564);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 124, 564);
    place.Control(CheckBoxIsCobranca, u"IsCobranca", 8, 182, 250, 19);
    CheckBoxIsCobranca->setText(QStringLiteral("Contato de Cobrança?"));
}

void TFormSubCadastroContato::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    m_primeiroRegistroContrato = false;
}

void TFormSubCadastroContato::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TContatoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroContato::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaTipoContato, QStringLiteral("Tipo do Contato"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_CONTATO"))
        .Caption(LabelListaTipoContato);
    // No mask: the phone keeps its digits alone, shown and stored alike.
    manager.Bind(EditTelefone, QStringLiteral("Telefone"))
        .Upper()
        .MaxLength(20)
        .Format(TFormatterEdit::Personalizado)
        .Caption(LabelTelefone);
    manager.Bind(CheckBoxIsMensageiro, QStringLiteral("Whatsapp/Telegram/Outros"));
    manager.Bind(EditInternet, QStringLiteral("E-mail / URL"))
        .MaxLength(150)
        .Caption(LabelInternet);
    manager.Bind(EditDescricao, QStringLiteral("Descrição")).MaxLength(150).Caption(LabelDescricao);
    manager.Bind(CheckBoxIsCobranca, QStringLiteral("Contato de Cobrança?"));
}

void TFormSubCadastroContato::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TContatoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroContato::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaTipoContato);
}

void TFormSubCadastroContato::executeNovo(QObject *Sender)
{
    TFormBaseSubCadastro::executeNovo(Sender);
    CheckBoxIsCobranca->setChecked(TUtils::StrEmptyToInt64(EditID->text()) == 0
                                   && PresenterSubCadastro()->AllRecordCount() == 0);
}

void TFormSubCadastroContato::beforeSave()
{
    TFormBaseSubCadastro::beforeSave();
    if (CheckBoxIsCobranca->isChecked())
        PresenterSubCadastro()->UnmarkEveryRow(QStringLiteral("IS_COBRANCA"));
}
