#include "App.Form.Cadastro.PerfilPermissao.h"

#include "App.Adapter.Frame.FormularioPerfilPermissao.h"
#include "App.Adapter.Frame.PerfilPermissao.h"
#include "App.Presenter.FormularioPerfilPermissao.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using TFormulario = TFormularioPerfilPermissaoFrameAdapter;
constexpr int kYes = 6;
const QString kSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");

// The menu windows of the seed, by id, of one top menu or of all ("Listas do Sistema" is window 1
// under CADASTROS, "Ocorrências" window 2 under SISTEMA; other windows come and go with the
// seed). Profile 1 stores rows 1 (window 1, every flag) and 2 (window 2, view only).
QList<qint64> seedWindows(const QString &ATopMenu = QString())
{
    QFile file(QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json"));
    file.open(QIODevice::ReadOnly);
    QList<qint64> ids;
    for (const QJsonValue &value :
         QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("menus")).toArray())
        if (ATopMenu.isEmpty()
            || value.toObject().value(QStringLiteral("menuSuperior")).toString() == ATopMenu)
            ids.append(value.toObject().value(QStringLiteral("id")).toInteger());
    std::sort(ids.begin(), ids.end());
    return ids;
}

constexpr qint64 kEmpresas = 40;
constexpr qint64 kPerfis = 41;

class FormCadastroPerfilPermissaoTest
    : public RegistrationWindowFixture<TFormCadastroPerfilPermissao, TPerfilPermissaoFrameAdapter>
{
protected:
    FormCadastroPerfilPermissaoTest()
        : RegistrationWindowFixture("TFormCadastroPerfilPermissao", "/perfil-permissao/complex")
    { }

    // Opens a listed profile for editing and waits for its permission rows.
    void editar(const QString &ADescricao)
    {
        search();
        TPerfilPermissaoFrameAdapter *row
            = frameOf(&TPerfilPermissaoFrameAdapter::LabelDescricao, ADescricao);
        ASSERT_NE(row, nullptr);
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
    }
    // The permission rows shown, by window id.
    QMap<qint64, TFormulario *> formularios() const
    {
        QMap<qint64, TFormulario *> rows;
        for (QWidget *control : form->VertScrollBoxDadosFormulario->controls())
            if (auto *row = qobject_cast<TFormulario *>(control); row && !row->isHidden())
                rows.insert(row->IdFormulario(), row);
        return rows;
    }
    // The rows of the last save, by window id, each as "id:flags" with the flags as 8 digits
    // in the order of the check boxes.
    QMap<qint64, QString> enviados()
    {
        QMap<qint64, QString> rows;
        const QJsonArray list = lastPost()
                                    .value(QStringLiteral("formularioPerfilPermissaos"))
                                    .toObject()
                                    .value(QStringLiteral("listHelper"))
                                    .toArray();
        for (const QJsonValue &value : list) {
            const QJsonObject row = value.toObject();
            QString flags;
            for (const char *flag : { "inserir",
                                      "editar",
                                      "remover",
                                      "movimentar",
                                      "visualizar",
                                      "permissaoExtra1",
                                      "permissaoExtra2",
                                      "permissaoExtra3" })
                flags += row.value(QLatin1String(flag)).toBool() ? u'1' : u'0';
            rows.insert(row.value(QStringLiteral("idFormulario")).toInteger(),
                        QString::number(row.value(QStringLiteral("id")).toInteger()) + u':'
                            + flags);
        }
        return rows;
    }
    QJsonArray removidos()
    {
        return lastPost()
            .value(QStringLiteral("removeFormularioPerfilPermissaos"))
            .toObject()
            .value(QStringLiteral("listHelper"))
            .toArray();
    }
    void pesquisar(int AMenu, const QString &AText)
    {
        form->ComboBoxMenuSuperior->setItemIndex(AMenu);
        form->EditPesquisarFormulario->setText(AText);
        form->SearchEditButtonFormulario->click();
    }
    void salvar()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
        EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    }
};

TEST_F(FormCadastroPerfilPermissaoTest, ShowsEveryWindowWithTheProfilesFlagsAndMarksUnsavedOnes)
{
    EXPECT_EQ(form->LabelTitleForm->text(),
              QStringLiteral("CADASTRO DE PERFILS DE PERMISSIONAMENTOS DO SISTEMA"));
    EXPECT_GE(form->ComboBoxMenuSuperior->count(), 3);
    EXPECT_EQ(form->ComboBoxMenuSuperior->itemText(0), QStringLiteral("SELECIONE"));
    EXPECT_EQ(form->ComboBoxMenuSuperior->itemText(1), QStringLiteral("CADASTROS"));
    EXPECT_EQ(form->ComboBoxMenuSuperior->itemText(2), QStringLiteral("SISTEMA"));

    editar(QStringLiteral("ADMINISTRADOR"));
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("ADMINISTRADOR"));
    const auto rows = formularios();
    ASSERT_EQ(rows.keys(), seedWindows());
    const auto flags = [](TFormulario *row) {
        QString text;
        for (bool flag : row->Flags())
            text += flag ? u'1' : u'0';
        return text;
    };
    EXPECT_EQ(flags(rows[1]), QStringLiteral("11111111"));
    EXPECT_EQ(flags(rows[2]), QStringLiteral("00001000"));
    EXPECT_EQ(flags(rows[kEmpresas]), QStringLiteral("00000000"));
    EXPECT_EQ(rows[kEmpresas]->LabelFormulario->text(), QStringLiteral("Empresas"));
    EXPECT_EQ(rows[kEmpresas]->RectangleColorStatus->fillColor(), TFormulario::ColorSemRegistro);
    EXPECT_NE(rows[1]->RectangleColorStatus->fillColor(), TFormulario::ColorSemRegistro);
    EXPECT_FALSE(rows[1]->SpeedButtonView->isVisibleTo(rows[1]));
    EXPECT_EQ(demo.backend()
                  .last("GET", "/formulario-perfil-permissao/perfil-permissao/1")
                  ->param("limit"),
              "100000");
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormCadastroPerfilPermissaoTest,
       MarcarTodasUnderAFilterTicksThatMenuAndTheSaveSendsEveryMenu)
{
    editar(QStringLiteral("ADMINISTRADOR"));
    pesquisar(2, QString());
    const QList<qint64> sistema = seedWindows(QStringLiteral("SISTEMA"));
    ASSERT_TRUE(sistema.contains(kPerfis));
    ASSERT_EQ(formularios().keys(), sistema);
    form->ButtonMarcarTodas->click();
    const auto rows = formularios();
    ASSERT_EQ(rows.keys(), sistema) << "the filter stays on";
    TFormularioPerfilPermissaoPresenter::TFlags all;
    all.fill(true);
    for (TFormulario *row : rows)
        EXPECT_EQ(row->Flags(), all);

    salvar();
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 1);
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QStringLiteral("ADMINISTRADOR"));
    // Windows of other menus without a stored row and without a tick are not sent.
    QMap<qint64, QString> expected { { 1, QStringLiteral("1:11111111") } };
    for (qint64 id : sistema)
        expected.insert(id, QString(id == 2 ? "2:" : "0:") + QStringLiteral("11111111"));
    EXPECT_EQ(enviados(), expected);
    EXPECT_TRUE(removidos().isEmpty());

    // Read back: the rows reflect the save, and the filter is gone.
    waitIdle();
    EXPECT_EQ(form->ComboBoxMenuSuperior->itemIndex(), 0);
    EXPECT_EQ(formularios().keys(), seedWindows());
    EXPECT_NE(formularios()[kPerfis]->RectangleColorStatus->fillColor(),
              TFormulario::ColorSemRegistro);
}

TEST_F(FormCadastroPerfilPermissaoTest, RemovedRowGoesToTheRemoveListAndTickedAgainIsSentAsNew)
{
    editar(QStringLiteral("ADMINISTRADOR"));
    // Window 1: removed, then ticked again by hand. Window 2: unticked by hand, stays stored.
    dialogs.answerQuestion(kYes);
    formularios()[1]->SpeedButtonRemove->click();
    TFormulario *row = formularios()[1];
    EXPECT_EQ(row->RectangleColorStatus->fillColor(), TFormulario::ColorSemRegistro);
    EXPECT_FALSE(row->CheckBoxInserir->isChecked());
    EXPECT_EQ(form->ListFormularioRemove(), QStringList { QStringLiteral("1") });
    row->CheckBoxEditar->click();
    formularios()[2]->CheckBoxVisualizar->click();
    salvar();
    EXPECT_EQ(enviados(),
              (QMap<qint64, QString> { { 1, QStringLiteral("0:01000000") },
                                       { 2, QStringLiteral("2:00000000") } }));
    EXPECT_EQ(removidos(), QJsonArray { 1 });
}

TEST_F(FormCadastroPerfilPermissaoTest, ToggleButtonClearsATickedRowAndTicksAnUntickedOne)
{
    editar(QStringLiteral("ADMINISTRADOR"));
    formularios()[1]->SpeedButtonEdit->click(); // INSERIR ticked: all cleared
    formularios()[2]->SpeedButtonEdit->click(); // INSERIR not ticked: all set
    salvar();
    EXPECT_EQ(enviados(),
              (QMap<qint64, QString> { { 1, QStringLiteral("1:00000000") },
                                       { 2, QStringLiteral("2:11111111") } }));
}

TEST_F(FormCadastroPerfilPermissaoTest, SearchFiltersByMenuAndNameAndAnotherProfileStartsUnfiltered)
{
    editar(QStringLiteral("ADMINISTRADOR"));
    pesquisar(1, QStringLiteral("emp"));
    EXPECT_EQ(formularios().keys(), QList<qint64> { kEmpresas });
    pesquisar(0, QStringLiteral("O'"));
    EXPECT_TRUE(formularios().isEmpty()) << "a quote in the name still makes a valid filter";
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    // Changing the combo only empties the rows until the search runs again.
    pesquisar(0, QStringLiteral("LISTAS"));
    EXPECT_EQ(formularios().keys(), QList<qint64> { 1 });
    form->ComboBoxMenuSuperior->setItemIndex(2);
    EXPECT_TRUE(formularios().isEmpty());

    dialogs.answerAllQuestions(7);
    form->SpeedButtonRetornar->click();
    waitIdle();
    editar(QStringLiteral("ATENDIMENTO"));
    EXPECT_EQ(form->ComboBoxMenuSuperior->itemIndex(), 0);
    EXPECT_TRUE(form->EditPesquisarFormulario->text().isEmpty());
    EXPECT_EQ(formularios().keys(), seedWindows());
}

TEST_F(FormCadastroPerfilPermissaoTest, NewProfileSendsOnlyTickedWindows)
{
    form->SpeedButtonNovo->click();
    waitIdle();
    typeText(form->EditDescricao, QStringLiteral("cobrança"));
    ASSERT_EQ(formularios().keys(), seedWindows());
    salvar();
    EXPECT_EQ(lastPost().value(QStringLiteral("descricao")).toString(), QStringLiteral("COBRANÇA"));
    EXPECT_TRUE(enviados().isEmpty());

    waitIdle();
    typeText(form->EditDescricao, QStringLiteral("caixa"));
    formularios()[kPerfis]->CheckBoxInserir->click();
    salvar();
    EXPECT_EQ(enviados(), (QMap<qint64, QString> { { kPerfis, QStringLiteral("0:10000000") } }));
}

TEST_F(FormCadastroPerfilPermissaoTest, AFailedReadOfTheRowsNeverSendsAnotherProfilesRows)
{
    editar(QStringLiteral("ADMINISTRADOR"));
    // From here on the back end fails to list the windows, also for the blank record the list
    // tab reads when the window goes back to it.
    for (const char *path : { "/formulario-perfil-permissao/perfil-permissao/0",
                              "/formulario-perfil-permissao/perfil-permissao/2" })
        demo.backend().on("GET", path, [](const auto &) {
            return FakeReply::text("ERROR:Falha ao listar os formulários.", 500);
        });
    dialogs.answerAllQuestions(7);
    form->SpeedButtonRetornar->click();
    waitIdle();
    editar(QStringLiteral("ATENDIMENTO"));
    EXPECT_TRUE(
        dialogs.messageTexts().contains(QStringLiteral("ERROR:Falha ao listar os formulários.")))
        << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_TRUE(formularios().isEmpty());
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_FALSE(lastPost().isEmpty());
    EXPECT_EQ(lastPost().value(QStringLiteral("id")).toInteger(), 2);
    EXPECT_TRUE(enviados().isEmpty()) << "the rows of profile 1 must not be saved under profile 2";
}

} // namespace
