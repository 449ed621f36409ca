#include "App.Form.SubCadastro.ServicoContrato.h"
#include "App.Form.SubCadastro.ServicoDependente.h"

#include "App.Adapter.Frame.ServicoContrato.h"
#include "App.Adapter.Frame.ServicoDependente.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.ServicoContrato.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/ApplicationGuard.h"
#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitIdle.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

// A stored contract 9: two rows of plan 25's add-ons (501 and 502), one entered by hand (503,
// a bonus service with an end reason) and one of plan 26 (504).
const char *const kServicosContrato9
    = R"({"total":4,"pages":1,"listHelper":[)"
      R"({"id":501,"idServico":401,"servico":"KIT VELÓRIO COMPLETO","valor":450,"indice":1,)"
      R"("idAdicionalContratoPlano":71,"idPlano":25,"plano":"PLANO 25","utilizacao":1,)"
      R"("listaTipoUtilizacao":405,"listaCobrancaServico":705,"listaTipoCobranca":707,)"
      R"("data":"2026-01-10T00:00:00.000Z","primeiroVencimento":"2026-02-09T00:00:00.000Z"},)"
      R"({"id":502,"idServico":402,"servico":"TRANSLADO ATÉ 100 KM","valor":300,"indice":1,)"
      R"("idAdicionalContratoPlano":72,"idPlano":25,"plano":"PLANO 25","utilizacao":1,)"
      R"("listaTipoUtilizacao":405,"listaCobrancaServico":705,"listaTipoCobranca":707,)"
      R"("data":"2026-01-10T00:00:00.000Z","primeiroVencimento":"2026-02-09T00:00:00.000Z"},)"
      R"({"id":503,"idServico":403,"servico":"ORNAMENTAÇÃO DE URNA","valor":100,"indice":1.5,)"
      R"("isServicoBonificado":true,"listaBaixaAdicional":709,"baixaAdicional":"CANCELAMENTO"},)"
      R"({"id":504,"idServico":404,"servico":"URNA SEXTAVADA PADRÃO","valor":850,"indice":1,)"
      R"("idAdicionalContratoPlano":80,"idPlano":26,"plano":"PLANO 26"}]})";

// Plan 25's add-ons: A (service 3, no end), B (ended yesterday) and C (service 403, which the
// contract already has, entered by hand).
QByteArray adicionaisPlano25()
{
    const QString ontem = DateTimeToQDateTime(TDateTime(Date() - 1)).toString(Qt::ISODate);
    return QStringLiteral(
               R"({"total":3,"pages":1,"listHelper":[)"
               R"({"id":81,"idPlano":25,"idServico":3,"indice":1.25,"utilizacao":2,"parcelas":3,)"
               R"("listaTipoUtilizacao":405,"listaCobrancaServico":705,"listaTipoCobranca":707,)"
               R"("servico":"SERVIÇO A","valorServico":60,"tipoUtilizacao":"POR EVENTO",)"
               R"("plano":"PLANO 25"},)"
               R"({"id":82,"idPlano":25,"idServico":4,"servico":"SERVIÇO B","dataFinal":"%1"},)"
               R"({"id":83,"idPlano":25,"idServico":403,"servico":"SERVIÇO C"}]})")
        .arg(ontem)
        .toUtf8();
}

// A child window of the contract on its own, logged in at the demo back end, with the
// permissions the contract window hands its children.
template<class TForm>
class ServicoAdicionalFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        form.reset(TFormBase::Create<TForm>());
        ASSERT_NE(form, nullptr);
        for (bool TFormBase::*permission : { &TFormBase::FPermissionInserir,
                                             &TFormBase::FPermissionEditar,
                                             &TFormBase::FPermissionRemover,
                                             &TFormBase::FPermissionVisualizar })
            form.get()->*permission = true;
        presenter = form->PresenterSubCadastro();
        presenter->SetListRemove(&removidos);
        form->SetProcTotalizadorContrato([this] { ++totais; });
        form->show();
    }
    void TearDown() override
    {
        waitIdle();
        form.reset();
        FlushDeletes();
    }

    // The contract's rows read from the back end, as the contract window loads them.
    void loadContrato(std::int64_t AIdContrato)
    {
        presenter->IdPrincipal = AIdContrato;
        presenter->findByFilterToDataSet();
        form->executeFillDadosSubCadastro(true);
        waitIdle();
    }
    void novo()
    {
        form->executeNovo(form->SpeedButtonNovo);
        ASSERT_FALSE(form->IsListTabActive());
    }
    void chooseServico(const QString &AId)
    {
        presenter->FindItemControl(QStringLiteral("EditServico"))->SetValueControl(AId);
        waitIdle();
    }
    static void retype(TEdit *AEdit, const QString &AText)
    {
        AEdit->setFocus();
        AEdit->clear();
        typeText(AEdit, AText);
    }
    template<class TRow>
    QList<TRow *> rows() const
    {
        FlushDeletes();
        QList<TRow *> found;
        for (TRow *row : form->VertScrollBoxDados->content()->template findChildren<TRow *>())
            if (!row->isHidden())
                found << row;
        return found;
    }
    template<class TRow>
    TRow *rowOf(const QString &AServico) const
    {
        for (TRow *row : rows<TRow>())
            if (row->LabelServico->text() == AServico)
                return row;
        ADD_FAILURE() << "no row " << AServico.toStdString();
        return nullptr;
    }
    TMemTable &table() const { return presenter->DataSetInfo(); }
    bool locate(const char *AColumn, std::int64_t AValue) const
    {
        table().SetFiltered(false);
        return table().Locate(QLatin1String(AColumn), TFieldValue(AValue));
    }
    std::int64_t column(const char *AColumn) const
    {
        return table().FieldByName(QLatin1String(AColumn))->AsLargeInt();
    }

    ApplicationGuard application;
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm> form;
    TBaseSubCadastroPresenter *presenter = nullptr;
    QStringList removidos;
    int totais = 0;
};

class ServicoContratoTest : public ServicoAdicionalFixture<TFormSubCadastroServicoContrato>
{
protected:
    void SetUp() override
    {
        ServicoAdicionalFixture::SetUp();
        demo.backend().on("GET", "/servico-contrato/contrato/9", FakeReply::json(kServicosContrato9));
        demo.backend().on("GET",
                          "/adicional-contrato-plano/plano/25",
                          FakeReply::json(adicionaisPlano25().toStdString()));
    }
    int requestsOf(const std::string &APath)
    {
        int count = 0;
        for (const RecordedRequest &request : demo.backend().requests())
            count += request.path == APath ? 1 : 0;
        return count;
    }
};

TEST_F(ServicoContratoTest, PlanAddOnsInForceAreAppendedOnceAndLeaveWithThePlan)
{
    loadContrato(9);
    ASSERT_EQ(table().RecordCount(), 4);
    // Rows of plan 25 exist already: nothing is asked for.
    form->adicionarServicosContrato(25);
    EXPECT_EQ(requestsOf("/adicional-contrato-plano/plano/25"), 0);

    // Without them, only A is appended: B has ended and C's service is in the contract.
    ASSERT_TRUE(locate("ID", 501));
    presenter->Delete(column("ID_REGISTRO"));
    ASSERT_TRUE(locate("ID", 502));
    presenter->Delete(column("ID_REGISTRO"));
    removidos.clear();
    demo.backend().on("GET", "/servico-contrato/contrato/9", FakeReply::empty(304));
    form->adicionarServicosContrato(25);
    EXPECT_EQ(requestsOf("/adicional-contrato-plano/plano/25"), 1);
    ASSERT_EQ(presenter->AllRecordCount(), 3);
    ASSERT_TRUE(locate("ID_ADICIONAL_CONTRATO_PLANO", 81));
    EXPECT_EQ(column("ID_SERVICO"), 3);
    EXPECT_EQ(column("ID_PLANO"), 25);
    EXPECT_EQ(column("ID"), 0);
    EXPECT_EQ(table().FieldByName(QStringLiteral("DATA"))->AsDateTime(), Date());
    EXPECT_EQ(table().FieldByName(QStringLiteral("PRIMEIRO_VENCIMENTO"))->AsDateTime(),
              TDateTime(Date() + 30));
    EXPECT_DOUBLE_EQ(table().FieldByName(QStringLiteral("INDICE"))->AsFloat(), 1.25);
    EXPECT_DOUBLE_EQ(table().FieldByName(QStringLiteral("VALOR"))->AsFloat(), 60);
    EXPECT_EQ(column("PARCELAS"), 3);
    EXPECT_EQ(column("LISTA_TIPO_COBRANCA"), 707);
    EXPECT_FALSE(locate("ID_SERVICO", 4));
    // The list shows the new row.
    ASSERT_TRUE(rowOf<TServicoContratoFrameAdapter>(QStringLiteral("SERVIÇO A")));
    EXPECT_EQ(rowOf<TServicoContratoFrameAdapter>(QStringLiteral("SERVIÇO A"))
                  ->LabelValorServico->text(),
              QStringLiteral("75,00"));

    form->adicionarServicosContrato(25);
    EXPECT_EQ(requestsOf("/adicional-contrato-plano/plano/25"), 1) << "a second call asks nothing";
    EXPECT_EQ(presenter->AllRecordCount(), 3);
}

TEST_F(ServicoContratoTest, RemovingAPlanTakesItsRowsAndRecordsTheSavedIds)
{
    loadContrato(9);
    form->excluirServicosComPlanoVinculado(0);
    EXPECT_EQ(presenter->AllRecordCount(), 4);
    EXPECT_TRUE(removidos.isEmpty());

    // A third row of plan 25, new, from an add-on.
    TMemTable &rows = table();
    rows.Append();
    rows.FieldByName(QStringLiteral("ID_SERVICO"))->SetAsLargeInt(3);
    rows.FieldByName(QStringLiteral("ID_PLANO"))->SetAsLargeInt(25);
    rows.Post();

    form->excluirServicosComPlanoVinculado(25);
    EXPECT_EQ(removidos, (QStringList { "501", "502" }));
    EXPECT_EQ(presenter->AllRecordCount(), 2);
    EXPECT_TRUE(locate("ID", 503)) << "entered by hand";
    EXPECT_TRUE(locate("ID", 504)) << "another plan's";
    EXPECT_FALSE(locate("ID_PLANO", 25));
}

TEST_F(ServicoContratoTest, RowsShowBaseValueAmountBonusAndEnd)
{
    loadContrato(9);
    auto *bonificado = rowOf<TServicoContratoFrameAdapter>(QStringLiteral("ORNAMENTAÇÃO DE URNA"));
    ASSERT_TRUE(bonificado);
    EXPECT_EQ(bonificado->LabelTitleValor->text(), QStringLiteral("Valor Base:"));
    EXPECT_EQ(bonificado->LabelValor->text(), QStringLiteral("100,00"));
    EXPECT_EQ(bonificado->LabelTitleValorServico->text(), QStringLiteral("Valor Serviço:"));
    EXPECT_EQ(bonificado->LabelValorServico->text(), QStringLiteral("150,00"));
    EXPECT_EQ(bonificado->LabelIsServicoBonificado->text(), QStringLiteral("Sim"));
    EXPECT_EQ(bonificado->LabelIsFinalizado->text(), QStringLiteral("Sim"));
    auto *plano = rowOf<TServicoContratoFrameAdapter>(QStringLiteral("TRANSLADO ATÉ 100 KM"));
    ASSERT_TRUE(plano);
    EXPECT_EQ(plano->LabelIsServicoBonificado->text(), QStringLiteral("Não"));
    EXPECT_EQ(plano->LabelIsFinalizado->text(), QStringLiteral("Não"));
}

// The contract's total follows the rows: after a row is stored, and around a row's removal
// whatever the answer.
TEST_F(ServicoContratoTest, ContractTotalIsRecomputedOnSaveAndRemoval)
{
    loadContrato(9);
    dialogs.answerQuestion(kNo);
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("KIT VELÓRIO COMPLETO"))
        ->SpeedButtonRemove->click();
    EXPECT_EQ(totais, 1) << "a no still recomputes";
    EXPECT_EQ(presenter->AllRecordCount(), 4);

    dialogs.answerQuestion(kYes);
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("KIT VELÓRIO COMPLETO"))
        ->SpeedButtonRemove->click();
    EXPECT_EQ(presenter->AllRecordCount(), 3);
    EXPECT_EQ(removidos, QStringList { "501" });
    EXPECT_GE(totais, 2);

    const int antes = totais;
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("TRANSLADO ATÉ 100 KM"))
        ->SpeedButtonEdit->click();
    waitIdle();
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(totais, antes + 1);
}

TEST_F(ServicoContratoTest, RemovalWithoutPermissionIsRefused)
{
    loadContrato(9);
    form->FPermissionRemover = false;
    dialogs.answerQuestion(kYes);
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("KIT VELÓRIO COMPLETO"))
        ->SpeedButtonRemove->click();
    EXPECT_EQ(dialogs.messageTexts().last(),
              QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
    EXPECT_EQ(presenter->AllRecordCount(), 4);
    EXPECT_TRUE(removidos.isEmpty());
}

// A stored add-on row edited in the window keeps its add-on and plan (no control carries them)
// and takes the service's current catalogue price as its base value; a new row has no add-on.
TEST_F(ServicoContratoTest, EditedAddOnRowKeepsItsAddOnAndNewRowHasNone)
{
    loadContrato(9);
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("KIT VELÓRIO COMPLETO"))
        ->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_FALSE(form->IsListTabActive());
    EXPECT_EQ(form->EditValor->text(), QStringLiteral("450,00"));
    retype(form->EditIndice, QStringLiteral("2"));
    EXPECT_EQ(form->EditValor->text(), QStringLiteral("900,00"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    ASSERT_TRUE(locate("ID", 501));
    EXPECT_EQ(column("ID_ADICIONAL_CONTRATO_PLANO"), 71);
    EXPECT_EQ(column("ID_PLANO"), 25);
    EXPECT_DOUBLE_EQ(table().FieldByName(QStringLiteral("INDICE"))->AsFloat(), 2);
    EXPECT_DOUBLE_EQ(table().FieldByName(QStringLiteral("VALOR"))->AsFloat(), 450);

    novo();
    chooseServico(QStringLiteral("1000"));
    presenter->FindItemControl(QStringLiteral("EditListaCobrancaServico"))
        ->SetValueControl(QStringLiteral("705"));
    presenter->FindItemControl(QStringLiteral("EditListaTipoCobranca"))
        ->SetValueControl(QStringLiteral("707"));
    waitIdle();
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    ASSERT_TRUE(locate("ID_SERVICO", 1000));
    EXPECT_EQ(column("ID_ADICIONAL_CONTRATO_PLANO"), 0);
    EXPECT_EQ(column("ID_PLANO"), 0);
    EXPECT_EQ(table().FieldByName(QStringLiteral("SERVICO"))->AsString(),
              QStringLiteral("ASSISTÊNCIA PET"));
    EXPECT_EQ(table().FieldByName(QStringLiteral("CODIGO_TIPO_COBRANCA"))->AsString(),
              QStringLiteral("01"));
    EXPECT_EQ(table().FieldByName(QStringLiteral("TIPO_UTILIZACAO"))->AsString(),
              QStringLiteral("POR ANO"));
}

// Choosing a service fills the uses, their kind and the value on a new row only; clearing it on
// a new row empties them.
TEST_F(ServicoContratoTest, ServiceChoiceFillsANewRowOnly)
{
    loadContrato(9);
    novo();
    chooseServico(QStringLiteral("1000"));
    EXPECT_EQ(form->EditUtilizacao->text(), QStringLiteral("12"));
    EXPECT_EQ(form->EditValor->text(), QStringLiteral("39,90"));
    EXPECT_EQ(form->EditListaTipoUtilizacao->text(), QStringLiteral("POR ANO"));
    form->EditServico->clear();
    presenter->FindItemControl(QStringLiteral("EditServico"))->SetValueControl(QStringLiteral("0"));
    waitIdle();
    EXPECT_EQ(form->EditUtilizacao->text(), QString());
    EXPECT_EQ(form->EditValor->text(), QString());
    EXPECT_EQ(form->EditListaTipoUtilizacao->text(), QString());

    form->SpeedButtonRetornar->click();
    waitIdle();
    rowOf<TServicoContratoFrameAdapter>(QStringLiteral("KIT VELÓRIO COMPLETO"))
        ->SpeedButtonEdit->click();
    waitIdle();
    const QString utilizacao = form->EditUtilizacao->text();
    chooseServico(QStringLiteral("1000"));
    EXPECT_EQ(form->EditUtilizacao->text(), utilizacao);
    EXPECT_EQ(form->EditValor->text(), QStringLiteral("450,00")) << "the value is not the price";
}

// "Valor do Serviço" and "Índice" follow each other on what the person types, in both windows.
struct ValorIndiceCase
{
    const char *name;
    const char *servico; // null chooses none
    const char *field; // "valor" or "indice"
    const char *typed;
    const char *valor; // expected texts
    const char *indice;
};

void PrintTo(const ValorIndiceCase &row, std::ostream *out)
{
    *out << row.name;
}

const ValorIndiceCase kValorIndiceCases[] = {
    { "IndexGivesPriceTimesIndex", "403", "indice", "1,5", "150,00", "1,5" },
    { "ValueGivesValueOverPrice", "403", "valor", "75", "75", "0,7500" },
    { "IndexRoundsToCents", "1001", "indice", "0,3333", "3,33", "0,3333" },
    { "ValueWithoutServiceLeavesTheIndex", nullptr, "valor", "75", "75", "1,0000" },
};

template<class TForm>
void checkValorIndice(TForm &AForm, const ValorIndiceCase &c)
{
    if (c.servico)
        AForm.PresenterSubCadastro()
            ->FindItemControl(QStringLiteral("EditServico"))
            ->SetValueControl(QString::fromUtf8(c.servico));
    waitIdle();
    TEdit *edit = QString::fromUtf8(c.field) == QStringLiteral("valor") ? AForm.EditValor
                                                                        : AForm.EditIndice;
    edit->setFocus();
    edit->clear();
    typeText(edit, QString::fromUtf8(c.typed));
    EXPECT_EQ(AForm.EditValor->text(), QString::fromUtf8(c.valor));
    EXPECT_EQ(AForm.EditIndice->text(), QString::fromUtf8(c.indice));
}

class ServicoContratoValorTest : public ServicoAdicionalFixture<TFormSubCadastroServicoContrato>,
                                 public ::testing::WithParamInterface<ValorIndiceCase>
{
};

TEST_P(ServicoContratoValorTest, ValueAndIndexFollowEachOther)
{
    novo();
    checkValorIndice(*form, GetParam());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    NewRow,
    ServicoContratoValorTest,
    ::testing::ValuesIn(kValorIndiceCases),
    [](const ::testing::TestParamInfo<ValorIndiceCase> &info) { return info.param.name; });

class ServicoDependenteValorTest
    : public ServicoAdicionalFixture<TFormSubCadastroServicoDependente>,
      public ::testing::WithParamInterface<ValorIndiceCase>
{
};

TEST_P(ServicoDependenteValorTest, ValueAndIndexFollowEachOther)
{
    novo();
    checkValorIndice(*form, GetParam());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    NewRow,
    ServicoDependenteValorTest,
    ::testing::ValuesIn(kValorIndiceCases),
    [](const ::testing::TestParamInfo<ValorIndiceCase> &info) { return info.param.name; });

// A member's service row: stored under its member row, with the service's texts and price, the
// charging method's default and the amount shown in its row; removing it recomputes the total.
class ServicoDependenteTest : public ServicoAdicionalFixture<TFormSubCadastroServicoDependente>
{
};

TEST_F(ServicoDependenteTest, NewRowIsStoredUnderItsMemberAndShowsItsAmount)
{
    form->SetIdRegistroFK(0);
    novo();
    EXPECT_EQ(form->DateEditPrimeiroVencimento->text(), DateToStr(TDateTime(Date() + 30)));
    chooseServico(QStringLiteral("403"));
    retype(form->EditIndice, QStringLiteral("1,5"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    ASSERT_EQ(presenter->AllRecordCount(), 1);
    TMemTable &rows = presenter->DataSetInfo();
    rows.SetFiltered(false);
    rows.First();
    EXPECT_DOUBLE_EQ(rows.FieldByName(QStringLiteral("VALOR"))->AsFloat(), 100);
    EXPECT_EQ(rows.FieldByName(QStringLiteral("CODIGO_COBRANCA_SERVICO"))->AsString(),
              QStringLiteral("01"));
    EXPECT_EQ(rows.FieldByName(QStringLiteral("COBRANCA_SERVICO"))->AsString(),
              QStringLiteral("JUNTO À PARCELA"));
    EXPECT_EQ(totais, 1);

    auto *row = rowOf<TServicoDependenteFrameAdapter>(QStringLiteral("ORNAMENTAÇÃO DE URNA"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->LabelValor->text(), QStringLiteral("100,00"));
    EXPECT_EQ(row->LabelValorServico->text(), QStringLiteral("150,00"));
    EXPECT_EQ(row->LabelTitlePrimeiroVencimento->text(), QStringLiteral("1º Vencimento:"));
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    EXPECT_EQ(presenter->AllRecordCount(), 0);
    EXPECT_EQ(totais, 2);
}

} // namespace
