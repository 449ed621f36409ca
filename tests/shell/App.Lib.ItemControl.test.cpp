#include "App.Lib.ItemControl.h"

#include "CheckBox.h"
#include "Common.Base.Serialize.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "Memo.h"
#include "ScriptedDialogs.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "WaitFor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "WidgetInput.h"

#include <gtest/gtest.h>

#include <optional>

namespace {



// Qt's focus-out, as when the person leaves the control with Tab.
void leave(QWidget *widget)
{
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusOut);
}

// A lookup class registered under a name for one test: records what it was asked and finds
// what the test says.
class FakePesquisa
{
public:
    explicit FakePesquisa(QString className)
        : m_registration(
            className,
            TPesquisaExecute([this](TItemControl &item, const TPesquisaRequest &request) {
                Requests.push_back(request);
                CodigoPersonalizadoDuringRun.push_back(item.CodigoPersonalizado);
                if (Fails)
                    throw Exception(QStringLiteral("WARNING:Informações não localizadas."));
                auto *edit = qobject_cast<TEdit *>(item.Control());
                edit->setText(QStringLiteral("JOAO DA SILVA"));
                item.Id = request.IdFind ? request.IdFind : 99;
                if (item.CaptionControl)
                    item.CaptionControl->setText(item.TitleControl
                                                 + " - ID: " + QString::number(item.Id));
            }))
    { }

    std::vector<TPesquisaRequest> Requests;
    std::vector<bool> CodigoPersonalizadoDuringRun;
    bool Fails = false;

private:
    TClassRegistration m_registration;
};

// --- Property names -----------------------------------------------------------------------

enum class Kind { Edit, DateEdit, CheckBox, RadioButton, Memo };

struct NameRow
{
    const char *Name;
    Kind ControlKind;
    QString ComponentName;
    bool Pesquisa;
    bool ContainFilter;
    QString Expected;
};

void PrintTo(const NameRow &row, std::ostream *out)
{
    *out << row.Name;
}

const NameRow nameRows[] = {
    { "Edit", Kind::Edit, "EditNome", false, false, "Nome" },
    { "FilterEdit", Kind::Edit, "EditFilterNome", false, true, "Nome" },
    { "FilterWordKeptOutsideFilters", Kind::Edit, "EditFilterNome", false, false, "FilterNome" },
    { "FilterLookup", Kind::Edit, "EditFilterUsuario", true, true, "IdUsuario" },
    { "Lookup", Kind::Edit, "EditPessoa", true, false, "IdPessoa" },
    { "SystemListLookup", Kind::Edit, "EditListaSexo", true, false, "ListaSexo" },
    { "NameWithoutClassKeptWhole", Kind::Edit, "NomeCompleto", false, false, "NomeCompleto" },
    { "OnlyFirstClassNameRemoved", Kind::Edit, "EditNomeEdit", false, false, "NomeEdit" },
    { "ClassNameCaseSensitive", Kind::Edit, "editNome", false, false, "editNome" },
    { "DateEdit", Kind::DateEdit, "DateEditDataNascimento", false, false, "DataNascimento" },
    { "LookupDroppedOnDateEdit", Kind::DateEdit, "DateEditDataPessoa", true, false, "DataPessoa" },
    { "CheckBox", Kind::CheckBox, "CheckBoxIsGeral", false, false, "IsGeral" },
    { "RadioButton", Kind::RadioButton, "RadioButtonAtivo", false, false, "Ativo" },
    { "Memo", Kind::Memo, "MemoObservacao", false, false, "Observacao" },
};

class PropertyNameTest : public ::testing::TestWithParam<NameRow>
{
};

TEST_P(PropertyNameTest, ComesFromTheComponentName)
{
    const NameRow &row = GetParam();
    QWidget window;
    QWidget *control = nullptr;
    switch (row.ControlKind) {
    case Kind::Edit:
        control = new TEdit(&window, row.ComponentName);
        break;
    case Kind::DateEdit:
        control = new TDateEdit(&window, row.ComponentName);
        break;
    case Kind::CheckBox:
        control = new TCheckBox(&window, row.ComponentName);
        break;
    case Kind::RadioButton:
        control = new TRadioButton(&window, row.ComponentName);
        break;
    case Kind::Memo:
        control = new TMemo(&window, row.ComponentName);
        break;
    }
    TItemControl item;
    item.SetControl(control);
    if (row.Pesquisa)
        item.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
    EXPECT_EQ(item.GetRttiPropName(row.ContainFilter), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Names,
                         PropertyNameTest,
                         ::testing::ValuesIn(nameRows),
                         [](const auto &info) { return std::string(info.param.Name); });

// --- Values -------------------------------------------------------------------------------

class ItemControlTest : public ::testing::Test
{
protected:
    QWidget window;
};

TEST_F(ItemControlTest, EditValueIsItsTextWithoutTheMask)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditCpf"));
    TItemControl item;
    item.SetControl(edit);
    item.TypeFormat = TFormatterEdit::CPF;
    item.SetValueControl(QStringLiteral("12345678909"));
    EXPECT_EQ(edit->text(), QStringLiteral("123.456.789-09")) << "formatted as on leaving";
    EXPECT_EQ(item.ValueControl(), QStringLiteral("12345678909"));

    item.TypeFormat = TFormatterEdit::Null;
    item.IsUpper = true;
    edit->setText(QStringLiteral("ana (b)"));
    EXPECT_EQ(item.ValueControl(), QStringLiteral("ANA (B)"));
}

TEST_F(ItemControlTest, DateEditReadsZeroWhenEmptyAndRegionalDateOtherwise)
{
    auto *dateEdit = new TDateEdit(&window, QStringLiteral("DateEditDataNascimento"));
    TItemControl item;
    item.SetControl(dateEdit);
    dateEdit->setIsEmpty(true);
    EXPECT_TRUE(item.IsEmpty());
    EXPECT_EQ(item.ValueControl(), QStringLiteral("0"));

    item.SetValueControl(QStringLiteral("31/05/2024 10:15:00"));
    EXPECT_EQ(dateEdit->text(), QStringLiteral("31/05/2024"));
    EXPECT_EQ(item.ValueControl(), QStringLiteral("31/05/2024"));

    for (const QString &none : { QStringLiteral("0"), QString(), QStringLiteral("30/12/1899") }) {
        item.SetValueControl(QStringLiteral("31/05/2024"));
        item.SetValueControl(none);
        EXPECT_TRUE(dateEdit->isEmpty()) << none.toStdString();
    }
    EXPECT_THROW(item.SetValueControl(QStringLiteral("31/02/2024")), EConvertError);
}

TEST_F(ItemControlTest, CheckBoxAndRadioButtonReadMinusOneWhenChecked)
{
    auto *checkBox = new TCheckBox(&window, QStringLiteral("CheckBoxIsGeral"));
    auto *radioButton = new TRadioButton(&window, QStringLiteral("RadioButtonAtivo"));
    TItemControl checkItem;
    checkItem.SetControl(checkBox);
    TItemControl radioItem;
    radioItem.SetControl(radioButton);

    checkItem.SetValueControl(QStringLiteral("-1"));
    EXPECT_TRUE(checkBox->isChecked());
    EXPECT_EQ(checkItem.ValueControl(), QStringLiteral("-1"));
    checkItem.SetValueControl(QStringLiteral("False"));
    EXPECT_EQ(checkItem.ValueControl(), QStringLiteral("0"));
    checkItem.SetValueControl(QStringLiteral("True"));
    EXPECT_TRUE(checkBox->isChecked());
    EXPECT_FALSE(checkItem.IsEmpty()) << "a check box is never empty";
    EXPECT_THROW(checkItem.SetValueControl(QStringLiteral("SIM")), EConvertError);

    radioItem.SetValueControl(QStringLiteral("-1"));
    EXPECT_EQ(radioItem.ValueControl(), QStringLiteral("-1"));
    radioItem.SetValueControl(QStringLiteral("0"));
    EXPECT_FALSE(radioButton->isChecked());
}

TEST_F(ItemControlTest, MemoTakesAndGivesItsWholeText)
{
    auto *memo = new TMemo(&window, QStringLiteral("MemoObservacao"));
    TItemControl item;
    item.SetControl(memo);
    item.TypeFormat = TFormatterEdit::CPF;
    item.SetValueControl(QStringLiteral("linha 1\nlinha 2"));
    EXPECT_EQ(memo->lines(), QStringList({ QStringLiteral("linha 1"), QStringLiteral("linha 2") }));
    EXPECT_EQ(item.ValueControl(), QStringLiteral("linha 1\nlinha 2"))
        << "a memo is never formatted";
}

// --- Report filter texts --------------------------------------------------------------------

struct FilterRow
{
    const char *Name;
    std::function<QWidget *(QWidget *window, TItemControl &item)> Make;
    QString Expected;
};

void PrintTo(const FilterRow &row, std::ostream *out)
{
    *out << row.Name;
}

const FilterRow filterRows[] = {
    { "DateEdit",
      [](QWidget *window, TItemControl &item) {
          auto *dateEdit = new TDateEdit(window, QStringLiteral("DateEditFilterDataInicial"));
          item.SetControl(dateEdit);
          dateEdit->setDate(EncodeDate(2024, 5, 31));
          return dateEdit;
      },
      "05-31-2024#05-31-2024" },
    { "EmptyDateEdit",
      [](QWidget *window, TItemControl &item) {
          auto *dateEdit = new TDateEdit(window, QStringLiteral("DateEditFilterDataInicial"));
          item.SetControl(dateEdit);
          dateEdit->setIsEmpty(true);
          return dateEdit;
      },
      "" },
    { "CheckedBox",
      [](QWidget *window, TItemControl &item) {
          auto *checkBox = new TCheckBox(window, QStringLiteral("CheckBoxFilterAtivo"));
          item.SetControl(checkBox);
          checkBox->setChecked(true);
          return checkBox;
      },
      "-1#SIM" },
    { "UncheckedBox",
      [](QWidget *window, TItemControl &item) {
          auto *checkBox = new TCheckBox(window, QStringLiteral("CheckBoxFilterAtivo"));
          item.SetControl(checkBox);
          return checkBox;
      },
      QStringLiteral(u"0#NÃO") },
    { "CheckedRadioButton",
      [](QWidget *window, TItemControl &item) {
          auto *radioButton = new TRadioButton(window, QStringLiteral("RadioButtonFilterAtivo"));
          item.SetControl(radioButton);
          radioButton->setChecked(true);
          return radioButton;
      },
      "-1#SIM" },
    { "MaskedEdit",
      [](QWidget *window, TItemControl &item) {
          auto *edit = new TEdit(window, QStringLiteral("EditFilterCpf"));
          item.SetControl(edit);
          item.TypeFormat = TFormatterEdit::CPF;
          edit->setText(QStringLiteral("123.456.789-09"));
          return edit;
      },
      "12345678909#123.456.789-09" },
    { "EmptyEdit",
      [](QWidget *window, TItemControl &item) {
          auto *edit = new TEdit(window, QStringLiteral("EditFilterNome"));
          item.SetControl(edit);
          return edit;
      },
      "" },
    { "LookupEdit",
      [](QWidget *window, TItemControl &item) {
          auto *edit = new TEdit(window, QStringLiteral("EditFilterPessoa"));
          item.SetControl(edit);
          item.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
          edit->setText(QStringLiteral("JOAO"));
          item.Id = 15;
          return edit;
      },
      "15#JOAO" },
    { "Memo",
      [](QWidget *window, TItemControl &item) {
          auto *memo = new TMemo(window, QStringLiteral("MemoFilterTexto"));
          item.SetControl(memo);
          memo->setText(QStringLiteral("a\nb"));
          return memo;
      },
      "a\nb#a\nb" },
};

class ValueFilterReportTest : public ::testing::TestWithParam<FilterRow>
{
};

TEST_P(ValueFilterReportTest, IsValueHashDisplayText)
{
    QWidget window;
    TItemControl item;
    GetParam().Make(&window, item);
    EXPECT_EQ(item.ValueFilterReport(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Controls,
                         ValueFilterReportTest,
                         ::testing::ValuesIn(filterRows),
                         [](const auto &info) { return std::string(info.param.Name); });

// --- Clear, defaults, change ------------------------------------------------------------------

TEST_F(ItemControlTest, ClearAppliesTheDefaultUnlessAFormIsBeingFilled)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditUf"));
    auto *dateEdit = new TDateEdit(&window, QStringLiteral("DateEditInicio"));
    auto *checkBox = new TCheckBox(&window, QStringLiteral("CheckBoxAtivo"));
    auto *memo = new TMemo(&window, QStringLiteral("MemoTexto"));
    TItemControl items[4];
    items[0].SetControl(edit);
    items[1].SetControl(dateEdit);
    items[2].SetControl(checkBox);
    items[3].SetControl(memo);
    items[0].ValueDefault = QStringLiteral("SP");
    items[1].ValueDefault = QStringLiteral("01/02/2024");
    items[2].ValueDefault = QStringLiteral("TRUE");
    items[3].ValueDefault = QStringLiteral("padrão");
    edit->setText(QStringLiteral("RJ"));
    for (TItemControl &item : items)
        item.Clear();
    EXPECT_EQ(edit->text(), QStringLiteral("SP"));
    EXPECT_EQ(dateEdit->text(), QStringLiteral("01/02/2024"));
    EXPECT_TRUE(checkBox->isChecked());
    EXPECT_EQ(memo->text(), QStringLiteral("padrão"));

    items[2].ValueDefault = QStringLiteral("FALSE");
    items[2].Clear();
    EXPECT_FALSE(checkBox->isChecked());

    for (TItemControl &item : items) {
        item.IsFillForm = true;
        item.Clear();
    }
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(dateEdit->isEmpty());
    EXPECT_TRUE(memo->text().isEmpty());
}

TEST_F(ItemControlTest, TypingIntoALookupForgetsItsRecord)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    auto *caption = new TLabel(&window, QStringLiteral("LabelPessoa"));
    int ownChanges = 0;
    edit->OnChangeTracking = [&](QObject *) { ++ownChanges; };
    TItemControl item;
    item.TitleControl = QStringLiteral("Pessoa");
    item.SetControl(edit);
    item.CaptionControl = caption;
    item.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
    std::vector<std::pair<TBaseDto *, TTypeEventProc>> told;
    item.ProcPesquisa
        = [&](TBaseDto *record, TTypeEventProc event) { told.emplace_back(record, event); };
    QObject *changedControl = nullptr;
    item.ProcChange = [&](QObject *control) { changedControl = control; };
    item.Id = 7;
    caption->setText(QStringLiteral("Pessoa - ID: 7"));

    typeText(edit, QStringLiteral("x"));

    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(caption->text(), QStringLiteral("Pessoa"));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, nullptr);
    EXPECT_EQ(told[0].second, TTypeEventProc::epClear);
    EXPECT_EQ(changedControl, edit);
    EXPECT_EQ(ownChanges, 1) << "the edit's own change handler still runs";
}

// --- Lookups --------------------------------------------------------------------------------

TEST_F(ItemControlTest, ValueOfALookupFindsThatIdDirectly)
{
    FakePesquisa pesquisa(QStringLiteral("TPesquisaTesteDireta"));
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    auto *caption = new TLabel(&window, QStringLiteral("LabelPessoa"));
    caption->setText(QStringLiteral("  Pessoa  "));
    TItemControl item;
    item.TitleControl = QStringLiteral("Pessoa");
    item.SetControl(edit);
    item.CaptionControl = caption;
    item.ValueFixFilter = QStringLiteral("ATIVOS");
    item.CodigoPersonalizado = true;
    item.SetClassPesquisa(QStringLiteral("TPesquisaTesteDireta"));

    item.SetValueControl(QStringLiteral("15"));

    ASSERT_EQ(pesquisa.Requests.size(), 1u);
    EXPECT_EQ(pesquisa.Requests[0].IdFind, 15);
    EXPECT_EQ(pesquisa.Requests[0].ValueFixFilter, QStringLiteral("ATIVOS"));
    EXPECT_EQ(pesquisa.Requests[0].TitleFormPesquisa, QStringLiteral("Pessoa"));
    EXPECT_FALSE(pesquisa.CodigoPersonalizadoDuringRun[0]);
    EXPECT_TRUE(item.CodigoPersonalizado) << "restored after the lookup";
    EXPECT_EQ(item.Id, 15);
    EXPECT_EQ(item.ValueControl(), QStringLiteral("15"));
    EXPECT_EQ(caption->text(), QStringLiteral("Pessoa - ID: 15"));

    item.SetValueControl(QStringLiteral("0"));
    EXPECT_EQ(edit->text(), QStringLiteral("JOAO DA SILVA")) << "nothing changes outside a fill";
    item.IsFillForm = true;
    item.SetValueControl(QStringLiteral("0"));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(pesquisa.Requests.size(), 1u);
}

TEST_F(ItemControlTest, EnterInALookupRunsItAndSearchButtonToo)
{
    FakePesquisa pesquisa(QStringLiteral("TPesquisaTesteEnter"));
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    int ownKeys = 0;
    int lastKey = -1;
    edit->OnKeyDown = [&](QObject *, int &key, QChar &, Qt::KeyboardModifiers) {
        ++ownKeys;
        lastKey = key;
    };
    TItemControl item;
    item.SetControl(edit);
    item.SetClassPesquisa(QStringLiteral("TPesquisaTesteEnter"));
    std::vector<TItemControl *> before;
    item.ProcBeforeSearch = [&](TItemControl *searched) { before.push_back(searched); };
    item.ConnectHandlers();

    pressKey(edit, Qt::Key_Return);
    ASSERT_EQ(pesquisa.Requests.size(), 1u);
    EXPECT_EQ(before, std::vector<TItemControl *>({ &item }));
    EXPECT_EQ(ownKeys, 1);
    EXPECT_EQ(lastKey, 0) << "the Enter key is swallowed";

    ASSERT_EQ(edit->buttons().size(), 1);
    edit->buttons().first()->click();
    EXPECT_EQ(pesquisa.Requests.size(), 2u);
}

TEST_F(ItemControlTest, LookupClassNobodyRegisteredShowsAMessageAndKeepsTheEdit)
{
    ScriptedDialogs dialogs;
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    TItemControl item;
    item.SetControl(edit);
    item.SetClassPesquisa(QStringLiteral("TPesquisaInexistente"));
    edit->setText(QStringLiteral("ANA"));

    item.ClickSearch();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({ QStringLiteral(u"ERROR:A pesquisa TPesquisaInexistente não está "
                                           u"disponível.") }));
    EXPECT_EQ(edit->text(), QStringLiteral("ANA"));
}

TEST(ItemControlLookupTest, FailedLookupClearsAnEditThatSitsOnNoWindow)
{
    FakePesquisa pesquisa(QStringLiteral("TPesquisaTesteFalha"));
    pesquisa.Fails = true;
    TEdit edit(nullptr, QStringLiteral("EditPessoa"));
    TItemControl item;
    item.SetControl(&edit);
    item.SetClassPesquisa(QStringLiteral("TPesquisaTesteFalha"));
    edit.setText(QStringLiteral("ANA"));
    item.Id = 3;

    EXPECT_NO_THROW(item.ClickSearch());
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(item.Id, 0);
}

TEST_F(ItemControlTest, LeavingALookupWhoseTextFoundNothingSaysSo)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    auto *caption = new TLabel(&window, QStringLiteral("LabelPessoa"));
    TItemControl item;
    item.TitleControl = QStringLiteral("Pessoa");
    item.SetControl(edit);
    item.CaptionControl = caption;
    item.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
    item.ConnectHandlers();
    edit->setText(QStringLiteral("ANA"));

    leave(edit);

    EXPECT_EQ(caption->text(), QStringLiteral(u"Pessoa - INFORMAÇÃO NÃO LOCALIZADA"));
    EXPECT_EQ(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()) + 10);
}

// --- Registration button ------------------------------------------------------------------

TEST_F(ItemControlTest, RegistrationButtonBesideTheEditOpensTheWindow)
{
    ScriptedDialogs dialogs;
    auto *edit = new TEdit(&window, QStringLiteral("EditPessoa"));
    edit->setGeometry(10, 20, 100, 22);
    TItemControl item;
    item.SetControl(edit);
    item.SetFormClassCadastro(QStringLiteral("TFormCadastroPessoa"));
    item.SetFormClassCadastro(QStringLiteral("TFormCadastroPessoa"));
    const QList<TSpeedButton *> buttons = window.findChildren<TSpeedButton *>();
    ASSERT_EQ(buttons.size(), 1) << "placed once";
    TSpeedButton *button = buttons.first();
    EXPECT_EQ(button->objectName(), QStringLiteral("SpeedButtonCadastroEditPessoa"));
    EXPECT_EQ(button->geometry(), QRect(118, 20, 22, 22));
    EXPECT_EQ(button->styleLookup(), QStringLiteral("composetoolbutton"));

    button->click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({ QStringLiteral(u"ERROR:O formulário TFormCadastroPessoa não está "
                                           u"disponível.") }));

    QWidget opened;
    QString openedClass;
    TItemControl *openedFor = nullptr;
    TItemControl::SetOpenFormCadastro([&](const QString &formClass, TItemControl *itemControl) {
        openedClass = formClass;
        openedFor = itemControl;
        return &opened;
    });
    QWidget *handed = nullptr;
    item.ClickButtonCadastro([&](QWidget *form) { handed = form; });
    TItemControl::SetOpenFormCadastro({});
    EXPECT_EQ(openedClass, QStringLiteral("TFormCadastroPessoa"));
    EXPECT_EQ(openedFor, &item);
    EXPECT_EQ(handed, &opened);
}

// --- Handlers -------------------------------------------------------------------------------

TEST_F(ItemControlTest, AmountEditTakesDigitsOneCommaAndALeadingMinus)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditValor"));
    TItemControl item;
    item.SetControl(edit);
    item.TypeFormat = TFormatterEdit::Valor;
    item.DecimalsPlaces = 2;
    item.ConnectHandlers();

    typeText(edit, QStringLiteral("-1a2,3,4-.5"));
    EXPECT_EQ(edit->text(), QStringLiteral("-12,345"));

    edit->clear();
    typeText(edit, QStringLiteral("12"));
    edit->setCursorPosition(0);
    typeText(edit, QStringLiteral("-"));
    EXPECT_EQ(edit->text(), QStringLiteral("-12"));
    edit->setCursorPosition(1);
    typeText(edit, QStringLiteral("-"));
    EXPECT_EQ(edit->text(), QStringLiteral("-12")) << "a second minus is refused";
    pressKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("12")) << "control keys pass";
}

TEST_F(ItemControlTest, AmountEditShowsItsValueOnLeavingAndBareWhileEditing)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditValor"));
    TItemControl item;
    item.SetControl(edit);
    item.TypeFormat = TFormatterEdit::Valor;
    item.DecimalsPlaces = 2;
    item.ConnectHandlers();
    edit->setText(QStringLiteral("1234,5"));

    leave(edit);
    EXPECT_EQ(edit->text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(edit->textAlign(), TTextAlign::Trailing);
    EXPECT_EQ(item.ValueControl(), QStringLiteral("1234,50"));

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &focusIn);
    EXPECT_EQ(edit->text(), QStringLiteral("1234,50"));
    EXPECT_EQ(edit->textAlign(), TTextAlign::Leading);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1234,50"));
}

// A lone sign or comma left in an amount or weight used to raise out of the focus-out handler.
TEST_F(ItemControlTest, LoneSignOrCommaReadsAsZeroOnLeaving)
{
    struct
    {
        TFormatterEdit Type;
        int Decimals;
        QString Text;
        QString Shown;
    } const rows[] = {
        { TFormatterEdit::Valor, 2, QStringLiteral("-"), QStringLiteral("0,00") },
        { TFormatterEdit::Valor, 2, QStringLiteral(","), QStringLiteral("0,00") },
        { TFormatterEdit::Valor, 2, QStringLiteral("-,"), QStringLiteral("0,00") },
        { TFormatterEdit::Peso, 3, QStringLiteral(","), QStringLiteral("0,000") },
    };
    for (const auto &row : rows) {
        auto *edit = new TEdit(&window, QStringLiteral("EditValor"));
        TItemControl item;
        item.SetControl(edit);
        item.TypeFormat = row.Type;
        item.DecimalsPlaces = row.Decimals;
        item.ConnectHandlers();
        edit->setText(row.Text);
        leave(edit); // an unscripted message would fail the test
        EXPECT_EQ(edit->text(), row.Shown) << row.Text.toStdString();
    }

    auto *weight = new TEdit(&window, QStringLiteral("EditPeso"));
    TItemControl item;
    item.SetControl(weight);
    item.TypeFormat = TFormatterEdit::Peso;
    item.DecimalsPlaces = 3;
    item.ConnectHandlers();
    typeText(weight, QStringLiteral(","));
    EXPECT_EQ(weight->text(), QStringLiteral("0,000")) << "nor while typing a weight";
}

TEST_F(ItemControlTest, TypingFormatsAndMovesTheCaretPastWhatWasAdded)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditCpf"));
    TItemControl item;
    item.SetControl(edit);
    item.TypeFormat = TFormatterEdit::CPF;
    item.ConnectHandlers();
    typeText(edit, QStringLiteral("1234"));
    EXPECT_EQ(edit->text(), QStringLiteral("123.4"));
    EXPECT_EQ(edit->cursorPosition(), 5);

    auto *custom = new TEdit(&window, QStringLiteral("EditCodigo"));
    TItemControl customItem;
    customItem.SetControl(custom);
    customItem.TypeFormat = TFormatterEdit::Personalizado;
    customItem.MaskCustom = QStringLiteral("##-##");
    customItem.ConnectHandlers();
    typeText(custom, QStringLiteral("123"));
    EXPECT_EQ(custom->text(), QStringLiteral("12-3"));
    leave(custom);
    EXPECT_EQ(custom->text(), QStringLiteral("12-3")) << "the custom mask also on leaving";
}

TEST_F(ItemControlTest, ControlsOwnHandlersRunAfterTheBindingsAndComeBackWhenItGoes)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditNome"));
    std::vector<QString> calls;
    edit->OnExit = [&](QObject *) { calls.push_back(QStringLiteral("exit")); };
    edit->OnEnter = [&](QObject *) { calls.push_back(QStringLiteral("enter")); };
    edit->OnMouseEnter = [&](QObject *) { calls.push_back(QStringLiteral("mouse")); };
    int activity = 0;
    TItemControl::SetUserActivity([&] { ++activity; });
    {
        TItemControl item;
        item.SetControl(edit);
        item.ConnectHandlers();
        item.AddClearButton();
        item.AddClearButton();
        EXPECT_EQ(edit->buttons().size(), 1);

        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &focusIn);
        leave(edit);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(edit, &enter);
        EXPECT_EQ(calls, std::vector<QString>({ "enter", "exit", "mouse" }));
        EXPECT_EQ(activity, 1);
    }
    TItemControl::SetUserActivity({});
    EXPECT_TRUE(edit->buttons().isEmpty()) << "the clear button went with the binding";
    calls.clear();
    leave(edit);
    typeText(edit, QStringLiteral("a"));
    EXPECT_EQ(calls, std::vector<QString>({ "exit" }));
}

TEST_F(ItemControlTest, VisibleAndDesactiveEnabledActOnTheControl)
{
    auto *edit = new TEdit(&window, QStringLiteral("EditNome"));
    auto *caption = new TLabel(&window, QStringLiteral("LabelNome"));
    TItemControl item;
    item.SetControl(edit);
    item.CaptionControl = caption;
    item.SetVisible(false);
    EXPECT_FALSE(item.Visible());
    EXPECT_TRUE(caption->isHidden());
    item.SetVisible(true);
    EXPECT_TRUE(item.Visible());
    item.SetDesactiveEnabled(true);
    EXPECT_FALSE(edit->isEnabled());
    item.SetDesactiveEnabled(false);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(item.ErrorMessage(), QStringLiteral(u"WARNING:O campo  não possui um valor válido."));
    item.TitleControl = QStringLiteral("Nome");
    EXPECT_EQ(item.ErrorMessage(),
              QStringLiteral(u"WARNING:O campo Nome não possui um valor válido."));
}

} // namespace
