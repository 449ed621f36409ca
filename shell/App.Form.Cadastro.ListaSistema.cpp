#include "App.Form.Cadastro.ListaSistema.h"

#include "App.Adapter.Frame.ListaSistema.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.ListaSistema.h"

#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroListaSistema)

namespace {

TLabel *newCaption(QWidget *AParent, const QString &AName, int AY)
{
    auto *label = new TLabel(AParent, AName);
    label->setPosition(8, AY);
    label->setAutoSize(true);
    return label;
}

TEdit *newEdit(QWidget *AParent, const QString &AName, int AY, int AWidth)
{
    auto *edit = new TEdit(AParent, AName);
    edit->setPosition(8, AY);
    edit->setSize(AWidth, 30);
    return edit;
}

// Registers one bound control in the window's order: title, control, flags, caption label.
void addControl(TManagerControl &AManager,
                const QString &ATitle,
                QWidget *AControl,
                bool AIsRequired,
                bool AIsUpper,
                int AMaxLength,
                TLabel *ACaption)
{
    TItemControl &item = AManager.AddItemControl();
    item.TitleControl = ATitle;
    item.SetControl(AControl);
    item.IsRequired = AIsRequired;
    item.IsUpper = AIsUpper;
    item.MaxLength = AMaxLength;
    item.CaptionControl = ACaption;
}

} // namespace

TFormCadastroListaSistema::TFormCadastroListaSistema(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroListaSistema"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Listas do Sistema"));

    QWidget *controls = VertScrollBoxControls->content();
    LabelCodigo = newCaption(controls, QStringLiteral("LabelCodigo"), 8);
    EditCodigo = newEdit(controls, QStringLiteral("EditCodigo"), 26, 217);
    LabelDescricao = newCaption(controls, QStringLiteral("LabelDescricao"), 66);
    EditDescricao = newEdit(controls, QStringLiteral("EditDescricao"), 84, 569);
    LabelTipo = newCaption(controls, QStringLiteral("LabelTipo"), 124);
    EditTipo = newEdit(controls, QStringLiteral("EditTipo"), 142, 569);
    CheckBoxIsGeral = new TCheckBox(controls, QStringLiteral("CheckBoxIsGeral"));
    CheckBoxIsGeral->setPosition(8, 186);
    CheckBoxIsGeral->setSize(561, 19);
}

void TFormCadastroListaSistema::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TListaSistemaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroListaSistema::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    addControl(manager, QStringLiteral("Código"), EditCodigo, true, true, 20, LabelCodigo);
    addControl(
        manager, QStringLiteral("Descrição"), EditDescricao, true, true, 100, LabelDescricao);
    addControl(manager, QStringLiteral("Tipo"), EditTipo, true, true, 50, LabelTipo);
    addControl(manager,
               QStringLiteral("Geral (Apenas um item do tipo da lista pode ser geral)"),
               CheckBoxIsGeral,
               false,
               false,
               0,
               nullptr);
}

void TFormCadastroListaSistema::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = new TListaSistemaFrameAdapter(VertScrollBoxDados);
    frame->LabelCodigo->setText(ADataSet.FieldByName(QStringLiteral("CODIGO"))->DisplayText());
    frame->LabelDescricao->setText(
        ADataSet.FieldByName(QStringLiteral("DESCRICAO"))->DisplayText());
    frame->LabelTipo->setText(ADataSet.FieldByName(QStringLiteral("TIPO"))->DisplayText());
    AFrame = frame;
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroListaSistema::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditCodigo);
}
