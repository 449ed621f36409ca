#pragma once

#include "App.Base.Presenter.Cadastro.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "Common.Lib.Utils.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

class TClassInfo;
class TMemTable;

// One column of a presenter's list table after the base columns, given as data: Name is the
// upper snake name of a property of the list row, whose type gives the column's type. A text
// column holds at most Size characters, or any text (a memo) when Size is 0; Size means nothing
// to other columns. DisplayFormat, when given, is how row frames and lookups show the value.
struct TListColumn
{
    const char *Name = nullptr;
    int Size = 0;
    const char *DisplayFormat = nullptr;
};

// Adds the columns, in their order, each typed by the property of ARowClass whose snake name is
// the column's name. A column naming no such property, or one holding an object or a list, raises
// an "ERROR:" text naming the presenter, the column and the row class.
void AddListColumns(TMemTable &ATable,
                    const TClassInfo &ARowClass,
                    const std::vector<TListColumn> &AColumns,
                    const QString &APresenter);

// The typed road of a presenter: it names its record body (TEntity), its list row (TRow, a
// TBaseDto), its service, its filter body (TFilter; void for list requests without a body) and
// its columns, and the overrides every presenter needs are written here once. A main registration
// presenter, in its header and .cpp:
//
//     class TBancoPresenter final
//         : public TCadastroPresenterOf<TBancoEntity, TBancoDto, TBancoService>
//     {
//     public:
//         TBancoPresenter();
//     };
//
//     ZUNTA_REGISTER_PRESENTER(TBancoPresenter)
//     TBancoPresenter::TBancoPresenter()
//         : TCadastroPresenterOf(QStringLiteral("TBancoPresenter"),
//                                { { "CODIGO", 3 }, { "NOME", 100 } })
//     { }
//
// The base runs its steps in a fixed order, and a presenter overrides only the hook it needs,
// never calling the base: at creation the base columns, the listed columns, CreateExtraFields,
// then the entity, the service and the filter body; on every list load the table is opened,
// then loadRows fills it. Include this header only from presenters.
template<class TBase, class TEntity, class TRow, class TService, class TFilter = void>
class TPresenterOf : public TBase
{
public:
    using TEntityType = TEntity;
    using TRowType = TRow;
    using TServiceType = TService;
    using TFilterType = std::conditional_t<std::is_void_v<TFilter>, TBaseFilterClass, TFilter>;

    TService &service() const { return static_cast<TService &>(*this->Service()); }
    // Null only for a presenter whose entity was taken away (SetEntity).
    TEntity *entity() const { return static_cast<TEntity *>(this->Entity()); }
    // Null for a presenter without a filter body.
    TFilterType *filter() const { return static_cast<TFilterType *>(this->FilterClass()); }

    void findByFilterToDataSet() final
    {
        TBasePresenter::findByFilterToDataSet();
        loadRows();
    }

protected:
    TPresenterOf(const QString &AClassName, std::vector<TListColumn> AColumns)
        : TBase(AClassName)
        , m_columns(std::move(AColumns))
    { }

    // The rows of a list load (may run on a worker): one page of TRow rows by the search text,
    // the fixed filter and the filter body. A presenter whose rows come from a request of its own
    // reads them here and hands them to fillDataSetInfo.
    virtual void loadRows() { TBasePresenter::template findByFilterToDataSet<TRow>(); }
    // Columns the list row cannot give (after the listed ones).
    virtual void CreateExtraFields() { }

    std::unique_ptr<TBaseEntity> CreateEntity() override { return std::make_unique<TEntity>(); }
    std::unique_ptr<TBaseService> CreateService() override { return std::make_unique<TService>(); }
    std::unique_ptr<TBaseFilterClass> CreateFilterClass() override
    {
        if constexpr (std::is_void_v<TFilter>)
            return nullptr;
        else
            return std::make_unique<TFilter>();
    }
    void CreateFieldsDataSet() final
    {
        TBase::CreateFieldsDataSet();
        AddListColumns(this->DataSetInfo(), TRow::StaticClassInfo(), m_columns, this->ClassName());
        CreateExtraFields();
    }

private:
    std::vector<TListColumn> m_columns;
};

// A main registration presenter: the record is read by id from the back end and saved there.
template<class TEntity, class TRow, class TService, class TFilter = void>
class TCadastroPresenterOf
    : public TPresenterOf<TBaseCadastroPresenter, TEntity, TRow, TService, TFilter>
{
protected:
    using TPresenterOf<TBaseCadastroPresenter, TEntity, TRow, TService, TFilter>::TPresenterOf;

    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override
    {
        return this->service().template findById<TEntity>(AId);
    }
    std::unique_ptr<TSerializeObject> PostService() override
    {
        return this->service().post(*this->entity());
    }
};

// A list-only presenter: rows, columns and a filter body, but no record of its own to read or
// save (CreateEntity gives none).
template<class TRow, class TService, class TFilter = void>
class TListPresenterOf : public TPresenterOf<TBasePresenter, TBaseEntity, TRow, TService, TFilter>
{
protected:
    using TPresenterOf<TBasePresenter, TBaseEntity, TRow, TService, TFilter>::TPresenterOf;

    std::unique_ptr<TBaseEntity> CreateEntity() override { return nullptr; }
};

// A child registration presenter: its rows stay in its table until the parent is saved.
template<class TEntity, class TRow, class TService, class TFilter = void>
class TSubCadastroPresenterOf
    : public TPresenterOf<TBaseSubCadastroPresenter, TEntity, TRow, TService, TFilter>
{
protected:
    using TPresenterOf<TBaseSubCadastroPresenter, TEntity, TRow, TService, TFilter>::TPresenterOf;
};

// Keeps a table's filter text and switch and puts them back when it goes, so a walk over a
// sub-form's table leaves the rows the window shows as they were.
class TDataSetFilterKeeper
{
public:
    explicit TDataSetFilterKeeper(TMemTable &ADataSet);
    ~TDataSetFilterKeeper();
    TDataSetFilterKeeper(const TDataSetFilterKeeper &) = delete;
    TDataSetFilterKeeper &operator=(const TDataSetFilterKeeper &) = delete;

private:
    TMemTable &m_dataSet;
    QString m_filter;
    bool m_filtered;
};

// The ID_REGISTRO of a table's current row: what its child rows hold in ID_REGISTRO_FK.
std::int64_t CurrentIdRegistro(const TMemTable &ADataSet);

// Building a nested aggregate body: the rows of ADataSet hanging under one parent row
// (ID_REGISTRO_FK = AIdRegistroParent, or every row for a parent of its own table when
// AIdRegistroParent is null) as new TChild objects filled by column name. AEach, when given, gets
// each new child with its row's ID_REGISTRO, to fill the child's own children from a deeper
// table the same way. The table's filter is put back afterwards; a missing or closed table has no
// rows.
template<class TChild>
void AppendDataSetRowsOf(TMemTable *ADataSet,
                         std::optional<std::int64_t> AIdRegistroParent,
                         TObjectList<TChild> &AList,
                         const std::function<void(TChild &, std::int64_t)> &AEach = {})
{
    if (!ADataSet || !ADataSet->Active())
        return;
    const TDataSetFilterKeeper keeper(*ADataSet);
    ADataSet->SetFiltered(false);
    if (AIdRegistroParent) {
        ADataSet->SetFilter(QStringLiteral("ID_REGISTRO_FK = ") + QString::number(*AIdRegistroParent));
        ADataSet->SetFiltered(true);
    }
    for (ADataSet->First(); !ADataSet->Eof(); ADataSet->Next()) {
        auto child = std::make_unique<TChild>();
        TUtils::fillDataSetToObject(*ADataSet, *child);
        const std::int64_t idRegistro = CurrentIdRegistro(*ADataSet);
        TChild &added = *child;
        AList.push_back(std::move(child));
        if (AEach)
            AEach(added, idRegistro);
    }
}

// Building an aggregate body (a presenter's PostComplexService): every row of a child table, from
// the first, as a new child object filled by column name; a table that is missing or closed has
// no rows.
template<class TChild>
void AppendDataSetRows(TMemTable *ADataSet, TObjectList<TChild> &AList)
{
    AppendDataSetRowsOf(ADataSet, std::nullopt, AList);
}

// Every line of a remove list (the ids, as text, of stored children removed in the window) as a
// 64-bit id; an empty or unreadable line gives 0.
void AppendRemoveIds(const QStringList &ALines, TListInt64 &AIds);
