#include "App.Lib.TableFill.h"

#include "Common.Base.Serialize.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"

#include <QElapsedTimer>

#include <algorithm>
#include <limits>

TTableFill::TTableFill(TMemTable &ATable, const std::vector<const TSerializeObject *> &AObjects)
    : m_table(ATable)
    , m_objects(AObjects)
{ }

TTableFill::~TTableFill() = default;

void TTableFill::Slice(qint64 AMilliseconds)
{
    if (!m_started) {
        m_started = true;
        if (!m_table.Active())
            m_table.CreateDataSet();
        m_table.EmptyDataSet();
    }
    QElapsedTimer slice;
    slice.start();
    while (m_next < m_objects.size()) {
        copy(m_objects[m_next++]);
        if (slice.elapsed() >= AMilliseconds)
            break;
    }
}

void TTableFill::All()
{
    Slice(std::numeric_limits<qint64>::max());
}

void TTableFill::copy(const TSerializeObject *AObject)
{
    if (!AObject)
        return;
    const TClassInfo *info = &AObject->ClassInfo();
    auto found = std::find_if(
        m_maps.begin(), m_maps.end(), [info](const auto &entry) { return entry.first == info; });
    if (found == m_maps.end())
        found = m_maps.emplace(
            m_maps.end(), info, std::make_unique<TObjectToRecordMap>(*info, m_table));
    m_table.Append();
    try {
        found->second->copyObject(*AObject);
    } catch (...) {
        // The half-filled row must not be posted by the table's next move.
        m_table.Cancel();
        throw;
    }
    m_table.Post();
}
