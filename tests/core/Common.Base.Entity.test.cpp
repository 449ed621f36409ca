#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Entity.h"
#include "Common.Dto.Empresa.h"
#include "Common.Entity.ListaSistema.h"

#include <gtest/gtest.h>

namespace {

class TFilhoTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFilhoTesteEntity)

    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TFilhoTesteEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TFilhoTesteEntity)

// An aggregate body as the complex posts are: child lists created with the object, emptied by
// AfterClear.
class TPaiTesteComplexPost final : public TBaseEntity
{
    ZUNTA_CLASS(TPaiTesteComplexPost)

    std::int32_t Quantidade = 0;
    double Valor = 0;
    TSString Foto;
    std::unique_ptr<TFilhoTesteEntity> Filho;
    std::unique_ptr<TObjectList<TFilhoTesteEntity>> ListFilho
        = std::make_unique<TObjectList<TFilhoTesteEntity>>();
    std::unique_ptr<TListInt64> ListRemoveFilho = std::make_unique<TListInt64>();

    void AfterClear() override
    {
        ListFilho->clear();
        ListRemoveFilho->clear();
    }
};
BOOST_DESCRIBE_STRUCT(TPaiTesteComplexPost,
                      (TBaseEntity),
                      (Quantidade, Valor, Foto, Filho, ListFilho, ListRemoveFilho))
ZUNTA_DEFINE_CLASS(TPaiTesteComplexPost)

TEST(BaseEntityTest, ClearResetsPlainPropertiesAndKeepsPicturesAndTheClassName)
{
    TListaSistemaEntity entity;
    entity.Id = 3;
    entity.IdOwner = 4;
    entity.DataCadastro = 45000.5;
    entity.Codigo = QStringLiteral("01");
    entity.IsGeral = true;
    entity.SetAsJson(QStringLiteral("{\"nameClass\":\"TOutra\"}"));
    entity.Clear();
    EXPECT_EQ(entity.Id, 0);
    EXPECT_EQ(entity.IdOwner, 0);
    EXPECT_EQ(double(entity.DataCadastro), 0.0);
    EXPECT_TRUE(entity.Codigo.isEmpty());
    EXPECT_FALSE(entity.IsGeral);
    EXPECT_EQ(entity.NameClass(), QStringLiteral("TListaSistemaEntity"));
}

TEST(BaseEntityTest, ClearLeavesObjectsToAfterClear)
{
    TPaiTesteComplexPost body;
    body.Quantidade = 2;
    body.Valor = 9.5;
    body.Foto = QStringLiteral("iVBORw0KGgo=");
    body.Filho = std::make_unique<TFilhoTesteEntity>();
    body.Filho->Nome = QStringLiteral("nested");
    body.ListFilho->push_back(std::make_unique<TFilhoTesteEntity>());
    body.ListRemoveFilho->push_back(8);
    body.Clear();
    EXPECT_EQ(body.Quantidade, 0);
    EXPECT_EQ(body.Valor, 0.0);
    EXPECT_EQ(body.Foto, QStringLiteral("iVBORw0KGgo="));
    ASSERT_TRUE(body.Filho);
    EXPECT_EQ(body.Filho->Nome, QStringLiteral("nested"));
    ASSERT_TRUE(body.ListFilho);
    EXPECT_TRUE(body.ListFilho->empty());
    EXPECT_TRUE(body.ListRemoveFilho->empty());
}

TEST(BaseEntityTest, TheInterfaceReachesTheSameFields)
{
    TListaSistemaEntity entity;
    IEntity &asEntity = entity;
    asEntity.SetId(10);
    asEntity.SetIdOwner(11);
    asEntity.SetDataCadastro(EncodeDate(2024, 1, 2));
    EXPECT_EQ(entity.Id, 10);
    EXPECT_EQ(asEntity.GetIdOwner(), 11);
    EXPECT_EQ(double(asEntity.GetDataCadastro()), double(EncodeDate(2024, 1, 2)));
    entity.Codigo = QStringLiteral("x");
    asEntity.Clear();
    EXPECT_EQ(entity.Id, 0);
    EXPECT_TRUE(entity.Codigo.isEmpty());
}

} // namespace
