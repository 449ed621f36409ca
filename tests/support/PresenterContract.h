#pragma once

#include "App.Base.Presenter.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>
#include <vector>

// The columns of a table as "NAME type size format", in order, for a test to compare at once.
inline QStringList describeColumns(const TMemTable &ATable)
{
    static const char *const types[]
        = { "String", "Memo", "Integer", "LargeInt", "AutoInc", "Boolean", "Float", "DateTime" };
    QStringList columns;
    for (int index = 0; index < ATable.FieldCount(); ++index) {
        const TField *field = ATable.Fields(index);
        columns << QStringLiteral("%1 %2 %3 %4")
                       .arg(field->FieldName(),
                            QLatin1String(types[int(field->DataType())]),
                            QString::number(field->Size()),
                            field->DisplayFormat())
                       .trimmed();
    }
    return columns;
}

// What every presenter of the typed road (TCadastroPresenterOf, TSubCadastroPresenterOf) keeps,
// checked against its C++ class name. A presenter's test takes it with one line:
//
//     INSTANTIATE_TYPED_TEST_SUITE_P(ListaSistema, PresenterContract, TListaSistemaPresenter);
//
// The table is named after the class and starts with the base columns; the service talks to the
// resource of the class's name; the presenter is registered under its class name, and its entity
// and list-row classes under theirs; the catalogue's lookups that use the presenter fit its row
// class and its table.
template<class P>
class PresenterContract : public ::testing::Test
{
protected:
    // "TListaSistemaPresenter", as the compiler names the class.
    static QString className()
    {
        int status = 0;
        char *name = abi::__cxa_demangle(typeid(P).name(), nullptr, nullptr, &status);
        const QString text = QString::fromLatin1(status == 0 ? name : typeid(P).name());
        std::free(name);
        return text;
    }
    // The class name without its "T" and "Presenter": "ListaSistema".
    static QString stem()
    {
        QString name = className();
        name.remove(0, 1);
        name.remove(QStringLiteral("Presenter"));
        return name;
    }

    std::unique_ptr<P> presenter = TBasePresenter::Create<P>();
};

TYPED_TEST_SUITE_P(PresenterContract);

TYPED_TEST_P(PresenterContract, TableIsNamedAfterTheClassAndStartsWithTheBaseColumns)
{
    const TMemTable &table = this->presenter->DataSetInfo();
    EXPECT_EQ(table.Name(), TUtils::convertClassPropToTableField(this->stem()));
    ASSERT_GE(table.FieldCount(), 3);
    EXPECT_EQ(table.Fields(0)->FieldName(), QStringLiteral("ID"));
    EXPECT_EQ(table.Fields(0)->DataType(), TFieldType::LargeInt);
    EXPECT_EQ(table.Fields(1)->FieldName(), QStringLiteral("ID_REGISTRO"));
    EXPECT_EQ(table.Fields(1)->DataType(), TFieldType::AutoInc);
    EXPECT_FALSE(table.Fields(1)->Visible());
    EXPECT_EQ(table.Fields(2)->FieldName(), QStringLiteral("ID_REGISTRO_FK"));
    EXPECT_EQ(table.Fields(2)->DataType(), TFieldType::LargeInt);
}

TYPED_TEST_P(PresenterContract, ServiceTalksToTheResourceOfTheClassName)
{
    EXPECT_EQ(this->presenter->service().ResourceName(),
              QStringLiteral("/") + TUtils::convertNameToResource(this->stem()));
}

TYPED_TEST_P(PresenterContract, IsRegisteredByNameWithItsEntityAndRowClasses)
{
    EXPECT_EQ(this->presenter->ClassName(), this->className());
    const auto byName = TBasePresenter::CreatePresenter(this->className());
    EXPECT_NE(dynamic_cast<TypeParam *>(byName.get()), nullptr);

    using TEntity = typename TypeParam::TEntityType;
    using TRow = typename TypeParam::TRowType;
    EXPECT_NE(dynamic_cast<TEntity *>(this->presenter->Entity()), nullptr);
    EXPECT_EQ(TClassRegistry::FindClass(TEntity::StaticClassInfo().Name()),
              &TEntity::StaticClassInfo());
    EXPECT_EQ(TClassRegistry::FindClass(TRow::StaticClassInfo().Name()), &TRow::StaticClassInfo());
}

TYPED_TEST_P(PresenterContract, LookupsThroughThePresenterFitItsRowAndTable)
{
    std::vector<const TPesquisaCatalogoInfo *> lookups;
    for (const TPesquisaCatalogoInfo *entry : catalogoEntries()) {
        if (entry->Presenter.compare(this->className(), Qt::CaseInsensitive) == 0)
            lookups.push_back(entry);
    }
    EXPECT_EQ(catalogoProblems(lookups), QStringList());
}

REGISTER_TYPED_TEST_SUITE_P(PresenterContract,
                            TableIsNamedAfterTheClassAndStartsWithTheBaseColumns,
                            ServiceTalksToTheResourceOfTheClassName,
                            IsRegisteredByNameWithItsEntityAndRowClasses,
                            LookupsThroughThePresenterFitItsRowAndTable);
