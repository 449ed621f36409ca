#include "App.Presenter.Empresa.h"
#include "App.Presenter.FormularioPerfilPermissao.h"
#include "App.Presenter.PerfilPermissao.h"
#include "App.Service.Empresa.h"
#include "Common.ComplexPost.PerfilPermissao.h"
#include "Common.Dto.FormularioPerfilPermissao.h"
#include "Common.Lib.JSON.h"

#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "RestRequest.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Empresa, PresenterContract, TEmpresaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(PerfilPermissao, PresenterContract, TPerfilPermissaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FormularioPerfilPermissao,
                               PresenterContract,
                               TFormularioPerfilPermissaoPresenter);

struct FiltroCase
{
    const char *name;
    qint64 menu;
    const char *text;
    const char *filter;
};

void PrintTo(const FiltroCase &row, std::ostream *out)
{
    *out << row.name;
}

class FiltroFormularioTest : public ::testing::TestWithParam<FiltroCase>
{
};

TEST_P(FiltroFormularioTest, FilterTextOfMenuAndWindowName)
{
    const FiltroCase &row = GetParam();
    EXPECT_EQ(
        TFormularioPerfilPermissaoPresenter::FilterText(row.menu, QString::fromUtf8(row.text)),
        QString::fromUtf8(row.filter));
}

const FiltroCase kFiltroCases[] = {
    { "MenuAndName", 5, "CAD", "ID_MENU_SUPERIOR = 5 and  FORMULARIO like '%CAD%'" },
    { "NameWithQuote", 0, "D'X", " FORMULARIO like '%D''X%'" },
    { "MenuOnly", 7, "", "ID_MENU_SUPERIOR = 7" },
    { "Neither", 0, "", "" },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         FiltroFormularioTest,
                         ::testing::ValuesIn(kFiltroCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormularioPerfilPermissaoService, ReadsEveryWindowOfAProfileInOnePage)
{
    FakeBackend backend;
    FakeConnection fake(backend);
    backend.on("GET",
               "/formulario-perfil-permissao/perfil-permissao/9",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":4,"idFormulario":12,)"
                               R"("formulario":"Empresas","idMenuSuperior":3,"editar":true}]})"));
    TFormularioPerfilPermissaoService service;
    const auto rows = service.findAllFormulario(9);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front()->IdFormulario, 12);
    EXPECT_TRUE(rows->front()->Editar);
    EXPECT_FALSE(rows->front()->Inserir);
    const auto request = backend.last("GET", "/formulario-perfil-permissao/perfil-permissao/9");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100000");
    EXPECT_EQ(request->header("X-Paginate"), "true");

    backend.on("GET", "/formulario-perfil-permissao/perfil-permissao/9", FakeReply::empty(304));
    EXPECT_FALSE(service.findAllFormulario(9));
}

TEST(EmpresaService, EveryCallWaitsTenMinutes)
{
    TEmpresaService service;
    service.ClearRequest();
    EXPECT_EQ(service.Request().Timeout(), 600000);
}

// The row actions of the profile window on the permission table, and the body they make.
class PerfilPermissaoSaveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TObjectList<TFormularioPerfilPermissaoDto> rows;
        auto add = [&rows](qint64 id, qint64 formulario, qint64 menu, bool flags) {
            auto row = std::make_unique<TFormularioPerfilPermissaoDto>();
            row->Id = id;
            row->IdFormulario = formulario;
            row->IdMenuSuperior = menu;
            row->Inserir = row->Visualizar = row->PermissaoExtra3 = flags;
            rows.push_back(std::move(row));
        };
        add(31, 1, 1, true);
        add(32, 2, 1, false);
        add(0, 3, 2, false);
        add(0, 4, 2, false);
        formularios->fillDataSetInfo(&rows);
        perfil->ManagerControls().Bind(descricao.get(), QStringLiteral("Nome do Perfil"));
        descricao->setText(QStringLiteral("ATENDIMENTO"));
        perfil->SetDataSetFormulario(&formularios->DataSetInfo());
        perfil->SetListRemoveFormulario(&removidos);
    }
    // The saved body's rows as "id/formulario:flags".
    QStringList corpo()
    {
        QStringList rows;
        for (const auto &row : *sent->FormularioPerfilPermissaos) {
            QString flags;
            for (bool flag : { row->Inserir,
                               row->Editar,
                               row->Remover,
                               row->Movimentar,
                               row->Visualizar,
                               row->PermissaoExtra1,
                               row->PermissaoExtra2,
                               row->PermissaoExtra3 })
                flags += flag ? u'1' : u'0';
            rows << QStringLiteral("%1/%2:%3").arg(row->Id).arg(row->IdFormulario).arg(flags);
        }
        return rows;
    }
    void salvar()
    {
        backend.on("POST", "/perfil-permissao/complex", [this](const RecordedRequest &request) {
            sent = TDravikJson::JsonToObject<TPerfilPermissaoComplexPost>(
                QByteArray::fromStdString(request.body));
            return FakeReply::json(R"({"id":7,"descricao":"X"})");
        });
        perfil->PostComplex();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TFormularioPerfilPermissaoPresenter> formularios
        = TBasePresenter::Create<TFormularioPerfilPermissaoPresenter>();
    std::unique_ptr<TPerfilPermissaoPresenter> perfil
        = TBasePresenter::Create<TPerfilPermissaoPresenter>();
    QStringList removidos;
    std::unique_ptr<TEdit> descricao
        = std::make_unique<TEdit>(nullptr, QStringLiteral("EditDescricao"));
    std::unique_ptr<TPerfilPermissaoComplexPost> sent;
};

TEST_F(PerfilPermissaoSaveTest, SendsTickedAndStoredRowsOfEveryMenuWhateverTheFilter)
{
    formularios->SetFiltersDataSet(TFormularioPerfilPermissaoPresenter::FilterText(2, QString()));
    formularios->SearchFilter();
    formularios->MarcarTodas();
    removidos << QStringLiteral("41") << QString() << QStringLiteral("x");
    salvar();
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->Descricao, QStringLiteral("ATENDIMENTO"));
    EXPECT_EQ(corpo(),
              (QStringList { QStringLiteral("31/1:10001001"),
                             QStringLiteral("32/2:00000000"),
                             QStringLiteral("0/3:11111111"),
                             QStringLiteral("0/4:11111111") }));
    EXPECT_EQ(*sent->RemoveFormularioPerfilPermissaos, (TListInt64 { 41, 0, 0 }));
    EXPECT_TRUE(formularios->DataSetInfo().Filtered()) << "the window's filter is kept";
    EXPECT_EQ(formularios->DataSetInfo().RecordCount(), 2);
    EXPECT_EQ(perfil->Entity()->Id, 7);
}

TEST_F(PerfilPermissaoSaveTest, ClearedStoredRowIsNotSentAndItsIdIsAnswered)
{
    EXPECT_EQ(formularios->ClearRow(1), 31);
    EXPECT_EQ(formularios->ClearRow(3), 0) << "a row without stored id answers none";
    formularios->ToggleFlags(2);
    salvar();
    ASSERT_TRUE(sent);
    EXPECT_EQ(corpo(), QStringList { QStringLiteral("32/2:11111111") });
}

} // namespace
