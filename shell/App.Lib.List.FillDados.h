#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TFrameList;
class TItemListFillDados;
class TMemTable;

// Run around each loader of a TListFillDados (before it reads, after it has shown its rows).
using TProcItemListFill = std::function<void(TItemListFillDados *AItem)>;

// One child list of an opened record: reads the rows that belong to the record into the child
// window's row list and, for a list of grandchildren, ties each row to its row of the child list
// it belongs to.
class TItemListFillDados final
{
public:
    // ADataSet: the list table of the child list these rows belong to; null for a list that
    // belongs to the record itself. Neither is owned.
    TItemListFillDados(TFrameList *AFrameList, TMemTable *ADataSet);

    TFrameList *FrameList() const { return FFrameList; }
    TMemTable *DataSet() const { return FDataSet; }
    // The parent id of the read.
    void SetIdFK(std::int64_t AIdFK) { FIdFK = AIdFK; }

    // Reads the list (at most 5000 rows) for IdFK off the main thread, then, on the calling
    // (main) thread, ties the rows to the table's rows and shows them. An empty list is not
    // reported; a failed read reaches the caller.
    void FillDados();

private:
    TFrameList *FFrameList;
    TMemTable *FDataSet;
    std::int64_t FIdFK = 0;
};

// The loaders of the child lists of a main registration window, run in the order they were
// added each time a record is opened. A grandchild list must be added after the list it belongs
// to, since it links its rows to that list's rows.
class TListFillDados final
{
public:
    TListFillDados();
    ~TListFillDados();
    TListFillDados(const TListFillDados &) = delete;
    TListFillDados &operator=(const TListFillDados &) = delete;

    TListFillDados &Add(std::unique_ptr<TItemListFillDados> AItem);
    // A loader for that row list; ADataSet as for TItemListFillDados.
    TListFillDados &AddFrameList(TFrameList *AFrameList, TMemTable *ADataSet = nullptr);
    int Count() const { return int(FList.size()); }
    const std::vector<std::unique_ptr<TItemListFillDados>> &List() const { return FList; }

    // The id of the opened record; every loader reads with it unless the before-procedure
    // gives it another.
    void SetIdPrincipal(std::int64_t AIdPrincipal) { FIdPrincipal = AIdPrincipal; }

    TProcItemListFill ProcBeforeItemFillDados;
    TProcItemListFill ProcAfterItemFillDados;

    // Every loader in order, on the main thread: each read runs on a worker while the main
    // thread serves its event loop without user input, then the row list builds its rows. The
    // first failure stops the run and reaches the caller.
    TListFillDados &Execute();

private:
    std::vector<std::unique_ptr<TItemListFillDados>> FList;
    std::int64_t FIdPrincipal = 0;
};
