#pragma once

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Base.Service.h"
#include "MemTable.h"

#include <QStringList>

#include <memory>

// The service of a test child list, named by the test (its resource path follows the name).
class TChildListTestService final : public TBaseService
{
public:
    explicit TChildListTestService(const QString &AClassName)
        : TBaseService(AClassName)
    { }
};

// A child presenter of the tests that reads the rows of one parent record: the parent id goes as
// the fixed filter, as the business child presenters send it. Columns named ID_… are 64-bit
// integers, the others text.
template<class TEntity, class TDto>
class TChildListTestPresenter final : public TBaseSubCadastroPresenter
{
public:
    TChildListTestPresenter(const QString &AClassName,
                            const QString &AServiceName,
                            QStringList AColumns)
        : TBaseSubCadastroPresenter(AClassName)
        , m_serviceName(AServiceName)
        , m_columns(std::move(AColumns))
    { }

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        TBasePresenter::findByFilterToDataSet<TDto>();
    }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseSubCadastroPresenter::CreateFieldsDataSet();
        for (const QString &column : m_columns)
            DataSetInfo().AddField(column,
                                   column.startsWith(QStringLiteral("ID_")) ? TFieldType::LargeInt
                                                                            : TFieldType::String,
                                   100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override { return std::make_unique<TEntity>(); }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TChildListTestService>(m_serviceName);
    }
    void beforeFindByFilter() override { ValueFixFilter = QString::number(IdPrincipal); }

private:
    QString m_serviceName;
    QStringList m_columns;
};
