#include "App.Lib.ManagerControls.h"

#include "App.Lib.PropertyText.h"
#include "App.Lib.Theme.h"
#include "CheckBox.h"
#include "Common.Base.Serialize.h"
#include "Common.Lib.Utils.h"
#include "DateEdit.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <QFontMetrics>

namespace {

// The control's own flags, as the forms set them, whatever its parent shows.
bool ownVisible(const QWidget *control)
{
    return !(control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

bool ownEnabled(const QWidget *control)
{
    return !control->testAttribute(Qt::WA_ForceDisabled);
}

bool visibleAndEnabled(const QWidget *control)
{
    return !control || (ownVisible(control) && ownEnabled(control));
}

const TMemberInfo &propertyOf(const TSerializeObject &AObject, const QString &AName)
{
    const TMemberInfo *property = AObject.ClassInfo().FindProperty(AName);
    if (!property || property->IsObject()) {
        throw Exception(Format(QStringLiteral("ERROR:Nenhuma propriedade do objeto %s\r\nfoi "
                                              "encontrado."),
                               { AObject.ClassInfo().Name() }));
    }
    return *property;
}

// Holds IsFillForm for the length of a copy, failures included.
class TFillingForm
{
public:
    explicit TFillingForm(TItemControl &AItem)
        : m_item(AItem)
    {
        m_item.IsFillForm = true;
    }
    ~TFillingForm() { m_item.IsFillForm = false; }
    TFillingForm(const TFillingForm &) = delete;
    TFillingForm &operator=(const TFillingForm &) = delete;

private:
    TItemControl &m_item;
};

void prepareCaption(TLabel *ACaption, const QString &ATitle)
{
    const TThemeApp &theme = TThemeApp::Instance();
    ACaption->setText(ATitle);
    ACaption->setTextFont(theme.FontApp().PrimaryFont());
    ACaption->setFontColor(theme.ColorApp().TextPrimaryColor);
    const QFontMetrics metrics(ACaption->font());
    ACaption->setWidth(metrics.horizontalAdvance(ATitle) + 10);
}

} // namespace

TItemControlBuilder::TItemControlBuilder(TManagerControl &AManager, TItemControl &AItem)
    : m_manager(AManager)
    , m_item(AItem)
{ }

TItemControlBuilder &TItemControlBuilder::Required(bool AValue)
{
    m_item.IsRequired = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Upper(bool AValue)
{
    m_item.IsUpper = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Caption(TLabel *ACaption)
{
    m_item.CaptionControl = ACaption;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::MaxLength(int AValue)
{
    m_item.MaxLength = AValue;
    m_manager.m_lengthOfColumn.erase(&m_item);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::DigitsOnly()
{
    m_item.TypeFormat = TFormatterEdit::Personalizado;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Format(TFormatterEdit AFormat, const QString &AMaskCustom)
{
    m_item.TypeFormat = AFormat;
    m_item.MaskCustom = AMaskCustom;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Decimals(int AValue)
{
    m_item.DecimalsPlaces = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::NotClear(bool AValue)
{
    m_item.NotClear = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::IgnoreSave(bool AValue)
{
    m_item.IgnoreSave = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Default(const QString &AValue)
{
    m_item.ValueDefault = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Disabled(bool AValue)
{
    m_item.SetDesactiveEnabled(AValue);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Lookup(const QString &AClassPesquisa,
                                                 const QString &AValueFixFilter)
{
    m_item.ValueFixFilter = AValueFixFilter;
    m_item.SetClassPesquisa(AClassPesquisa);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::CodigoPersonalizado(bool AValue)
{
    m_item.CodigoPersonalizado = AValue;
    return *this;
}

TItemControlBuilder &TItemControlBuilder::Cadastro(const QString &AFormClassName)
{
    m_item.SetFormClassCadastro(AFormClassName);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::OnChange(TNotifyEvent AProc)
{
    m_item.ProcChange = std::move(AProc);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::OnPesquisa(TProcPesquisa AProc)
{
    m_item.ProcPesquisa = std::move(AProc);
    return *this;
}

TItemControlBuilder &TItemControlBuilder::BeforeSearch(TProcSearch AProc)
{
    m_item.ProcBeforeSearch = std::move(AProc);
    return *this;
}

TManagerControl::TManagerControl() = default;

TManagerControl::~TManagerControl() = default;

TItemControl &TManagerControl::AddItemControl()
{
    m_listControlsFill.push_back(std::make_unique<TItemControl>());
    return *m_listControlsFill.back();
}

TItemControlBuilder TManagerControl::Bind(QWidget *AControl, const QString &ATitle)
{
    TItemControl &item = AddItemControl();
    item.TitleControl = ATitle;
    item.SetControl(AControl);
    m_lengthOfColumn.insert(&item);
    return TItemControlBuilder(*this, item);
}

void TManagerControl::takeColumnLength(TItemControl &AItem) const
{
    // The property's name is final only now: a lookup edit binds "Id" and its name.
    const TField *column = m_columns
        ? m_columns->FindField(TUtils::convertClassPropToTableField(AItem.GetRttiPropName(false)))
        : nullptr;
    AItem.MaxLength = column ? column->Size() : 0;
}

void TManagerControl::SetProcFillListControl(TProc AProc)
{
    m_procFillListControl = std::move(AProc);
    if (m_procFillListControl)
        m_procFillListControl();
    setPropertiesControls();
    if (ProcAfterFillListControl)
        ProcAfterFillListControl();
}

void TManagerControl::ClearListControls()
{
    m_lengthOfColumn.clear();
    m_listControlsFill.clear();
}

void TManagerControl::raiseNoControls() const
{
    throw Exception(Format(QStringLiteral("ERROR:Nenhum controle foi vinculado ao presenter %s."),
                           { QStringLiteral("TManagerControl") }));
}

void TManagerControl::setPropertiesControls()
{
    const TThemeApp &theme = TThemeApp::Instance();
    const TAlphaColor textColor = theme.ColorApp().TextPrimaryColor;
    QWidget *previousTabStop = nullptr;
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (ProcChangeControlsFilter)
            item->ProcChange = ProcChangeControlsFilter;
        QWidget *control = item->Control();
        if (!control)
            continue;
        if (m_lengthOfColumn.contains(item.get()))
            takeColumnLength(*item);
        if (auto *edit = qobject_cast<TEdit *>(control)) {
            edit->setMaxLength(item->MaxLength);
            edit->setTextFont(theme.FontApp().SecondaryFont());
            edit->setFontColor(textColor);
            if (item->IsUpper)
                edit->setCharCase(TEditCharCase::UpperCase);
            if (!item->DesactiveEnabled())
                item->AddClearButton();
        } else if (auto *checkBox = qobject_cast<TCheckBox *>(control)) {
            checkBox->setText(item->TitleControl);
            checkBox->setTextFont(theme.FontApp().SecondaryFont());
            checkBox->setFontColor(textColor);
        } else if (auto *radioButton = qobject_cast<TRadioButton *>(control)) {
            radioButton->setText(item->TitleControl);
            radioButton->setTextFont(theme.FontApp().SecondaryFont());
            radioButton->setFontColor(textColor);
        } else if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
            dateEdit->setClearButtonVisible(true);
            dateEdit->setIsEmpty(true);
            dateEdit->setTextFont(theme.FontApp().PrimaryFont());
            dateEdit->setFontColor(textColor);
        } else if (auto *memo = qobject_cast<TMemo *>(control)) {
            memo->setMaxLength(item->MaxLength);
            if (item->IsUpper)
                memo->setUpperCase(true);
        }
        if (item->CaptionControl
            && (qobject_cast<TEdit *>(control) || qobject_cast<TMemo *>(control)
                || qobject_cast<TDateEdit *>(control))) {
            prepareCaption(item->CaptionControl, item->TitleControl);
        }
        item->ConnectHandlers();
        // The registration order is the order of the Tab key, whatever the order in the form.
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop && previousTabStop->window() == control->window())
                QWidget::setTabOrder(previousTabStop, control);
            previousTabStop = control;
        }
    }
}

void TManagerControl::Clear()
{
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (item->NotClear)
            continue;
        item->Clear(item->Control());
        if (item->HasExitHandler() && !item->ValueDefault.isEmpty()) {
            if (item->IsPesquisa())
                item->ClickSearch();
            item->ProcExit(item->Control());
        }
    }
}

void TManagerControl::EnabledControls(bool AIsViewForm)
{
    if (m_listControlsFill.empty())
        raiseNoControls();
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (QWidget *control = item->Control())
            control->setEnabled(!AIsViewForm && !item->DesactiveEnabled());
    }
}

TItemControl *TManagerControl::FindItemControl(const QString &AComponentName) const
{
    const QString name = AComponentName.toUpper();
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (item->Control() && item->Control()->objectName().toUpper() == name)
            return item.get();
    }
    return nullptr;
}

void TManagerControl::SetValueControlFromObject(const TSerializeObject &AEntity,
                                                bool AIsViewForm,
                                                const TProc &AProcAfterFillForm,
                                                bool AContainFilter)
{
    if (m_listControlsFill.empty())
        raiseNoControls();
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (item->IgnoreSave)
            continue;
        const TMemberInfo &property = propertyOf(AEntity, item->GetRttiPropName(AContainFilter));
        const TFillingForm filling(*item);
        QString text = TPropertyText::GetText(AEntity, property);
        if (item->TypeFormat == TFormatterEdit::Time) {
            TDateTime time;
            text = TryStrToDateTime(text, time) ? FormatDateTime(QStringLiteral("hh:nn"), time)
                                                : QString();
        }
        item->SetValueControl(text);
        // A control kept disabled by its binding stays so in edit mode too.
        if (QWidget *control = item->Control())
            control->setEnabled(!AIsViewForm && !item->DesactiveEnabled());
    }
    if (AProcAfterFillForm)
        AProcAfterFillForm();
}

void TManagerControl::SetObjectFromValueControl(TSerializeObject &AObject)
{
    if (m_listControlsFill.empty())
        raiseNoControls();
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        if (item->IgnoreSave)
            continue;
        const TMemberInfo &property = propertyOf(AObject, item->GetRttiPropName(false));
        TPropertyText::SetText(AObject, property, item->ValueControl());
    }
}

void TManagerControl::SetObjectFilterFromValueControl(TSerializeObject &AObject,
                                                      bool AContainFilter)
{
    if (m_listControlsFill.empty())
        raiseNoControls();
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        const TMemberInfo &property = propertyOf(AObject, item->GetRttiPropName(AContainFilter));
        property.SetValue(AObject, item->ValueFilterReport());
    }
}

bool TManagerControl::ValidControls()
{
    QStringList errors;
    for (const std::unique_ptr<TItemControl> &item : m_listControlsFill) {
        const QWidget *control = item->Control();
        if (item->IsRequired && control && visibleAndEnabled(control)
            && visibleAndEnabled(control->parentWidget())) {
            const bool failed
                = item->IsPesquisa() ? item->Id == 0 : item->IsEmpty() && !item->IgnoreSave;
            if (failed)
                errors << item->ErrorMessage();
        }
        if (ProcConsistItemControlSave)
            ProcConsistItemControlSave(item.get(), errors);
    }
    if (ProcConsistSave)
        ProcConsistSave(errors);
    if (errors.isEmpty())
        return true;
    QString message;
    for (const QString &line : errors)
        message += line + QStringLiteral("\r\n");
    throw Exception(message);
}
