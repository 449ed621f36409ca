#include "App.Form.Cadastro.Titulo.h"

#include "App.Adapter.Frame.ParcelaTitulo.h"
#include "App.Adapter.Frame.Titulo.h"
#include "App.Form.SubCadastro.ParcelaTitulo.h"
#include "App.Interf.Form.BaixaFinanceira.h"
#include "App.Interf.Form.BaixaSimplificada.h"
#include "App.Interf.Form.CobrancaSimplificada.h"
#include "App.Lib.Button.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "Common.Base.ClassInfo.h"

#include "Align.h"
#include "CheckBox.h"
#include "Layouts.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QJsonArray>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What the stand-ins of the settlement side were given and answer.
struct TLado
{
    TListInt64 Ids;
    QString Tipo;
    int Preparos = 0;
    int Quantidade = 0;
    std::int64_t IdTituloBaixa = 0;
};

TLado &lado()
{
    static TLado estado;
    return estado;
}

// A settlement-side view as a test registers it under its class name: it closes itself as soon
// as its container shows it.
class TFormLadoTeste : public TFormBaseView
{
public:
    using TFormBaseView::TFormBaseView;
    bool IgnorePermission() override { return true; }

protected:
    void fecharAoMostrar()
    {
        QTimer::singleShot(0, this, [this] { ExecuteProcCloseForm(); });
    }
};

class TFormBaixaFinanceiraTeste final : public TFormLadoTeste, public IFormSubViewBaixaFinanceira
{
public:
    explicit TFormBaixaFinanceiraTeste(QWidget *AParent)
        : TFormLadoTeste(QStringLiteral("TFormSubViewBaixaFinanceira"), AParent)
    { }
    void SetParcelasBaixa(const TListInt64 &AIds, const QString &ATipo) override
    {
        lado().Ids = AIds;
        lado().Tipo = ATipo;
    }
    void PrepararBaixa() override
    {
        ++lado().Preparos;
        if (lado().Ids.empty())
            throw Exception(QStringLiteral("WARNING:Nenhuma parcela selecionada."));
        fecharAoMostrar();
    }
    bool BaixaRealizada() const override { return true; }
};

class TFormCobrancaSimplificadaTeste final : public TFormLadoTeste,
                                             public IFormSubViewCobrancaSimplificada
{
public:
    explicit TFormCobrancaSimplificadaTeste(QWidget *AParent)
        : TFormLadoTeste(QStringLiteral("TFormSubViewCobrancaSimplificada"), AParent)
    { }
    void SetApenasQuantidadeParcelas(bool) override { fecharAoMostrar(); }
    int QuantidadeParcelas() const override { return lado().Quantidade; }
};

class TFormBaixaSimplificadaTeste final : public TFormLadoTeste, public IFormViewBaixaSimplificada
{
public:
    explicit TFormBaixaSimplificadaTeste(QWidget *AParent)
        : TFormLadoTeste(QStringLiteral("TFormViewBaixaSimplificada"), AParent)
    { }
    void SetTituloSimplificado(std::int64_t AIdTitulo) override
    {
        lado().IdTituloBaixa = AIdTitulo;
        fecharAoMostrar();
    }
};

template<class F>
TFormFactory fabrica()
{
    return [](QWidget *AParent) -> TFormBase * { return TFormBase::Create<F>(AParent); };
}

class FormCadastroTituloTest
    : public RegistrationWindowFixture<TFormCadastroTitulo, TTituloFrameAdapter>
{
protected:
    FormCadastroTituloTest()
        : RegistrationWindowFixture("TFormCadastroTitulo", "/titulo/complex")
    { }

    void SetUp() override
    {
        lado() = {};
        TApplicationZunta::GetInstance().EmpresaLogado().Id = 1;
        RegistrationWindowFixture::SetUp();
    }
    void TearDown() override
    {
        RegistrationWindowFixture::TearDown();
        lado() = {};
    }

    static void choose(TEdit *AEdit, const QString &AText)
    {
        typeText(AEdit, AText);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    // The fields every title needs: type, document type, payee and description.
    void preencher(const QString &ATipo, const QString &AValor)
    {
        choose(form->EditListaTipoTitulo, ATipo);
        choose(form->EditTipoDocumento, QStringLiteral("1050"));
        choose(form->EditPessoa, QStringLiteral("1"));
        form->EditValor->clear();
        typeText(form->EditValor, AValor);
        typeText(form->MemoDescricao, QStringLiteral("mensalidade"));
    }
    void salvar()
    {
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    TTituloFrameAdapter *linha(std::int64_t AIdParcela) const
    {
        for (TTituloFrameAdapter *frame : frames())
            if (frame->IdParcelaTitulo == AIdParcela)
                return frame;
        return nullptr;
    }
    static QList<double> valoresParcelas(const QJsonObject &ABody)
    {
        QList<double> valores;
        for (const QJsonValue &parcela : listOf(ABody, "parcelaTitulos"))
            valores << parcela.toObject().value(QStringLiteral("valor")).toDouble();
        return valores;
    }
};

TEST_F(FormCadastroTituloTest, SimplifiedTitleSavesTheTotalAndOffersTheSettlement)
{
    const TClassRegistration baixa(QStringLiteral("TFormViewBaixaSimplificada"),
                                   fabrica<TFormBaixaSimplificadaTeste>());
    form->SpeedButtonTituloSimplificado->click();
    waitIdle();
    ASSERT_TRUE(form->IsTituloSimplificado());
    EXPECT_FALSE(form->LayoutGrupos->isVisibleTo(form));
    preencher(QStringLiteral("1200"), QStringLiteral("50,00"));
    form->DateEditDataVencimento->setText(QStringLiteral("31/01/2025"));
    typeText(form->EditDocumentoPagamento, QStringLiteral("bol-9"));
    choose(form->EditPlanoContas, QStringLiteral("1051"));

    // Quantity 0 is refused before anything is sent.
    form->EditQuantidadeParcelas->clear();
    typeText(form->EditQuantidadeParcelas, QStringLiteral("0"));
    salvar();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { "WARNING:Não é permitido valor negativo ou zerado no campo "
                            "quantidade de parcelas." });
    EXPECT_EQ(demo.backend().count("POST", "/titulo/complex"), 0u);

    // A refusal, then the same save again: the same total both times.
    form->EditQuantidadeParcelas->clear();
    typeText(form->EditQuantidadeParcelas, QStringLiteral("3"));
    demo.backend().on("POST", "/titulo/complex", FakeReply::text("WARNING:Recusado.", 400));
    dialogs.clearMessages();
    salvar();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { "WARNING:Recusado." });
    EXPECT_EQ(form->EditValor->text(), QStringLiteral("50,00"));
    demo.backend().on("POST", "/titulo/complex", FakeReply::json(R"({"id":1230})"));
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    salvar();

    const auto posts = demo.backend().requests("POST", "/titulo/complex");
    ASSERT_EQ(posts.size(), 2u);
    for (const auto &post : posts) {
        const QJsonObject body
            = QJsonDocument::fromJson(QByteArray::fromStdString(post.body)).object();
        EXPECT_EQ(body.value("valor").toDouble(), 150.0);
        EXPECT_EQ(valoresParcelas(body), (QList<double> { 50, 50, 50 }));
        ASSERT_EQ(listOf(body, "empresaTitulos").size(), 1);
        EXPECT_EQ(listOf(body, "empresaTitulos")[0].toObject().value("valor").toDouble(), 150.0);
        EXPECT_EQ(listOf(body, "empresaTitulos")[0].toObject().value("idEmpresa").toInt(), 1);
        ASSERT_EQ(listOf(body, "planoContasTitulos").size(), 1);
        EXPECT_EQ(listOf(body, "planoContasTitulos")[0].toObject().value("idPlanoContas").toInt(),
                  1051);
        EXPECT_FALSE(body.value("gerarBoletos").toBool(true));
        EXPECT_FALSE(body.contains("documentoPagamento"));
    }
    QStringList vencimentos;
    for (const QJsonValue &parcela :
         listOf(QJsonDocument::fromJson(QByteArray::fromStdString(posts.back().body)).object(),
                "parcelaTitulos"))
        vencimentos << parcela.toObject().value("vencimento").toString().left(10);
    EXPECT_EQ(vencimentos, (QStringList { "2025-01-31", "2025-02-28", "2025-03-31" }));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kSuccess, "QUESTION:Deseja realizar a baixa da parcela?" }));
    EXPECT_EQ(lado().IdTituloBaixa, 1230);
    // The blank title after the save is simplified again.
    EXPECT_TRUE(form->IsTituloSimplificado());
}

TEST_F(FormCadastroTituloTest, RevenueAsksForBoletosAtEverySaveExpenseNever)
{
    struct Caso
    {
        const char *Tipo;
        QStringList Perguntas;
        bool Gera;
    };
    const Caso casos[] = { { "1054", { "QUESTION:Deseja gerar os boletos de cobrança?" }, true },
                           { "1200", {}, false } };
    for (const Caso &caso : casos) {
        for (int vez = 0; vez < 2; ++vez) {
            SCOPED_TRACE(std::string(caso.Tipo) + " save " + std::to_string(vez));
            form->SpeedButtonNovo->click();
            waitIdle();
            preencher(QString::fromLatin1(caso.Tipo), QStringLiteral("10,00"));
            dialogs.clearMessages();
            if (caso.Gera)
                dialogs.answerQuestion(kYes);
            salvar();
            QStringList esperadas = caso.Perguntas;
            esperadas << kSuccess;
            EXPECT_EQ(dialogs.messageTexts(), esperadas);
            EXPECT_EQ(lastPost().value("gerarBoletos").toBool(!caso.Gera), caso.Gera);
        }
    }
}

TEST_F(FormCadastroTituloTest, InstalmentGroupSplitsTheValueAndProposesTheRemainder)
{
    const TClassRegistration cobranca(QStringLiteral("TFormSubViewCobrancaSimplificada"),
                                      fabrica<TFormCobrancaSimplificadaTeste>());
    form->SpeedButtonNovo->click();
    waitIdle();
    preencher(QStringLiteral("1200"), QStringLiteral("100,00"));
    lado().Quantidade = 3;
    dialogs.answerQuestion(kYes);
    showGroup(form, QStringLiteral("Parcelas"));

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { "QUESTION:Deseja realizar o parcelamento do título?" });
    QStringList valores;
    for (auto *row : rowsOf<TParcelaTituloFrameAdapter>(form->FormParcelaTitulo))
        valores << row->LabelValor->text();
    EXPECT_EQ(valores, (QStringList { "33,33", "33,33", "33,34" }));

    // Shown again with rows: nothing is asked.
    dialogs.clearMessages();
    showGroup(form, QStringLiteral("Informações Iniciais"));
    showGroup(form, QStringLiteral("Parcelas"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    // A row of 60,00 in a title of 100,00: a new row proposes 40,00, and once the rows fill the
    // title the sub-form goes back to its list.
    TMemTable &parcelas = form->FormParcelaTitulo->DataSetSubCadastro();
    parcelas.EmptyDataSet();
    parcelas.Append();
    parcelas.FieldByName("VENCIMENTO")->SetAsDateTime(Date());
    parcelas.FieldByName("VALOR")->SetAsFloat(60);
    parcelas.Post();
    form->FormParcelaTitulo->SpeedButtonNovo->click();
    waitIdle();
    EXPECT_EQ(form->FormParcelaTitulo->EditValor->text(), QStringLiteral("40,00"));
    form->FormParcelaTitulo->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_TRUE(form->FormParcelaTitulo->IsListTabActive());
}

TEST_F(FormCadastroTituloTest, SettlementNeedsOneTypeAndForgetsMarksOnPaging)
{
    const TClassRegistration baixa(QStringLiteral("TFormSubViewBaixaFinanceira"),
                                   fabrica<TFormBaixaFinanceiraTeste>());
    search();
    TTituloFrameAdapter *receita = linha(1202);
    TTituloFrameAdapter *despesa = linha(1211);
    ASSERT_TRUE(receita && despesa);

    const QString tipoDoTitulo = "WARNING:Preencha o filtro Tipo do Título para prosseguir.";
    receita->CheckBoxMarcar->click();
    despesa->CheckBoxMarcar->click();
    form->RectangleBaixaFinanceira->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { tipoDoTitulo });
    EXPECT_EQ(lado().Preparos, 0);

    despesa->CheckBoxMarcar->click();
    linha(1203)->CheckBoxMarcar->click();
    dialogs.clearMessages();
    form->RectangleBaixaFinanceira->click();
    waitIdle();
    EXPECT_EQ(lado().Ids, (TListInt64 { 1202, 1203 }));
    EXPECT_EQ(lado().Tipo, QStringLiteral("R"));

    // The settlement sent the list back to page 1, which forgot the marks.
    EXPECT_TRUE(form->ListaIdsMarcados().empty());
    lado() = {};
    form->RectangleBaixaFinanceira->click();
    EXPECT_EQ(lado().Preparos, 1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { "WARNING:Nenhuma parcela selecionada." });

    dialogs.clearMessages();
    form->CheckBoxFilterApenasBaixado->click();
    form->RectangleBaixaFinanceira->click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { "WARNING:Remova o filtro Apenas Baixados para prosseguir." });
    dialogs.clearMessages();
    form->FPermissionMovimentar = false;
    form->RectangleBaixaFinanceira->click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { "WARNING:Seu usuário não possui permissão neste recurso." });
}

TEST_F(FormCadastroTituloTest, BoletoIsAskedOnlyForAnOpenRevenueInstalment)
{
    search();
    const auto gerar = [this](std::int64_t AIdParcela) {
        TTituloFrameAdapter *frame = linha(AIdParcela);
        ASSERT_NE(frame, nullptr);
        frame->SpeedButtonMenuLateral->click();
        waitIdle();
        TFormMenuPrint *menu = nullptr;
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *found = dynamic_cast<TFormMenuPrint *>(widget))
                menu = found;
        ASSERT_NE(menu, nullptr);
        bool clicked = false;
        for (TSimpleButton *button : menu->Buttons())
            if (!clicked && button->Text() == QStringLiteral("Gerar Boleto")) {
                dialogs.answerQuestion(kYes);
                RealignAll(button->Layout()->window());
                clickAt(button->Rectangle(), button->Rectangle()->rect().center());
                clicked = true;
            }
        ASSERT_TRUE(clicked);
        waitIdle();
        FlushDeletes();
    };
    const QString pergunta = QStringLiteral("QUESTION:Confirma gerar o boleto de cobrança?");

    gerar(1211);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { pergunta, "WARNING:Título já baixado." }));
    EXPECT_EQ(demo.backend().count("POST", "/titulo/gerar-boleto/1211"), 0u);
    EXPECT_EQ(demo.backend().count("POST", "/titulo/gerar-boleto/1221"), 0u);

    dialogs.clearMessages();
    gerar(1221);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { pergunta, "WARNING:O título selecionado não é do tipo receita." }));

    dialogs.clearMessages();
    gerar(1203);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { pergunta, kSuccess }));
    EXPECT_EQ(demo.backend().count("POST", "/titulo/gerar-boleto/1203"), 1u);
}

TEST_F(FormCadastroTituloTest, RemovalSendsTheReasonAsABatchCancellation)
{
    search();
    const auto excluir = [this](const QString &AMotivo) {
        QTimer::singleShot(0, [AMotivo] {
            for (QWidget *widget : QApplication::allWidgets())
                if (auto *view = dynamic_cast<TFormSubViewOcorrenciaManual *>(widget)) {
                    if (AMotivo.isEmpty()) {
                        view->SpeedButtonClose->click();
                    } else {
                        view->MemoOcorrencia->setText(AMotivo);
                        view->RectangleGravarClick();
                    }
                    return;
                }
        });
        dialogs.answerQuestion(kYes);
        TTituloFrameAdapter *frame = linha(1202);
        ASSERT_NE(frame, nullptr);
        frame->SpeedButtonRemove->click();
        waitIdle();
    };
    const QString pergunta = QStringLiteral("QUESTION:Deseja realizar a exclusão do título?");

    excluir(QString());
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { pergunta,
                             "WARNING:É necessário preencher o campo justificativa para "
                             "prosseguir." }));
    EXPECT_EQ(demo.backend().count("POST", "/cancelamento-financeiro/complex"), 0u);

    dialogs.clearMessages();
    demo.backend().clearRequests();
    excluir(QStringLiteral("DUPLICADO"));
    const auto cancel = demo.backend().last("POST", "/cancelamento-financeiro/complex");
    ASSERT_TRUE(cancel);
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(cancel->body)).object();
    EXPECT_EQ(listOf(body, "titulos"), QJsonArray { 1201 });
    EXPECT_TRUE(body.value("observacao").toString().startsWith("DUPLICADO"));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { pergunta, kSuccess }));
    const auto lista = demo.backend().last("GET", "/titulo");
    ASSERT_TRUE(lista);
    EXPECT_EQ(lista->param("page").value_or(""), "1");
}

TEST_F(FormCadastroTituloTest, SettlementWindowMissingIsNamed)
{
    search();
    linha(1202)->CheckBoxMarcar->click();
    form->RectangleBaixaFinanceira->click();
    EXPECT_EQ(
        dialogs.messageTexts(),
        QStringList { "WARNING:O formulário TFormSubViewBaixaFinanceira não está disponível." });
}

} // namespace
