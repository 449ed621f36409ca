#include "App.Base.Presenter.Of.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.Entity.h"
#include "Common.Base.FilterClass.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

enum class TSituacaoKitTeste { Ativo, Inativo };
BOOST_DESCRIBE_ENUM(TSituacaoKitTeste, Ativo, Inativo)

class TKitTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TKitTesteEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TKitTesteEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TKitTesteEntity)

// A list row with a member of every kind a column can show, and a list, which none can.
class TKitTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TKitTesteDto)
    std::int32_t Quantidade = 0;
    std::int64_t IdPessoa = 0;
    double Valor = 0;
    bool Ativo = false;
    QString Nome;
    QString Observacao;
    TDateTime DataCadastro;
    TSituacaoKitTeste Situacao = TSituacaoKitTeste::Ativo;
    std::unique_ptr<TListInt64> ListId;
};
BOOST_DESCRIBE_STRUCT(
    TKitTesteDto,
    (TBaseDto),
    (Quantidade, IdPessoa, Valor, Ativo, Nome, Observacao, DataCadastro, Situacao, ListId))
ZUNTA_DEFINE_CLASS(TKitTesteDto)

class TKitTesteFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TKitTesteFilterClass)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TKitTesteFilterClass, (TBaseFilterClass), (Nome))
ZUNTA_DEFINE_CLASS(TKitTesteFilterClass)

class TKitTesteService final : public TBaseService
{
public:
    TKitTesteService()
        : TBaseService(QStringLiteral("TKitTesteService"))
    { }
};

class TKitTestePresenter final : public TCadastroPresenterOf<TKitTesteEntity,
                                                             TKitTesteDto,
                                                             TKitTesteService,
                                                             TKitTesteFilterClass>
{
public:
    explicit TKitTestePresenter(std::vector<TListColumn> AColumns
                                = { { "QUANTIDADE" },
                                    { "ID_PESSOA", 0, "0000000000" },
                                    { "VALOR", 0, ",0.00" },
                                    { "ATIVO" },
                                    { "NOME", 60 },
                                    { "OBSERVACAO" },
                                    { "DATA_CADASTRO", 0, "dd/mm/yyyy" },
                                    { "SITUACAO", 10 } })
        : TCadastroPresenterOf(QStringLiteral("TKitTestePresenter"), std::move(AColumns))
    { }
};
ZUNTA_REGISTER_PRESENTER(TKitTestePresenter)

class TKitTesteItemEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TKitTesteItemEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TKitTesteItemEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TKitTesteItemEntity)

class TKitTesteItemDto final : public TBaseDto
{
    ZUNTA_CLASS(TKitTesteItemDto)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TKitTesteItemDto, (TBaseDto), (Nome))
ZUNTA_DEFINE_CLASS(TKitTesteItemDto)

class TKitTesteItemService final : public TBaseService
{
public:
    TKitTesteItemService()
        : TBaseService(QStringLiteral("TKitTesteItemService"))
    { }
};

// A child presenter with a column its row does not have and rows from a request of its own.
class TKitTesteItemPresenter final
    : public TSubCadastroPresenterOf<TKitTesteItemEntity, TKitTesteItemDto, TKitTesteItemService>
{
public:
    TKitTesteItemPresenter()
        : TSubCadastroPresenterOf(QStringLiteral("TKitTesteItemPresenter"), { { "NOME", 60 } })
    { }

    int rowsLoaded = 0;

protected:
    void CreateExtraFields() override
    {
        DataSetInfo().AddField(QStringLiteral("TOTAL"), TFieldType::Float);
    }
    void loadRows() override
    {
        ++rowsLoaded;
        TObjectList<TKitTesteItemDto> rows;
        rows.push_back(std::make_unique<TKitTesteItemDto>());
        rows.back()->Id = 9;
        rows.back()->Nome = QStringLiteral("ITEM");
        fillDataSetInfo(&rows);
    }
};
ZUNTA_REGISTER_PRESENTER(TKitTesteItemPresenter)

// A parent body with a list of children, each child with a list of its own.
class TKitTesteNetoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TKitTesteNetoEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TKitTesteNetoEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TKitTesteNetoEntity)

class TKitTesteFilhoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TKitTesteFilhoEntity)
    QString Nome;
    std::unique_ptr<TObjectList<TKitTesteNetoEntity>> Netos
        = std::make_unique<TObjectList<TKitTesteNetoEntity>>();
};
BOOST_DESCRIBE_STRUCT(TKitTesteFilhoEntity, (TBaseEntity), (Nome, Netos))
ZUNTA_DEFINE_CLASS(TKitTesteFilhoEntity)

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(KitTeste, PresenterContract, TKitTestePresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(KitTesteItem, PresenterContract, TKitTesteItemPresenter);

class PresenterOfTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
};

TEST_F(PresenterOfTest, ColumnsTakeTheirTypeFromTheRowMemberOfTheSameName)
{
    const auto presenter = TBasePresenter::Create<TKitTestePresenter>();
    EXPECT_EQ(describeColumns(presenter->DataSetInfo()),
              (QStringList { "ID LargeInt 0 0000000000",
                             "ID_REGISTRO AutoInc 0 0000000000",
                             "ID_REGISTRO_FK LargeInt 0 0000000000",
                             "QUANTIDADE Integer 0",
                             "ID_PESSOA LargeInt 0 0000000000",
                             "VALOR Float 0 ,0.00",
                             "ATIVO Boolean 0",
                             "NOME String 60",
                             "OBSERVACAO Memo 0",
                             "DATA_CADASTRO DateTime 0 dd/mm/yyyy",
                             "SITUACAO String 10" }));
}

TEST_F(PresenterOfTest, ListLoadReadsAPageOfRowsWithTheFilterBody)
{
    const auto presenter = TBasePresenter::Create<TKitTestePresenter>();
    ASSERT_NE(presenter->filter(), nullptr);
    presenter->filter()->Nome = QStringLiteral("ANA");
    backend.on("GET",
               "/kit-teste",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":5000000000,)"
                               R"("quantidade":3,"nome":"ANA","situacao":"Inativo",)"
                               R"("dataCadastro":"2024-03-15T00:00:00.000Z"}]})"));
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    presenter->findByFilterToDataSet();

    EXPECT_NE(backend.last("GET", "/kit-teste")->body.find(R"("nome":"ANA")"), std::string::npos);
    const TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 5000000000);
    EXPECT_EQ(table.FieldByName(QStringLiteral("QUANTIDADE"))->AsInteger(), 3);
    EXPECT_EQ(table.FieldByName(QStringLiteral("SITUACAO"))->AsString(), QStringLiteral("Inativo"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("DATA_CADASTRO"))->DisplayText(),
              QStringLiteral("15/03/2024"));
}

struct BadColumn
{
    const char *name;
    TListColumn column;
    const char *message;
};
void PrintTo(const BadColumn &row, std::ostream *out)
{
    *out << row.name;
}

class PresenterOfBadColumnTest : public PresenterOfTest,
                                 public ::testing::WithParamInterface<BadColumn>
{
};

TEST_P(PresenterOfBadColumnTest, StopsTheCreationNamingTheColumn)
{
    QString message;
    try {
        TBasePresenter::Create<TKitTestePresenter>(
            std::vector<TListColumn> { { "NOME", 60 }, GetParam().column });
    } catch (const Exception &failure) {
        message = failure.Message();
    }
    EXPECT_EQ(message, QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Columns,
    PresenterOfBadColumnTest,
    ::testing::Values(
        BadColumn { "NoSuchMember",
                    { "NOME_COMPLETO", 100 },
                    "ERROR:A coluna NOME_COMPLETO de TKitTestePresenter não é uma propriedade de "
                    "TKitTesteDto." },
        // Only the member's snake form names it, as only that form is filled from the row.
        BadColumn { "NotTheSnakeForm",
                    { "IDPESSOA" },
                    "ERROR:A coluna IDPESSOA de TKitTestePresenter não é uma propriedade de "
                    "TKitTesteDto." },
        BadColumn { "ListMember",
                    { "LIST_ID" },
                    "ERROR:A coluna LIST_ID de TKitTestePresenter não pode mostrar "
                    "TKitTesteDto.ListId, que guarda um objeto ou uma lista." }),
    [](const auto &info) { return std::string(info.param.name); });

// A sub-form's table: ID_REGISTRO, ID_REGISTRO_FK and NOME, one row per (id registro, parent, name).
void fillTable(TMemTable &ATable, std::initializer_list<std::tuple<int, int, const char *>> ARows)
{
    ATable.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::LargeInt);
    ATable.AddField(QStringLiteral("ID_REGISTRO_FK"), TFieldType::LargeInt);
    ATable.AddField(QStringLiteral("NOME"), TFieldType::String, 60);
    ATable.Open();
    for (const auto &[idRegistro, parent, nome] : ARows) {
        ATable.Append();
        ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->SetAsLargeInt(idRegistro);
        ATable.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(parent);
        ATable.FieldByName(QStringLiteral("NOME"))->SetAsString(QString::fromUtf8(nome));
        ATable.Post();
    }
}

QStringList namesOf(const TObjectList<TKitTesteNetoEntity> &AList)
{
    QStringList names;
    for (const auto &item : AList)
        names << item->Nome;
    return names;
}

TEST(AppendDataSetRowsOfTest, NestedWalkHangsEachRowUnderItsParentAndKeepsTheShownRows)
{
    TMemTable filhos;
    fillTable(filhos, { { 1, 0, "PRIMEIRO" }, { 2, 0, "SEGUNDO" }, { 3, 0, "SEM NETOS" } });
    TMemTable netos;
    fillTable(netos, { { 10, 2, "B1" }, { 11, 1, "A1" }, { 12, 2, "B2" }, { 13, 9, "ORFAO" } });
    // The window shows the children of the second row.
    netos.SetFilter(QStringLiteral("ID_REGISTRO_FK = 2"));
    netos.SetFiltered(true);
    filhos.SetFilter(QStringLiteral("NOME = 'SEGUNDO'"));
    filhos.SetFiltered(true);

    TObjectList<TKitTesteFilhoEntity> body;
    AppendDataSetRowsOf<TKitTesteFilhoEntity>(
        &filhos, std::nullopt, body, [&](TKitTesteFilhoEntity &AFilho, std::int64_t AIdRegistro) {
            AppendDataSetRowsOf(&netos, AIdRegistro, *AFilho.Netos);
        });

    ASSERT_EQ(body.size(), 3U);
    EXPECT_EQ(body[0]->Nome, QStringLiteral("PRIMEIRO"));
    EXPECT_EQ(namesOf(*body[0]->Netos), QStringList { "A1" });
    EXPECT_EQ(namesOf(*body[1]->Netos), (QStringList { "B1", "B2" }));
    EXPECT_TRUE(body[2]->Netos->empty());
    for (TMemTable *table : { &filhos, &netos })
        EXPECT_TRUE(table->Filtered());
    EXPECT_EQ(netos.Filter(), QStringLiteral("ID_REGISTRO_FK = 2"));
    EXPECT_EQ(netos.RecordCount(), 2);
    EXPECT_EQ(filhos.RecordCount(), 1);

    // A closed or missing table adds nothing.
    TMemTable fechada;
    AppendDataSetRowsOf(&fechada, 1, body);
    AppendDataSetRows<TKitTesteFilhoEntity>(nullptr, body);
    EXPECT_EQ(body.size(), 3U);
}

TEST_F(PresenterOfTest, ChildPresenterKeepsItsRowsInItsTable)
{
    const auto presenter = TBasePresenter::Create<TKitTesteItemPresenter>();
    EXPECT_EQ(describeColumns(presenter->DataSetInfo()).mid(3),
              (QStringList { "NOME String 60", "TOTAL Float 0" }));
    EXPECT_EQ(presenter->filter(), nullptr);

    presenter->findByFilterToDataSet();
    EXPECT_EQ(presenter->rowsLoaded, 1);
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);

    // Saving and reading a row stay in the table: nothing reaches the back end.
    QWidget window;
    auto *editNome = new TEdit(&window, QStringLiteral("EditNome"));
    presenter->SetProcFillListControl(
        [&] { presenter->ManagerControls().AddItemControl().SetControl(editNome); });
    editNome->setText(QStringLiteral("NOVO"));
    presenter->Post();
    EXPECT_EQ(table.RecordCount(), 2);
    const std::int64_t saved = presenter->IdRegistro;
    editNome->clear();
    presenter->Edit(saved);
    EXPECT_EQ(presenter->entity()->Nome, QStringLiteral("NOVO"));
    EXPECT_EQ(editNome->text(), QStringLiteral("NOVO"));
    EXPECT_TRUE(backend.requests().empty());
}

} // namespace
