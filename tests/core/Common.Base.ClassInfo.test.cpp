#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "Common.Entity.ListaSistema.h"
#include "Common.Lib.JSON.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A row whose JSON member is not its property name, with a property that has behaviour.
class TPlanoTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoTesteDto)

    bool IsGenerateValoresParcelaPlano = false;
    QString Descricao;

    QString GetDescricao() const { return Descricao; }
    void SetDescricao(const QString &value) { Descricao = value.toUpper(); }
};
BOOST_DESCRIBE_STRUCT(TPlanoTesteDto, (TBaseDto), (IsGenerateValoresParcelaPlano, Descricao))
ZUNTA_DEFINE_CLASS(TPlanoTesteDto, [](auto &c) {
    c.JsonName("IsGenerateValoresParcelaPlano", "generateValoresParcelaPlano");
    c.template Property<&TPlanoTesteDto::GetDescricao, &TPlanoTesteDto::SetDescricao>("Descricao");
})

class TComFilhosTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TComFilhosTesteDto)

    std::unique_ptr<TUsuarioDto> Usuario;
    std::unique_ptr<TObjectList<TEmpresaDto>> ListEmpresa;
    std::unique_ptr<TListInt64> ListId;
};
BOOST_DESCRIBE_STRUCT(TComFilhosTesteDto, (TBaseDto), (Usuario, ListEmpresa, ListId))
ZUNTA_DEFINE_CLASS(TComFilhosTesteDto)

QStringList namesOf(const std::vector<const TMemberInfo *> &members, bool json)
{
    QStringList names;
    for (const TMemberInfo *m : members)
        names.append(json ? m->JsonName() : m->Name() + u':' + m->TypeName());
    return names;
}

TEST(ClassInfoTest, DescribesTheClassTreeWithFieldsAndPropertiesInOrder)
{
    const TClassInfo &info = TListaSistemaEntity::StaticClassInfo();
    EXPECT_EQ(info.Name(), QStringLiteral("TListaSistemaEntity"));
    ASSERT_TRUE(info.Base());
    EXPECT_EQ(info.Base()->Name(), QStringLiteral("TBaseEntity"));
    EXPECT_EQ(info.Base()->Base(), &TSerializeObject::StaticClassInfo());
    EXPECT_TRUE(info.InheritsFrom(TBaseEntity::StaticClassInfo()));
    EXPECT_FALSE(info.InheritsFrom(TBaseDto::StaticClassInfo()));
    EXPECT_EQ(namesOf(info.Fields(), true),
              QStringList({ "codigo",
                            "descricao",
                            "tipo",
                            "isGeral",
                            "id",
                            "idOwner",
                            "dataCadastro",
                            "nameClass" }));
    EXPECT_EQ(namesOf(info.Properties(), false),
              QStringList({ "Codigo:string",
                            "Descricao:string",
                            "Tipo:string",
                            "IsGeral:Boolean",
                            "Id:Int64",
                            "IdOwner:Int64",
                            "DataCadastro:TDateTime",
                            "AsJson:string",
                            "NameClass:string" }));
    EXPECT_EQ(TEmpresaDto::StaticClassInfo().FindProperty(u"logo")->TypeName(),
              QStringLiteral("TSString"));
    EXPECT_TRUE(TBaseFilterClass::StaticClassInfo().OwnMembers().empty());
}

TEST(ClassInfoTest, AnObjectAnswersWithItsOwnClassAndCreatesItsKind)
{
    const std::unique_ptr<TSerializeObject> created = TUsuarioDto::StaticClassInfo().Create();
    ASSERT_TRUE(created);
    EXPECT_EQ(&created->ClassInfo(), &TUsuarioDto::StaticClassInfo());
    EXPECT_EQ(created->NameClass(), QStringLiteral("TUsuarioDto"));
    EXPECT_TRUE(dynamic_cast<TUsuarioDto *>(created.get()));
}

TEST(ClassInfoTest, ReadsAndWritesPropertiesByNameAndKind)
{
    TListaSistemaEntity entity;
    const TClassInfo &info = entity.ClassInfo();
    info.FindProperty(u"CODIGO")->SetValue(entity, QStringLiteral("04"));
    info.FindProperty(u"id")->SetValue(entity, std::int32_t(5));
    info.FindProperty(u"IsGeral")->SetValue(entity, true);
    info.FindProperty(u"DataCadastro")->SetValue(entity, 45000.25);
    EXPECT_EQ(entity.Codigo, QStringLiteral("04"));
    EXPECT_EQ(entity.Id, 5);
    EXPECT_TRUE(entity.IsGeral);
    EXPECT_EQ(double(entity.DataCadastro), 45000.25);
    EXPECT_EQ(std::get<QString>(info.FindProperty(u"Codigo")->GetValue(entity)),
              QStringLiteral("04"));
    EXPECT_EQ(std::get<std::int64_t>(info.FindProperty(u"Id")->GetValue(entity)), 5);
    EXPECT_EQ(info.FindProperty(u"Tipo")->Ref<QString>(entity).size(), 0);
    EXPECT_EQ(info.FindProperty(u"Nada"), nullptr);

    // A value of another kind is refused, as the original refuses it at the store.
    EXPECT_THROW(info.FindProperty(u"Id")->SetValue(entity, QStringLiteral("5")), EInvalidCast);
    EXPECT_THROW(info.FindProperty(u"IsGeral")->SetValue(entity, std::int64_t(1)), EInvalidCast);

    // AsJson and NameClass are properties like any other, reached through their accessors.
    const TMemberInfo *asJson = info.FindProperty(u"AsJson");
    EXPECT_EQ(std::get<QString>(asJson->GetValue(entity)), entity.AsJson());
    asJson->SetValue(entity, QStringLiteral("{\"codigo\":\"09\"}"));
    EXPECT_EQ(entity.Codigo, QStringLiteral("09"));
    info.FindProperty(u"NameClass")->SetValue(entity, QStringLiteral("TOutra"));
    EXPECT_EQ(entity.NameClass(), QStringLiteral("TListaSistemaEntity"));
}

TEST(ClassInfoTest, TellsObjectsAndListsWithTheirElementClasses)
{
    const TClassInfo &info = TComFilhosTesteDto::StaticClassInfo();
    const TMemberInfo *usuario = info.FindProperty(u"Usuario");
    const TMemberInfo *empresas = info.FindProperty(u"ListEmpresa");
    const TMemberInfo *ids = info.FindProperty(u"ListId");
    EXPECT_TRUE(usuario->IsObject());
    EXPECT_TRUE(empresas->IsObject());
    EXPECT_TRUE(ids->IsObject());
    EXPECT_FALSE(info.FindProperty(u"Id")->IsObject());
    EXPECT_EQ(usuario->ElementClass(), &TUsuarioDto::StaticClassInfo());
    EXPECT_EQ(empresas->ElementClass(), &TEmpresaDto::StaticClassInfo());
    EXPECT_EQ(ids->ElementClass(), nullptr);
    EXPECT_EQ(usuario->TypeName(), QStringLiteral("TUsuarioDto"));

    TComFilhosTesteDto row;
    row.SetAsJson(QStringLiteral(
        R"({"usuario":{"nome":"Ana"},"listEmpresa":{"listHelper":[{"id":1},{"id":2}]}})"));
    ASSERT_TRUE(usuario->GetObject(row));
    EXPECT_EQ(static_cast<TUsuarioDto *>(usuario->GetObject(row))->Nome, QStringLiteral("Ana"));
    EXPECT_EQ(empresas->ListCount(row), 2u);
    EXPECT_EQ(static_cast<TEmpresaDto *>(empresas->ListItem(row, 1))->Id, 2);
    EXPECT_FALSE(ids->ListExists(row));
    EXPECT_EQ(ids->ListCount(row), 0u);
    EXPECT_THROW(usuario->SetObject(row, std::make_unique<TEmpresaDto>()), EInvalidCast);
    usuario->SetObject(row, nullptr);
    EXPECT_FALSE(row.Usuario);
}

TEST(ClassInfoTest, AJsonNameAndAnAccessorPropertyDeclaredBesideTheClass)
{
    TPlanoTesteDto row;
    row.IsGenerateValoresParcelaPlano = true;
    row.Descricao = QStringLiteral("plano");
    EXPECT_EQ(
        row.AsJson(),
        QStringLiteral("{\"generateValoresParcelaPlano\":true,\"descricao\":\"plano\",\"id\":0,"
                       "\"nameClass\":\"TPlanoTesteDto\"}"));
    row.SetAsJson(
        QStringLiteral("{\"GENERATEVALORESPARCELAPLANO\":false,\"descricao\":\"bruto\"}"));
    EXPECT_FALSE(row.IsGenerateValoresParcelaPlano);
    // JSON fills the field itself; the property goes through the setter.
    EXPECT_EQ(row.Descricao, QStringLiteral("bruto"));
    const TMemberInfo *property = row.ClassInfo().FindProperty(u"Descricao");
    property->SetValue(row, QStringLiteral("novo"));
    EXPECT_EQ(row.Descricao, QStringLiteral("NOVO"));
    EXPECT_EQ(row.ClassInfo().FindProperty(u"IsGenerateValoresParcelaPlano")->JsonName(),
              QStringLiteral("generateValoresParcelaPlano"));
}

TEST(ClassRegistryTest, FindsClassesRegisteredAtStartUpByNameWithoutRegardToCase)
{
    const TClassInfo *found = TClassRegistry::FindClass(QStringLiteral("tlistasistemaentity"));
    ASSERT_EQ(found, &TListaSistemaEntity::StaticClassInfo());
    const auto created = found->Create();
    EXPECT_EQ(created->NameClass(), QStringLiteral("TListaSistemaEntity"));
    // Every class defined with ZUNTA_DEFINE_CLASS is registered, rows and bases as well.
    EXPECT_EQ(TClassRegistry::FindClass(QStringLiteral("TUsuarioDto")),
              &TUsuarioDto::StaticClassInfo());
    EXPECT_EQ(TClassRegistry::FindClass(QStringLiteral("TPlanoTesteDto")),
              &TPlanoTesteDto::StaticClassInfo());
    EXPECT_EQ(TClassRegistry::FindClass(QStringLiteral("TBaseDto")), &TBaseDto::StaticClassInfo());
}

TEST(ClassRegistryTest, RegistrationUnderATakenNameStandsInUntilItEnds)
{
    using TFactory = std::function<int()>;
    const QString name = QStringLiteral("TUsuarioDto");
    {
        const TClassRegistration standIn(name, TFactory([] { return 7; }));
        EXPECT_EQ(TClassRegistry::FindClass(name), nullptr);
        EXPECT_EQ(TClassRegistry::FindFactory<TFactory>(name)(), 7);
        EXPECT_EQ(TClassRegistry::RegisteredNames().count(name), 1);
        {
            // A test registering a class its program has already registered.
            const TClassRegistration again(TEmpresaDto::StaticClassInfo());
        }
        EXPECT_EQ(TClassRegistry::FindClass(QStringLiteral("TEmpresaDto")),
                  &TEmpresaDto::StaticClassInfo());
    }
    EXPECT_EQ(TClassRegistry::FindClass(name), &TUsuarioDto::StaticClassInfo());
    EXPECT_FALSE(TClassRegistry::FindFactory<TFactory>(name));
}

TEST(ClassRegistryTest, HoldsFactoriesOfOtherClassesUntilUnregistered)
{
    using TFactory = std::function<std::unique_ptr<QObject>(QObject *)>;
    const QString name = QStringLiteral("TFormTesteRegistro");
    {
        const TClassRegistration registration(name, TFactory([](QObject *parent) {
                                                  auto object = std::make_unique<QObject>(parent);
                                                  object->setObjectName(QStringLiteral("criado"));
                                                  return object;
                                              }));
        EXPECT_TRUE(TClassRegistry::IsRegistered(QStringLiteral("TFORMTESTEREGISTRO")));
        EXPECT_TRUE(TClassRegistry::RegisteredNames().contains(name));
        const TFactory factory = TClassRegistry::FindFactory<TFactory>(name);
        ASSERT_TRUE(factory);
        EXPECT_EQ(factory(nullptr)->objectName(), QStringLiteral("criado"));
        // Asked for another kind of factory, or for a wire class, it answers nothing.
        EXPECT_FALSE(TClassRegistry::FindFactory<std::function<int()>>(name));
        EXPECT_EQ(TClassRegistry::FindClass(name), nullptr);
    }
    EXPECT_FALSE(TClassRegistry::IsRegistered(name));
    EXPECT_FALSE(TClassRegistry::FindFactory<TFactory>(name));
}

} // namespace
