#include "App.Form.Cadastro.ListaSistema.h"

#include "App.Adapter.Frame.ListaSistema.h"
#include "CheckBox.h"
#include "MemTable.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kListaSistemaSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");
const QString kQuestionRemove = QStringLiteral("QUESTION:Remover registro?");
const QString kQuestionRefresh
    = QStringLiteral("QUESTION:Deseja atualizar as informações da listagem?");
constexpr int kListaSistemaYes = 6;
constexpr int kListaSistemaNo = 7;

class FormCadastroListaSistemaTest
    : public RegistrationWindowFixture<TFormCadastroListaSistema, TListaSistemaFrameAdapter>
{
protected:
    FormCadastroListaSistemaTest()
        : RegistrationWindowFixture("TFormCadastroListaSistema", "/lista-sistema")
    { }

    // The listed rows as "code|description|type".
    QStringList rows() const
    {
        QStringList texts;
        for (TListaSistemaFrameAdapter *frame : frames())
            texts << frame->LabelCodigo->text() + u'|' + frame->LabelDescricao->text() + u'|'
                    + frame->LabelTipo->text();
        return texts;
    }
    TListaSistemaFrameAdapter *frameOf(const QString &ACodigo) const
    {
        return RegistrationWindowFixture::frameOf(&TListaSistemaFrameAdapter::LabelCodigo, ACodigo);
    }
    static void retype(TEdit *AEdit, const QString &AText)
    {
        AEdit->clear();
        typeText(AEdit, AText);
    }
};

TEST_F(FormCadastroListaSistemaTest, ListsTheItemsWithCodeDescriptionAndType)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE LISTAS DO SISTEMA"));
    EXPECT_EQ(form->RectanglePrincipal->parentWidget(), principal->LayoutPrincipal);

    search(QString());
    const QStringList listed = rows();
    // Every item is read; a long list builds only the rows in sight at first.
    EXPECT_EQ(form->Presenter()->DataSetInfo().RecordCount(),
              int(demo.store().rows(QStringLiteral("/lista-sistema")).size()));
    EXPECT_FALSE(listed.isEmpty());
    EXPECT_TRUE(listed.contains(QStringLiteral("01|CÔNJUGE|PARENTESCO")))
        << listed.join(u'\n').toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("M|MASCULINO|SEXO")))
        << listed.join(u'\n').toStdString();

    search(QStringLiteral("RELIGIAO"));
    EXPECT_EQ(rows(),
              (QStringList { QStringLiteral("01|CATÓLICA|RELIGIAO"),
                             QStringLiteral("02|EVANGÉLICA|RELIGIAO"),
                             QStringLiteral("03|ESPÍRITA|RELIGIAO"),
                             QStringLiteral("00|TODAS|RELIGIAO") }));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormCadastroListaSistemaTest, NewItemIsSavedEditedAndRemoved)
{
    // New: the record tab opens on the code edit, with the titles of the bound controls.
    form->SpeedButtonNovo->click();
    ASSERT_TRUE(recordTabActive());
    EXPECT_TRUE(waitFor([&] { return principal->focusWidget() == form->EditCodigo; }));
    EXPECT_EQ(form->LabelCodigo->text(), QStringLiteral("Código"));
    EXPECT_EQ(form->CheckBoxIsGeral->text(),
              QStringLiteral("Geral (Apenas um item do tipo da lista pode ser geral)"));

    typeText(form->EditCodigo, QStringLiteral("nt"));
    typeText(form->EditDescricao, QStringLiteral("neto(a)"));
    typeText(form->EditTipo, QStringLiteral("parentesco"));
    form->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kListaSistemaSuccess });
    QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 0);
    EXPECT_EQ(body.value(QStringLiteral("codigo")).toString(), QStringLiteral("NT"));
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QStringLiteral("NETO(A)"));
    EXPECT_EQ(body.value(QStringLiteral("tipo")).toString(), QStringLiteral("PARENTESCO"));
    ASSERT_TRUE(body.value(QStringLiteral("isGeral")).isBool()) << "an unticked box is sent";
    EXPECT_FALSE(body.value(QStringLiteral("isGeral")).toBool());
    EXPECT_TRUE(recordTabActive()) << "a blank new record follows";
    EXPECT_TRUE(form->EditCodigo->text().isEmpty());

    // Back to the list, refreshed on request, and the new row opened for editing.
    dialogs.clearMessages();
    dialogs.answerQuestion(kListaSistemaYes);
    form->SpeedButtonRetornar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kQuestionRefresh });
    // Found by its text: at the end of a long list its row may not be built yet.
    search(QStringLiteral("PARENTESCO"));
    TListaSistemaFrameAdapter *row = frameOf(QStringLiteral("NT"));
    ASSERT_NE(row, nullptr) << rows().join(u'\n').toStdString();
    EXPECT_EQ(row->LabelDescricao->text(), QStringLiteral("NETO(A)"));
    EXPECT_EQ(row->LabelTipo->text(), QStringLiteral("PARENTESCO"));
    const qint64 id = row->TagString.toLongLong();
    ASSERT_GT(id, 0);
    row->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditID->text(), QString::number(id));
    EXPECT_EQ(form->EditCodigo->text(), QStringLiteral("NT"));
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("NETO(A)"));
    EXPECT_FALSE(form->CheckBoxIsGeral->isChecked());

    retype(form->EditDescricao, QStringLiteral("neto ou neta"));
    form->CheckBoxIsGeral->click();
    const std::size_t reads = demo.backend().count("GET", "/lista-sistema/" + std::to_string(id));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kListaSistemaSuccess });
    body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), id);
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QStringLiteral("NETO OU NETA"));
    EXPECT_TRUE(body.value(QStringLiteral("isGeral")).toBool());
    EXPECT_EQ(demo.backend().count("GET", "/lista-sistema/" + std::to_string(id)), reads + 1)
        << "the saved record is read back";
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("NETO OU NETA"));
    EXPECT_TRUE(form->CheckBoxIsGeral->isChecked());

    // Remove: nothing on "no"; on "yes" the id goes in a DELETE and the list is read again.
    dialogs.clearMessages();
    dialogs.answerQuestion(kListaSistemaYes);
    form->SpeedButtonRetornar->click();
    waitIdle();
    row = frameOf(QStringLiteral("NT"));
    ASSERT_NE(row, nullptr);
    dialogs.answerQuestion(kListaSistemaNo);
    row->SpeedButtonRemove->click();
    EXPECT_EQ(demo.backend().count("DELETE", "/lista-sistema"), 0u);
    dialogs.answerQuestion(kListaSistemaYes);
    row->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kQuestionRefresh, kQuestionRemove, kQuestionRemove }));
    const auto removal = demo.backend().last("DELETE", "/lista-sistema");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TListaSistemaEntity");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(removal->body))
                  .object()
                  .value(QStringLiteral("listHelper"))
                  .toArray(),
              QJsonArray { id });
    EXPECT_FALSE(demo.store().find(QStringLiteral("/lista-sistema"), id));
    EXPECT_EQ(frameOf(QStringLiteral("NT")), nullptr);
    EXPECT_FALSE(rows().isEmpty()) << "the other rows are listed again";
}

// What a save does with what was typed: the three required edits are checked together, and
// typing is upper case and cut at the column sizes.
struct SaveCase
{
    const char *name;
    const char *codigo;
    const char *descricao;
    const char *tipo;
    const char *message; // the one dialog of a refused save; null when it is saved
    const char *savedCodigo;
    const char *savedDescricao;
    const char *savedTipo;
};

void PrintTo(const SaveCase &row, std::ostream *out)
{
    *out << row.name;
}

class SaveListaSistemaTest : public FormCadastroListaSistemaTest,
                             public ::testing::WithParamInterface<SaveCase>
{
};

TEST_P(SaveListaSistemaTest, ChecksTheRequiredEditsAndSavesUpperCaseWithinTheirSizes)
{
    const SaveCase &row = GetParam();
    form->SpeedButtonNovo->click();
    typeText(form->EditCodigo, QString::fromUtf8(row.codigo));
    typeText(form->EditDescricao, QString::fromUtf8(row.descricao));
    typeText(form->EditTipo, QString::fromUtf8(row.tipo));
    form->SpeedButtonSalvar->click();

    if (row.message) {
        EXPECT_EQ(dialogs.messageTexts(), QStringList { QString::fromUtf8(row.message) });
        EXPECT_EQ(demo.backend().count("POST", "/lista-sistema"), 0u);
        EXPECT_EQ(form->EditCodigo->text(), QString::fromUtf8(row.codigo).toUpper());
        return;
    }
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kListaSistemaSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("codigo")).toString(), QString::fromUtf8(row.savedCodigo));
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(),
              QString::fromUtf8(row.savedDescricao));
    EXPECT_EQ(body.value(QStringLiteral("tipo")).toString(), QString::fromUtf8(row.savedTipo));
}

const std::string kLongCodigo(25, 'a');
const std::string kLongDescricao(120, 'b');
const std::string kLongTipo(60, 'c');
const std::string kSavedCodigo(20, 'A');
const std::string kSavedDescricao(100, 'B');
const std::string kSavedTipo(50, 'C');

const SaveCase kSaveCases[] = {
    { "NothingTyped",
      "",
      "",
      "",
      "WARNING:O campo Código não possui um valor válido.\r\n"
      "WARNING:O campo Descrição não possui um valor válido.\r\n"
      "WARNING:O campo Tipo não possui um valor válido.\r\n",
      nullptr,
      nullptr,
      nullptr },
    { "TypeMissing",
      "f",
      "feminino",
      "",
      "WARNING:O campo Tipo não possui um valor válido.\r\n",
      nullptr,
      nullptr,
      nullptr },
    { "AccentedLowerCase", "ç", "órfão", "situação", nullptr, "Ç", "ÓRFÃO", "SITUAÇÃO" },
    { "LongerThanTheColumns",
      kLongCodigo.c_str(),
      kLongDescricao.c_str(),
      kLongTipo.c_str(),
      nullptr,
      kSavedCodigo.c_str(),
      kSavedDescricao.c_str(),
      kSavedTipo.c_str() },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         SaveListaSistemaTest,
                         ::testing::ValuesIn(kSaveCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
