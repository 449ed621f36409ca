#include "App.Lib.ManagerControls.h"

#include "App.Lib.PropertyText.h"
#include "App.Lib.Theme.h"
#include "CheckBox.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Entity.h"
#include "Common.Base.FilterClass.h"
#include "DateEdit.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

enum class TSituacaoTeste { Ativo, Inativo };
BOOST_DESCRIBE_ENUM(TSituacaoTeste, Ativo, Inativo)

class TCadastroTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TCadastroTesteEntity)

    QString Nome;
    std::int32_t Idade = 0;
    std::int64_t Codigo = 0;
    double Valor = 0;
    bool Ativo = false;
    std::int32_t Status = 0;
    TDateTime DataNascimento;
    TDateTime Hora;
    QString Observacao;
    std::int64_t IdPessoa = 0;
    QString ListaSexo;
    TSituacaoTeste Situacao = TSituacaoTeste::Ativo;
};
BOOST_DESCRIBE_STRUCT(TCadastroTesteEntity,
                      (TBaseEntity),
                      (Nome,
                       Idade,
                       Codigo,
                       Valor,
                       Ativo,
                       Status,
                       DataNascimento,
                       Hora,
                       Observacao,
                       IdPessoa,
                       ListaSexo,
                       Situacao))
ZUNTA_DEFINE_CLASS(TCadastroTesteEntity)

class TCadastroTesteFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TCadastroTesteFilterClass)

    QString Nome;
    QString DataInicial;
    QString Ativo;
    QString IdPessoa;
    QString Observacao;
};
BOOST_DESCRIBE_STRUCT(TCadastroTesteFilterClass,
                      (TBaseFilterClass),
                      (Nome, DataInicial, Ativo, IdPessoa, Observacao))
ZUNTA_DEFINE_CLASS(TCadastroTesteFilterClass)

QString propertyText(const TSerializeObject &object, const char *name)
{
    const TMemberInfo *property = object.ClassInfo().FindProperty(QString::fromLatin1(name));
    return property ? TPropertyText::GetText(object, *property) : QStringLiteral("<missing>");
}

// --- Controls into the object, one property type at a time ----------------------------------

struct CopyRow
{
    const char *Name;
    // Creates the control on the window, binds it and gives it its value.
    std::function<void(QWidget *window, TItemControl &item)> Bind;
    const char *Property;
    QString Expected;
};

void PrintTo(const CopyRow &row, std::ostream *out)
{
    *out << row.Name;
}

TEdit *boundEdit(QWidget *window, TItemControl &item, const char *name, const QString &text)
{
    auto *edit = new TEdit(window, QString::fromLatin1(name));
    item.SetControl(edit);
    edit->setText(text);
    return edit;
}

const CopyRow copyRows[] = {
    { "EditIntoTextTrimmed",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditNome", "  Ana Souza \t"); },
      "Nome",
      "Ana Souza" },
    { "EmptyEditIntoTextIsEmpty",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditNome", ""); },
      "Nome",
      "" },
    { "EditIntoInteger",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditIdade", "42"); },
      "Idade",
      "42" },
    { "EmptyEditIntoIntegerIsZero",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditIdade", ""); },
      "Idade",
      "0" },
    { "UnreadableEditIntoIntegerIsZero",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditIdade", "4x"); },
      "Idade",
      "0" },
    { "EditIntoInt64",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditCodigo", "9000000000"); },
      "Codigo",
      "9000000000" },
    { "EmptyEditIntoInt64IsZero",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditCodigo", ""); },
      "Codigo",
      "0" },
    { "AmountEditIntoFloat",
      [](QWidget *w, TItemControl &i) {
          i.TypeFormat = TFormatterEdit::Valor;
          boundEdit(w, i, "EditValor", "1.234,50");
      },
      "Valor",
      "1234,5" },
    { "EmptyEditIntoFloatIsZero",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditValor", ""); },
      "Valor",
      "0" },
    { "CheckedBoxIntoBoolean",
      [](QWidget *w, TItemControl &i) {
          auto *checkBox = new TCheckBox(w, QStringLiteral("CheckBoxAtivo"));
          i.SetControl(checkBox);
          checkBox->setChecked(true);
      },
      "Ativo",
      "True" },
    { "UncheckedBoxIntoBoolean",
      [](QWidget *w, TItemControl &i) {
          i.SetControl(new TCheckBox(w, QStringLiteral("CheckBoxAtivo")));
      },
      "Ativo",
      "False" },
    { "CheckedBoxIntoIntegerIsMinusOne",
      [](QWidget *w, TItemControl &i) {
          auto *checkBox = new TCheckBox(w, QStringLiteral("CheckBoxStatus"));
          i.SetControl(checkBox);
          checkBox->setChecked(true);
      },
      "Status",
      "-1" },
    { "DateEditIntoDateTime",
      [](QWidget *w, TItemControl &i) {
          auto *dateEdit = new TDateEdit(w, QStringLiteral("DateEditDataNascimento"));
          i.SetControl(dateEdit);
          dateEdit->setDate(EncodeDate(2024, 5, 31));
      },
      "DataNascimento",
      "31/05/2024" },
    { "EmptyDateEditIntoDateTimeIsZero",
      [](QWidget *w, TItemControl &i) {
          auto *dateEdit = new TDateEdit(w, QStringLiteral("DateEditDataNascimento"));
          i.SetControl(dateEdit);
          dateEdit->setIsEmpty(true);
      },
      "DataNascimento",
      "30/12/1899" },
    { "EmptyEditIntoDateTimeLeavesIt",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditDataNascimento", ""); },
      "DataNascimento",
      "01/03/2023" },
    { "TimeEditIntoDateTime",
      [](QWidget *w, TItemControl &i) {
          i.TypeFormat = TFormatterEdit::Time;
          boundEdit(w, i, "EditHora", "12:30");
      },
      "Hora",
      "30/12/1899 12:30:00" },
    { "LookupIntoInt64",
      [](QWidget *w, TItemControl &i) {
          boundEdit(w, i, "EditPessoa", "");
          i.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
          qobject_cast<TEdit *>(i.Control())->setText(QStringLiteral("ANA"));
          i.Id = 15;
      },
      "IdPessoa",
      "15" },
    { "SystemListLookupIntoTextIsTheId",
      [](QWidget *w, TItemControl &i) {
          boundEdit(w, i, "EditListaSexo", "");
          i.SetClassPesquisa(QStringLiteral("TPesquisaLista"));
          i.Id = 4;
      },
      "ListaSexo",
      "4" },
    { "MemoIntoText",
      [](QWidget *w, TItemControl &i) {
          auto *memo = new TMemo(w, QStringLiteral("MemoObservacao"));
          i.SetControl(memo);
          memo->setText(QStringLiteral("primeira\nsegunda"));
      },
      "Observacao",
      "primeira\nsegunda" },
    { "EditIntoEnumeration",
      [](QWidget *w, TItemControl &i) { boundEdit(w, i, "EditSituacao", " Inativo "); },
      "Situacao",
      "Inativo" },
};

class ControlsIntoObjectTest : public ::testing::TestWithParam<CopyRow>
{
};

TEST_P(ControlsIntoObjectTest, ConvertsByThePropertyType)
{
    const CopyRow &row = GetParam();
    QWidget window;
    TManagerControl manager;
    row.Bind(&window, manager.AddItemControl());
    TCadastroTesteEntity entity;
    entity.Nome = QStringLiteral("antes");
    entity.Idade = 9;
    entity.Valor = 9;
    entity.DataNascimento = EncodeDate(2023, 3, 1);

    manager.SetObjectFromValueControl(entity);

    EXPECT_EQ(propertyText(entity, row.Property), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Types,
                         ControlsIntoObjectTest,
                         ::testing::ValuesIn(copyRows),
                         [](const auto &info) { return std::string(info.param.Name); });

// --- A window's worth of bindings -----------------------------------------------------------

class ManagerControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editNome = new TEdit(&window, QStringLiteral("EditNome"));
        labelNome = new TLabel(&window, QStringLiteral("LabelNome"));
        editValor = new TEdit(&window, QStringLiteral("EditValor"));
        editHora = new TEdit(&window, QStringLiteral("EditHora"));
        dateEditNascimento = new TDateEdit(&window, QStringLiteral("DateEditDataNascimento"));
        checkBoxAtivo = new TCheckBox(&window, QStringLiteral("CheckBoxAtivo"));
        memoObservacao = new TMemo(&window, QStringLiteral("MemoObservacao"));
        editCodigo = new TEdit(&window, QStringLiteral("EditCodigo"));
    }

    // The registration step of a window: title, control, flags, caption.
    void fill()
    {
        manager.SetProcFillListControl([this] {
            TItemControl &nome = manager.AddItemControl();
            nome.TitleControl = QStringLiteral("Nome");
            nome.SetControl(editNome);
            nome.IsRequired = true;
            nome.IsUpper = true;
            nome.MaxLength = 60;
            nome.CaptionControl = labelNome;

            TItemControl &valor = manager.AddItemControl();
            valor.TitleControl = QStringLiteral("Valor");
            valor.SetControl(editValor);
            valor.TypeFormat = TFormatterEdit::Valor;
            valor.DecimalsPlaces = 2;

            TItemControl &hora = manager.AddItemControl();
            hora.TitleControl = QStringLiteral("Hora");
            hora.SetControl(editHora);
            hora.TypeFormat = TFormatterEdit::Time;

            TItemControl &nascimento = manager.AddItemControl();
            nascimento.TitleControl = QStringLiteral("Nascimento");
            nascimento.SetControl(dateEditNascimento);
            nascimento.IsRequired = true;

            TItemControl &ativo = manager.AddItemControl();
            ativo.TitleControl = QStringLiteral("Ativo");
            ativo.SetControl(checkBoxAtivo);
            ativo.IsRequired = true;

            TItemControl &observacao = manager.AddItemControl();
            observacao.TitleControl = QStringLiteral("Observação");
            observacao.SetControl(memoObservacao);

            TItemControl &codigo = manager.AddItemControl();
            codigo.TitleControl = QStringLiteral("Código");
            codigo.SetControl(editCodigo);
            codigo.IgnoreSave = true;
        });
    }

    QWidget window;
    TManagerControl manager;
    TEdit *editNome = nullptr;
    TLabel *labelNome = nullptr;
    TEdit *editValor = nullptr;
    TEdit *editHora = nullptr;
    TDateEdit *dateEditNascimento = nullptr;
    TCheckBox *checkBoxAtivo = nullptr;
    TMemo *memoObservacao = nullptr;
    TEdit *editCodigo = nullptr;
};

TEST_F(ManagerControlTest, FillRegistersThenPreparesThenRunsTheAfterStep)
{
    std::vector<QString> steps;
    manager.ProcAfterFillListControl = [&] {
        steps.push_back(
            QStringLiteral("after: %1 bindings").arg(manager.ListControlsFill().size()));
    };
    fill();
    EXPECT_EQ(steps, std::vector<QString>({ QStringLiteral("after: 7 bindings") }));

    const TThemeApp &theme = TThemeApp::Instance();
    EXPECT_EQ(editNome->maxLength(), 60);
    EXPECT_EQ(editNome->charCase(), TEditCharCase::UpperCase);
    EXPECT_EQ(editNome->font().family(), theme.FontApp().SecondaryFont().family());
    EXPECT_EQ(editNome->fontColor(), theme.ColorApp().TextPrimaryColor);
    ASSERT_EQ(editNome->buttons().size(), 1);
    EXPECT_EQ(editNome->buttons().first()->kind(), TEditButtonKind::Clear);
    EXPECT_EQ(labelNome->text(), QStringLiteral("Nome"));
    EXPECT_EQ(labelNome->width(), labelNome->fontMetrics().horizontalAdvance("Nome") + 10);
    EXPECT_EQ(checkBoxAtivo->text(), QStringLiteral("Ativo"));
    EXPECT_TRUE(dateEditNascimento->isEmpty());
    EXPECT_TRUE(dateEditNascimento->clearButtonVisible());

    // The list is not emptied by a second fill.
    manager.SetProcFillListControl([] {});
    EXPECT_EQ(manager.ListControlsFill().size(), 7u);
    EXPECT_EQ(editNome->buttons().size(), 1) << "a second preparation adds no second button";
}

TEST_F(ManagerControlTest, ObjectIntoControlsAndBackGivesTheSameValues)
{
    fill();
    TCadastroTesteEntity entity;
    entity.Nome = QStringLiteral("ANA");
    entity.Valor = 1234.5;
    entity.Hora = EncodeTime(12, 30, 0, 0);
    entity.DataNascimento = EncodeDate(1990, 7, 14);
    entity.Ativo = true;
    entity.Observacao = QStringLiteral("linha");
    std::vector<bool> fillingSeen;
    bool afterFill = false;
    manager.SetValueControlFromObject(entity, false, [&] {
        afterFill = true;
        for (const auto &item : manager.ListControlsFill())
            fillingSeen.push_back(item->IsFillForm);
    });

    EXPECT_TRUE(afterFill);
    EXPECT_EQ(fillingSeen, std::vector<bool>(7, false)) << "IsFillForm only during the copy";
    EXPECT_EQ(editNome->text(), QStringLiteral("ANA"));
    EXPECT_EQ(editValor->text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(editHora->text(), QStringLiteral("12:30"));
    EXPECT_EQ(dateEditNascimento->text(), QStringLiteral("14/07/1990"));
    EXPECT_TRUE(checkBoxAtivo->isChecked());
    EXPECT_EQ(memoObservacao->text(), QStringLiteral("linha"));
    EXPECT_TRUE(editCodigo->text().isEmpty()) << "IgnoreSave is not filled";

    TCadastroTesteEntity copy;
    manager.SetObjectFromValueControl(copy);
    EXPECT_EQ(copy.Nome, entity.Nome);
    EXPECT_DOUBLE_EQ(copy.Valor, entity.Valor);
    EXPECT_NEAR(double(copy.Hora), double(entity.Hora), 1e-9);
    EXPECT_DOUBLE_EQ(double(copy.DataNascimento), double(entity.DataNascimento));
    EXPECT_TRUE(copy.Ativo);
    EXPECT_EQ(copy.Observacao, entity.Observacao);
}

TEST_F(ManagerControlTest, ViewModeDisablesAndEditModeEnablesTheControls)
{
    fill();
    manager.ListControlsFill()[5]->SetDesactiveEnabled(true);
    TCadastroTesteEntity entity;
    manager.SetValueControlFromObject(entity, true);
    EXPECT_FALSE(editNome->isEnabled());
    EXPECT_FALSE(checkBoxAtivo->isEnabled());

    manager.EnabledControls(false);
    EXPECT_TRUE(editNome->isEnabled());
    EXPECT_TRUE(checkBoxAtivo->isEnabled());
    EXPECT_FALSE(memoObservacao->isEnabled()) << "DesactiveEnabled keeps it disabled";
    manager.SetValueControlFromObject(entity, false);
    EXPECT_FALSE(memoObservacao->isEnabled());
    manager.EnabledControls(true);
    EXPECT_FALSE(editNome->isEnabled());
}

TEST(ManagerControlFailureTest, NoBindingsFailsNamingTheManager)
{
    TManagerControl manager;
    manager.SetProcFillListControl([] {});
    TCadastroTesteEntity entity;
    const QString expected = QStringLiteral("ERROR:Nenhum controle foi vinculado ao presenter "
                                            "TManagerControl.");
    const std::function<void()> calls[] = {
        [&] { manager.SetObjectFromValueControl(entity); },
        [&] { manager.SetValueControlFromObject(entity, false); },
        [&] { manager.SetObjectFilterFromValueControl(entity, true); },
        [&] { manager.EnabledControls(false); },
    };
    for (const auto &call : calls) {
        try {
            call();
            ADD_FAILURE() << "no failure";
        } catch (const Exception &error) {
            EXPECT_EQ(error.Message(), expected);
        }
    }
    EXPECT_NO_THROW(manager.Clear());
    EXPECT_TRUE(manager.ValidControls());
}

TEST(ManagerControlFailureTest, PropertyTheObjectLacksFailsAfterTheEarlierOnesWereCopied)
{
    QWidget window;
    TManagerControl manager;
    TItemControl &nome = manager.AddItemControl();
    nome.SetControl(new TEdit(&window, QStringLiteral("EditNome")));
    qobject_cast<TEdit *>(nome.Control())->setText(QStringLiteral("ANA"));
    manager.AddItemControl().SetControl(new TEdit(&window, QStringLiteral("EditApelido")));
    TCadastroTesteEntity entity;
    try {
        manager.SetObjectFromValueControl(entity);
        ADD_FAILURE() << "no failure";
    } catch (const Exception &error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("ERROR:Nenhuma propriedade do objeto TCadastroTesteEntity\r\nfoi "
                                 "encontrado."));
    }
    EXPECT_EQ(entity.Nome, QStringLiteral("ANA"));
}

TEST(ManagerControlFailureTest, TextThatIsNoBooleanFailsWithAConversionError)
{
    QWidget window;
    TManagerControl manager;
    TItemControl &ativo = manager.AddItemControl();
    ativo.SetControl(new TEdit(&window, QStringLiteral("EditAtivo")));
    qobject_cast<TEdit *>(ativo.Control())->setText(QStringLiteral("talvez"));
    TCadastroTesteEntity entity;
    EXPECT_THROW(manager.SetObjectFromValueControl(entity), EConvertError);
}

// --- Validation -----------------------------------------------------------------------------

TEST(ManagerControlValidTest, AllFailuresInOneMessageInBindingOrderThenTheWindowsOwn)
{
    QWidget window;
    auto *hiddenPanel = new QWidget(&window);
    hiddenPanel->hide();
    auto *disabledPanel = new QWidget(&window);
    disabledPanel->setEnabled(false);
    TManagerControl manager;
    auto bind = [&](QWidget *control, const char *title, bool required = true) -> TItemControl & {
        TItemControl &item = manager.AddItemControl();
        item.TitleControl = QString::fromUtf8(title);
        item.SetControl(control);
        item.IsRequired = required;
        return item;
    };
    // Blanks are no value: they would be saved as an empty text.
    bind(new TEdit(&window, QStringLiteral("EditNome")), "Nome");
    qobject_cast<TEdit *>(manager.FindItemControl(QStringLiteral("EditNome"))->Control())
        ->setText(QStringLiteral("   "));
    bind(new TCheckBox(&window, QStringLiteral("CheckBoxAtivo")), "Ativo");
    auto *hidden = new TEdit(&window, QStringLiteral("EditApelido"));
    hidden->hide();
    bind(hidden, "Apelido");
    bind(new TEdit(hiddenPanel, QStringLiteral("EditRua")), "Rua");
    bind(new TEdit(disabledPanel, QStringLiteral("EditNumero")), "Número");
    auto *disabled = new TEdit(&window, QStringLiteral("EditBairro"));
    disabled->setEnabled(false);
    bind(disabled, "Bairro");
    bind(new TDateEdit(&window, QStringLiteral("DateEditDataNascimento")), "Nascimento");
    bind(new TEdit(&window, QStringLiteral("EditCodigo")), "Código").IgnoreSave = true;
    TItemControl &pessoa = bind(new TEdit(&window, QStringLiteral("EditPessoa")), "Pessoa");
    pessoa.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
    qobject_cast<TEdit *>(pessoa.Control())->setText(QStringLiteral("ANA"));
    bind(new TEdit(&window, QStringLiteral("EditEmail")), "E-mail", false);
    bind(new TMemo(&window, QStringLiteral("MemoObservacao")), "Observação");
    qobject_cast<TMemo *>(manager.FindItemControl(QStringLiteral("MemoObservacao"))->Control())
        ->setText(QStringLiteral(" \r\n\t"));
    qobject_cast<TDateEdit *>(
        manager.FindItemControl(QStringLiteral("DateEditDataNascimento"))->Control())
        ->setIsEmpty(true);

    int perItem = 0;
    manager.ProcConsistItemControlSave = [&](TItemControl *, QStringList &) { ++perItem; };
    manager.ProcConsistSave = [](QStringList &errors) {
        errors << QStringLiteral("WARNING:A data final é anterior à inicial.");
    };

    try {
        manager.ValidControls();
        ADD_FAILURE() << "no failure";
    } catch (const Exception &error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral(u"WARNING:O campo Nome não possui um valor válido.\r\n"
                                 u"WARNING:O campo Nascimento não possui um valor válido.\r\n"
                                 u"WARNING:O campo Pessoa não possui um valor válido.\r\n"
                                 u"WARNING:O campo Observação não possui um valor válido.\r\n"
                                 u"WARNING:A data final é anterior à inicial.\r\n"));
    }
    EXPECT_EQ(perItem, 11) << "the per-binding check runs for every binding";

    manager.ProcConsistSave = {};
    qobject_cast<TEdit *>(manager.FindItemControl(QStringLiteral("editnome"))->Control())
        ->setText(QStringLiteral("ANA"));
    qobject_cast<TDateEdit *>(
        manager.FindItemControl(QStringLiteral("DATEEDITDATANASCIMENTO"))->Control())
        ->setDate(EncodeDate(2000, 1, 1));
    pessoa.Id = 3;
    qobject_cast<TMemo *>(manager.FindItemControl(QStringLiteral("MemoObservacao"))->Control())
        ->setText(QStringLiteral("ok"));
    EXPECT_TRUE(manager.ValidControls());
    EXPECT_EQ(manager.FindItemControl(QStringLiteral("EditInexistente")), nullptr);
}

// --- Filters --------------------------------------------------------------------------------

TEST(ManagerControlFilterTest, FilterObjectTakesTheReportTextOfEveryBinding)
{
    QWidget window;
    TManagerControl manager;
    auto *nome = new TEdit(&window, QStringLiteral("EditFilterNome"));
    auto *data = new TDateEdit(&window, QStringLiteral("DateEditFilterDataInicial"));
    auto *ativo = new TCheckBox(&window, QStringLiteral("CheckBoxFilterAtivo"));
    auto *pessoa = new TEdit(&window, QStringLiteral("EditFilterPessoa"));
    auto *observacao = new TMemo(&window, QStringLiteral("MemoFilterObservacao"));
    manager.AddItemControl().SetControl(nome);
    manager.AddItemControl().SetControl(data);
    manager.AddItemControl().SetControl(ativo);
    TItemControl &lookup = manager.AddItemControl();
    lookup.SetControl(pessoa);
    lookup.SetClassPesquisa(QStringLiteral("TPesquisaTeste"));
    TItemControl &ignored = manager.AddItemControl();
    ignored.SetControl(observacao);
    ignored.IgnoreSave = true;

    nome->setText(QStringLiteral("ana"));
    data->setDate(EncodeDate(2024, 5, 31));
    ativo->setChecked(true);
    pessoa->setText(QStringLiteral("JOAO"));
    lookup.Id = 12;
    observacao->setText(QStringLiteral("x"));

    TCadastroTesteFilterClass filter;
    manager.SetObjectFilterFromValueControl(filter, true);
    EXPECT_EQ(filter.Nome, QStringLiteral("ana#ana"));
    EXPECT_EQ(filter.DataInicial, QStringLiteral("05-31-2024#05-31-2024"));
    EXPECT_EQ(filter.Ativo, QStringLiteral("-1#SIM"));
    EXPECT_EQ(filter.IdPessoa, QStringLiteral("12#JOAO"));
    EXPECT_EQ(filter.Observacao, QStringLiteral("x#x")) << "IgnoreSave is still written";

    nome->clear();
    manager.SetObjectFilterFromValueControl(filter, true);
    EXPECT_TRUE(filter.Nome.isEmpty());
}

// --- Clear, change, tab order ------------------------------------------------------------

TEST_F(ManagerControlTest, ClearEmptiesAllButNotClearAndFormatsTheDefaults)
{
    fill();
    manager.ListControlsFill()[1]->ValueDefault = QStringLiteral("10");
    manager.ListControlsFill()[5]->NotClear = true;
    editNome->setText(QStringLiteral("ANA"));
    editValor->setText(QStringLiteral("5"));
    memoObservacao->setText(QStringLiteral("fica"));
    checkBoxAtivo->setChecked(true);

    manager.Clear();

    EXPECT_TRUE(editNome->text().isEmpty());
    EXPECT_EQ(editValor->text(), QStringLiteral("10,00")) << "the default goes through leaving";
    EXPECT_FALSE(checkBoxAtivo->isChecked());
    EXPECT_EQ(memoObservacao->text(), QStringLiteral("fica"));
}

TEST_F(ManagerControlTest, FilterChangeProcedureReachesEveryBinding)
{
    std::vector<QObject *> changed;
    manager.ProcChangeControlsFilter = [&](QObject *control) { changed.push_back(control); };
    fill();
    editNome->setText(QStringLiteral("A"));
    checkBoxAtivo->click();
    EXPECT_EQ(changed, std::vector<QObject *>({ editNome, checkBoxAtivo }));
}

// The next control the Tab key reaches (the chain also holds the buttons inside the edits).
QWidget *nextTabStop(QWidget *control)
{
    QWidget *next = control->nextInFocusChain();
    while (next != control && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

TEST(ManagerControlTabTest, TabFollowsTheRegistrationOrder)
{
    QWidget window;
    auto *first = new TEdit(&window, QStringLiteral("EditPrimeiro"));
    auto *second = new TEdit(&window, QStringLiteral("EditSegundo"));
    auto *noTabStop = new TCheckBox(&window, QStringLiteral("CheckBoxSemTab"));
    noTabStop->setFocusPolicy(Qt::ClickFocus);
    auto *third = new TEdit(&window, QStringLiteral("EditTerceiro"));
    TManagerControl manager;
    manager.SetProcFillListControl([&] {
        manager.AddItemControl().SetControl(third);
        manager.AddItemControl().SetControl(noTabStop);
        manager.AddItemControl().SetControl(second);
        manager.AddItemControl().SetControl(first);
    });
    EXPECT_EQ(nextTabStop(third), second);
    EXPECT_EQ(nextTabStop(second), first);
    EXPECT_EQ(noTabStop->focusPolicy(), Qt::ClickFocus);
}

TEST_F(ManagerControlTest, TimeEditShowsHoursAndMinutesOfTheProperty)
{
    fill();
    TCadastroTesteEntity entity;
    entity.Hora = 0.75;
    manager.SetValueControlFromObject(entity, false);
    EXPECT_EQ(editHora->text(), QStringLiteral("18:00"));
}

// One line per binding: an edit's maximum length is the size of its property's column in the
// list table, unless the line gives one.
TEST(ManagerControlBindTest, EditsTakeTheirMaximumLengthFromTheirColumnUnlessGivenOne)
{
    QWidget window;
    auto *editNome = new TEdit(&window, QStringLiteral("EditNome"));
    auto *labelNome = new TLabel(&window, QStringLiteral("LabelNome"));
    auto *editObservacao = new TEdit(&window, QStringLiteral("EditObservacao"));
    auto *editApelido = new TEdit(&window, QStringLiteral("EditApelido"));
    auto *editPessoa = new TEdit(&window, QStringLiteral("EditPessoa"));
    TMemTable columns;
    columns.AddField(QStringLiteral("NOME"), TFieldType::String, 60);
    columns.AddField(QStringLiteral("OBSERVACAO"), TFieldType::String, 200);
    columns.AddField(QStringLiteral("ID_PESSOA"), TFieldType::LargeInt);
    columns.AddField(QStringLiteral("PESSOA"), TFieldType::String, 80);
    TManagerControl manager;
    manager.SetColumns(&columns);
    manager.SetProcFillListControl([&] {
        manager.Bind(editNome, QStringLiteral("Nome")).Required().Upper().Caption(labelNome);
        manager.Bind(editObservacao, QStringLiteral("Observação")).MaxLength(30);
        manager.Bind(editApelido, QStringLiteral("Apelido"));
        manager.Bind(editPessoa, QStringLiteral("Pessoa"))
            .Lookup(QStringLiteral("TPesquisaPessoa"));
    });

    EXPECT_EQ(editNome->maxLength(), 60);
    EXPECT_EQ(editObservacao->maxLength(), 30) << "the line's own length wins";
    EXPECT_EQ(editApelido->maxLength(), 0) << "no column, no limit";
    EXPECT_EQ(editPessoa->maxLength(), 0) << "a lookup edit binds IdPessoa, a number column";
    const TItemControl &nome = *manager.ListControlsFill().front();
    EXPECT_EQ(nome.TitleControl, QStringLiteral("Nome"));
    EXPECT_TRUE(nome.IsRequired);
    EXPECT_EQ(editNome->charCase(), TEditCharCase::UpperCase);
    EXPECT_EQ(labelNome->text(), QStringLiteral("Nome"));
    EXPECT_TRUE(manager.ListControlsFill().back()->IsPesquisa());
}

} // namespace
