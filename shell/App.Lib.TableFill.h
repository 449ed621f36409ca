#pragma once

#include <QtGlobal>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class TClassInfo;
class TMemTable;
class TObjectToRecordMap;
class TSerializeObject;

// A list of objects copied into a table, row by row through each class's column pairing; the
// first slice empties the table (creating it when inactive). A list may hold objects of
// subclasses, each class paired once. A row whose copy fails is cancelled, never posted.
// Sliced so a long list can be copied on the main thread a little at a time.
class TTableFill final
{
public:
    TTableFill(TMemTable &ATable, const std::vector<const TSerializeObject *> &AObjects);
    ~TTableFill();

    bool Done() const { return m_started && m_next >= m_objects.size(); }

    // Copies rows for about AMilliseconds (at least one).
    void Slice(qint64 AMilliseconds);
    // Copies every row in one step.
    void All();

private:
    void copy(const TSerializeObject *AObject);

    TMemTable &m_table;
    const std::vector<const TSerializeObject *> &m_objects;
    std::vector<std::pair<const TClassInfo *, std::unique_ptr<TObjectToRecordMap>>> m_maps;
    std::size_t m_next = 0;
    bool m_started = false;
};
