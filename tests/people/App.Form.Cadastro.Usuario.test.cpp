#include "App.Form.Cadastro.Usuario.h"

#include "App.Adapter.Frame.Usuario.h"
#include "App.Adapter.Frame.UsuarioConta.h"
#include "App.Adapter.Frame.UsuarioEmpresa.h"
#include "App.Adapter.Frame.UsuarioEmpresaPerfilPermissao.h"
#include "App.Adapter.Frame.UsuarioFormaBaixaConta.h"
#include "App.Base.Presenter.Of.h"
#include "App.Form.SubCadastro.UsuarioFormaBaixaConta.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.UsuarioConta.h"
#include "App.Presenter.UsuarioEmpresa.h"
#include "App.Presenter.UsuarioEmpresaPerfilPermissao.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Dto.Empresa.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

// The company registration is another subsystem's: for these tests a stand-in presenter of the
// same name lists the companies from GET /empresa.
class TEmpresaUsuarioTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEmpresaUsuarioTesteEntity)
    QString Empresa;
};
BOOST_DESCRIBE_STRUCT(TEmpresaUsuarioTesteEntity, (TBaseEntity), (Empresa))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TEmpresaUsuarioTesteEntity)

namespace {

class TEmpresaUsuarioTesteService final : public TBaseService
{
public:
    TEmpresaUsuarioTesteService()
        : TBaseService(QStringLiteral("TEmpresaService"))
    { }
};

class TEmpresaUsuarioTestePresenter final : public TCadastroPresenterOf<TEmpresaUsuarioTesteEntity,
                                                                        TEmpresaDto,
                                                                        TEmpresaUsuarioTesteService>
{
public:
    TEmpresaUsuarioTestePresenter()
        : TCadastroPresenterOf(QStringLiteral("TEmpresaPresenter"), { { "EMPRESA", 150 } })
    { }
};

const QString kSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");
const QString kPermission
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kDuplicate = QStringLiteral("WARNING:A informação não pode ser duplicada.");
const QString kInactive
    = QStringLiteral("WARNING:É necessário que a empresa selecionada esteja ativa.");
const QString kRemove = QStringLiteral("QUESTION:Remover registro?");
constexpr int kYes = 6;

QJsonArray listOf(const QJsonObject &ABody, const char *AMember)
{
    return ABody.value(QLatin1String(AMember))
        .toObject()
        .value(QStringLiteral("listHelper"))
        .toArray();
}

class FormCadastroUsuarioTest
    : public RegistrationWindowFixture<TFormCadastroUsuario, TUsuarioFrameAdapter>
{
protected:
    FormCadastroUsuarioTest()
        : RegistrationWindowFixture("TFormCadastroUsuario", "/usuario/complex")
    {
        // With the default access password, as the stand-in back end writes the file.
        demo.writeConfig(fake.folder());
        demo.backend().on(
            "GET",
            "/empresa",
            FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                            R"({"id":1,"empresa":"FUNERÁRIA SÃO JOSÉ"},)"
                            R"({"id":2,"empresa":"PLANO FAMILIAR BOA ESPERANÇA"}]})"));
    }

    // The rows of a group's list, top to bottom.
    template<class TRow>
    QList<TRow *> rowsOf(TVertScrollBox *ABox) const
    {
        waitIdle();
        FlushDeletes();
        QList<TRow *> rows;
        for (TRow *row : ABox->template findChildren<TRow *>())
            if (!row->isHidden())
                rows << row;
        return rows;
    }
    QList<TUsuarioEmpresaFrameAdapter *> empresas() const
    {
        return rowsOf<TUsuarioEmpresaFrameAdapter>(form->VertScrollBoxUsuarioEmpresa);
    }
    TUsuarioEmpresaFrameAdapter *empresa(qint64 AIdEmpresa) const
    {
        for (TUsuarioEmpresaFrameAdapter *row : empresas())
            if (row->IdEmpresa == AIdEmpresa)
                return row;
        return nullptr;
    }
    QStringList perfis() const
    {
        QStringList texts;
        for (auto *row : rowsOf<TUsuarioEmpresaPerfilPermissaoFrameAdapter>(
                 form->VertScrollBoxDadosPerfilPermissao))
            texts << row->LabelPerfilPermissao->text() + u'|' + row->LabelEmpresa->text();
        return texts;
    }
    QList<TUsuarioContaFrameAdapter *> contas() const
    {
        return rowsOf<TUsuarioContaFrameAdapter>(form->VertScrollBoxDadosUsuarioConta);
    }
    // What the lookup leaves in a lookup edit once the person has chosen a record.
    void choose(TEdit *AEdit,
                std::int64_t AId,
                const QString &AText,
                TBasePresenter *APresenter = nullptr)
    {
        TItemControl *item
            = (APresenter ? APresenter : form->Presenter())->FindItemControl(AEdit->objectName());
        ASSERT_NE(item, nullptr);
        AEdit->setText(AText);
        item->Id = AId;
    }
    void addPerfil(int AEmpresaIndex, std::int64_t AIdPerfil, const QString &APerfil)
    {
        form->ComboBoxEmpresa->setItemIndex(AEmpresaIndex);
        choose(form->EditPerfilPermissao, AIdPerfil, APerfil);
        form->SpeedButtonAddPerfilPermissao->click();
    }
    void addConta(std::int64_t AIdConta, const QString &AConta)
    {
        choose(form->EditConta, AIdConta, AConta);
        form->SpeedButtonAddUsuarioConta->click();
    }
    void novo()
    {
        form->SpeedButtonNovo->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
    }
    // Opens a user of the list for editing.
    void editar(const QString &ANome)
    {
        search();
        TUsuarioFrameAdapter *row = frameOf(&TUsuarioFrameAdapter::LabelNome, ANome);
        ASSERT_NE(row, nullptr);
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
    }

    const TClassRegistration empresaPresenter {
        QStringLiteral("TEmpresaPresenter"),
        TPresenterFactory([]() -> std::unique_ptr<TBasePresenter> {
            return TBasePresenter::Create<TEmpresaUsuarioTestePresenter>();
        })
    };
};

TEST_F(FormCadastroUsuarioTest, NewUserIsSavedWithCompanyProfileAccountAndSettlementMethod)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE USUÁRIOS"));
    EXPECT_EQ(form->ComboBoxEmpresa->count(), 3);
    EXPECT_EQ(form->ComboBoxEmpresa->itemText(0), QStringLiteral("SELECIONE"));
    novo();
    EXPECT_TRUE(form->EditSenhaDefault->isVisible());
    EXPECT_FALSE(form->EditSenhaDefault->isEnabled());
    EXPECT_EQ(form->EditSenhaDefault->text(), DemoBackend::DefaultPassword());
    EXPECT_EQ(form->LabelSenhaDefault->text(), QStringLiteral("Senha Padrão de Acesso"));

    // Every company, none linked yet: unticked, with the red strip.
    ASSERT_EQ(empresas().size(), 2);
    for (TUsuarioEmpresaFrameAdapter *row : empresas()) {
        EXPECT_FALSE(row->CheckBoxAtivo->isChecked());
        EXPECT_EQ(row->RectangleColorStatus->fillColor(), 0xFFFF0000u);
    }

    choose(form->EditPessoa, 2, QStringLiteral("MARIA APARECIDA DOS SANTOS"));
    form->EditLogin->setText(QStringLiteral("maria"));
    empresa(1)->CheckBoxAtivo->click();
    addPerfil(1, 8, QStringLiteral("ADMINISTRADOR"));
    addConta(7, QStringLiteral("CAIXA GERAL"));
    EXPECT_EQ(perfis(), QStringList { QStringLiteral("ADMINISTRADOR|FUNERÁRIA SÃO JOSÉ") });
    EXPECT_TRUE(form->EditPerfilPermissao->text().isEmpty());

    // A settlement method typed in the sub-form shows its names at once.
    TFormSubCadastroUsuarioFormaBaixaConta *formas = form->FormFormaBaixaConta();
    formas->SpeedButtonNovo->click();
    choose(formas->EditListaFormaPagamento, 41, QStringLiteral("PIX"), formas->Presenter());
    choose(formas->EditConta, 7, QStringLiteral("CAIXA GERAL"), formas->Presenter());
    formas->SpeedButtonSalvar->click();
    const auto formaRows = rowsOf<TUsuarioFormaBaixaContaFrameAdapter>(formas->VertScrollBoxDados);
    ASSERT_EQ(formaRows.size(), 1);
    EXPECT_EQ(formaRows.first()->LabelFormaPagamento->text(), QStringLiteral("PIX"));
    EXPECT_EQ(formaRows.first()->LabelConta->text(), QStringLiteral("CAIXA GERAL"));

    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("senha")).toString(), QString());
    EXPECT_EQ(body.value(QStringLiteral("login")).toString(), QStringLiteral("maria"));
    EXPECT_EQ(body.value(QStringLiteral("idPessoa")).toInt(), 2);
    const QJsonArray sent = listOf(body, "usuarioEmpresas");
    ASSERT_EQ(sent.size(), 1) << "the company never ticked is not sent";
    EXPECT_EQ(sent.at(0)[QStringLiteral("idEmpresa")].toInt(), 1);
    EXPECT_TRUE(sent.at(0)[QStringLiteral("ativo")].toBool());
    const QJsonArray sentPerfis = listOf(sent.at(0).toObject(), "usuarioEmpresaPerfilPermissaos");
    ASSERT_EQ(sentPerfis.size(), 1);
    EXPECT_EQ(sentPerfis.at(0)[QStringLiteral("idPerfilPermissao")].toInt(), 8);
    ASSERT_EQ(listOf(body, "usuarioContas").size(), 1);
    EXPECT_EQ(listOf(body, "usuarioContas").at(0)[QStringLiteral("idConta")].toInt(), 7);
    const QJsonArray sentFormas = listOf(body, "usuarioFormaBaixaContas");
    ASSERT_EQ(sentFormas.size(), 1);
    EXPECT_EQ(sentFormas.at(0)[QStringLiteral("listaFormaPagamento")].toInt(), 41);

    // Opened again, the user shows its stored links and no default password.
    dialogs.answerAllQuestions(kYes);
    form->SpeedButtonRetornar->click();
    waitIdle();
    editar(QStringLiteral("MARIA APARECIDA DOS SANTOS"));
    EXPECT_FALSE(form->EditSenhaDefault->isVisible());
    EXPECT_EQ(form->EditLogin->text(), QStringLiteral("maria"));
    ASSERT_NE(empresa(1), nullptr);
    EXPECT_TRUE(empresa(1)->CheckBoxAtivo->isChecked());
    EXPECT_NE(empresa(1)->RectangleColorStatus->fillColor(), 0xFFFF0000u);
    EXPECT_FALSE(empresa(2)->CheckBoxAtivo->isChecked());
    EXPECT_EQ(perfis().size(), 1);
    EXPECT_EQ(contas().size(), 1);
}

TEST_F(FormCadastroUsuarioTest, ProfileNeedsAnActiveCompanyAndIsNotDuplicated)
{
    novo();
    dialogs.clearMessages();
    addPerfil(0, 8, QStringLiteral("ADMINISTRADOR"));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Preencha corretamente as informações.") });

    // Company 1 is listed unticked.
    dialogs.clearMessages();
    addPerfil(1, 8, QStringLiteral("ADMINISTRADOR"));
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kInactive });
    EXPECT_TRUE(perfis().isEmpty());

    empresa(1)->CheckBoxAtivo->click();
    empresa(2)->CheckBoxAtivo->click();
    dialogs.clearMessages();
    addPerfil(1, 8, QStringLiteral("ADMINISTRADOR"));
    addPerfil(1, 8, QStringLiteral("ADMINISTRADOR"));
    addPerfil(2, 8, QStringLiteral("ADMINISTRADOR"));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kSuccess, kDuplicate, kSuccess }));
    EXPECT_EQ(perfis(),
              (QStringList { QStringLiteral("ADMINISTRADOR|FUNERÁRIA SÃO JOSÉ"),
                             QStringLiteral("ADMINISTRADOR|PLANO FAMILIAR BOA ESPERANÇA") }));

    // Removing the second company's row leaves the first company's, the same profile.
    dialogs.answerQuestion(kYes);
    rowsOf<TUsuarioEmpresaPerfilPermissaoFrameAdapter>(form->VertScrollBoxDadosPerfilPermissao)
        .at(1)
        ->SpeedButtonRemove->click();
    EXPECT_EQ(perfis(), QStringList { QStringLiteral("ADMINISTRADOR|FUNERÁRIA SÃO JOSÉ") });
    EXPECT_TRUE(form->ListEmpresaPermissaoRemove().isEmpty()) << "the row was never saved";
}

TEST_F(FormCadastroUsuarioTest, AccountIsNotDuplicatedAndSeveralMayBeDefault)
{
    novo();
    dialogs.clearMessages();
    addConta(7, QStringLiteral("CAIXA GERAL"));
    addConta(7, QStringLiteral("CAIXA GERAL"));
    addConta(9, QStringLiteral("BANCO"));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kSuccess, kDuplicate, kSuccess }));
    ASSERT_EQ(contas().size(), 2);
    for (TUsuarioContaFrameAdapter *row : contas())
        row->CheckBoxPadraoConta->click();
    TMemTable &table = form->UsuarioContaPresenter().DataSetInfo();
    for (table.First(); !table.Eof(); table.Next())
        EXPECT_TRUE(table.FieldByName(QStringLiteral("PADRAO_CONTA"))->AsBoolean());
}

// A removed stored link leaves the company listed unlinked, and the save sends the link's id only
// among the removed ones.
TEST_F(FormCadastroUsuarioTest, RemovedCompanyLinkTravelsOnlyAsRemoved)
{
    editar(QStringLiteral("USUÁRIO DEMONSTRAÇÃO"));
    TUsuarioEmpresaFrameAdapter *row = empresa(1);
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->CheckBoxAtivo->isChecked());
    const QString idLink = row->TagString;
    // The demo user has no person of its own yet.
    choose(form->EditPessoa, 3, QStringLiteral("JOSÉ CARLOS DOS SANTOS"));
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kRemove });
    EXPECT_EQ(form->ListEmpresaRemove(), QStringList { idLink });
    ASSERT_NE(empresa(1), nullptr);
    EXPECT_FALSE(empresa(1)->CheckBoxAtivo->isChecked());
    EXPECT_EQ(empresa(1)->RectangleColorStatus->fillColor(), 0xFFFF0000u);

    form->SpeedButtonSalvar->click();
    waitIdle();
    const QJsonObject body = lastPost();
    EXPECT_EQ(listOf(body, "removeUsuarioEmpresas"), QJsonArray { idLink.toLongLong() });
    const QJsonArray sent = listOf(body, "usuarioEmpresas");
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.at(0)[QStringLiteral("idEmpresa")].toInt(), 2);
    EXPECT_TRUE(demo.store().find(QStringLiteral("/usuario-empresa"), idLink.toLongLong())
                == std::nullopt);
}

TEST_F(FormCadastroUsuarioTest, ResetAsksWithTheNameThenPostsTheReset)
{
    search();
    TUsuarioFrameAdapter *row
        = frameOf(&TUsuarioFrameAdapter::LabelNome, QStringLiteral("USUÁRIO SENHA EXPIRADA"));
    ASSERT_NE(row, nullptr);
    dialogs.answerQuestion(kYes);
    row->SpeedButtonResetSenha->click();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { QStringLiteral("QUESTION:Deseja efetuar o reset da senha\r\ndo "
                                            "usuário USUÁRIO SENHA EXPIRADA?"),
                             kSuccess }));
    EXPECT_TRUE(demo.backend().last("POST", "/usuario/reset/2"));

    // Refused: the back end's text, no success. Answered no: nothing is sent.
    demo.backend().on(
        "POST", "/usuario/reset/2", FakeReply::text("WARNING:Usuário bloqueado.", 403));
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    row->SpeedButtonResetSenha->click();
    EXPECT_EQ(dialogs.messageTexts().last(), QStringLiteral("WARNING:Usuário bloqueado."));
    EXPECT_FALSE(dialogs.messageTexts().contains(kSuccess));
    const auto posts = demo.backend().count("POST", "/usuario/reset/2");
    dialogs.answerQuestion(7);
    row->SpeedButtonResetSenha->click();
    EXPECT_EQ(demo.backend().count("POST", "/usuario/reset/2"), posts);
}

// A user who may only view the users: every row action warns and the tables stay as they were.
// (The demo user is the administrator, whose windows ask for no permission: the test takes the
// two permissions away itself.)
class FormCadastroUsuarioSemPermissaoTest : public FormCadastroUsuarioTest
{
protected:
    void SetUp() override
    {
        FormCadastroUsuarioTest::SetUp();
        form->FPermissionInserir = false;
        form->FPermissionEditar = false;
    }
};

TEST_F(FormCadastroUsuarioSemPermissaoTest, RowActionsWarnAndLeaveTheTables)
{
    search();
    TUsuarioFrameAdapter *user
        = frameOf(&TUsuarioFrameAdapter::LabelNome, QStringLiteral("USUÁRIO DEMONSTRAÇÃO"));
    ASSERT_NE(user, nullptr);
    dialogs.answerAllQuestions(kYes);
    user->SpeedButtonResetSenhaClick();
    EXPECT_EQ(dialogs.messageTexts().last(), kPermission);
    EXPECT_FALSE(demo.backend().last("POST", "/usuario/reset/1"));

    user->SpeedButtonViewClick();
    waitIdle();
    ASSERT_TRUE(recordTabActive());
    TUsuarioEmpresaFrameAdapter *row = empresa(1);
    ASSERT_NE(row, nullptr);
    EXPECT_FALSE(row->isEnabled()) << "rows of a viewed user take no input";

    // Should a row still be reached, its actions refuse.
    dialogs.clearMessages();
    row->CheckBoxAtivo->setChecked(false);
    row->CheckBoxAtivoChange();
    EXPECT_TRUE(row->CheckBoxAtivo->isChecked()) << "the box shows the table again";
    row->SpeedButtonRemoveClick();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kPermission, kRemove, kPermission }));
    TMemTable &table = form->EmpresaPresenter().DataSetInfo();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_EMPRESA"), TFieldValue(std::int64_t(1))));
    EXPECT_TRUE(table.FieldByName(QStringLiteral("ATIVO"))->AsBoolean());
    EXPECT_GT(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 0);
    EXPECT_TRUE(form->ListEmpresaRemove().isEmpty());
}

} // namespace
