#pragma once

#include "DateTime.h"
#include "SysUtils.h"

#include <QHash>
#include <QString>

#include <cmath>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

class TFilterExpression;
class TMemTable;

// A failure of the in-memory table itself: a column it does not have, a write outside edit or
// insert mode, an operation on a closed or empty table, a filter text it cannot read.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

enum class TFieldType { String, Memo, Integer, LargeInt, AutoInc, Boolean, Float, DateTime };

enum class TDataSetState { Inactive, Browse, Edit, Insert };

// One value of a column: null (std::monostate) or the value in one of the kinds the columns
// store. A column keeps its values in one kind: whole numbers (Integer, LargeInt and AutoInc) as
// std::int64_t, Float as double, Boolean as bool, DateTime as TDateTime, String and Memo as
// QString.
using TFieldValue = std::variant<std::monostate, std::int64_t, double, bool, TDateTime, QString>;

// The positions of the kinds in TFieldValue, for the table and its filter to switch on index().
enum TFieldKind { NullKind, IntKind, FloatKind, BoolKind, DateKind, TextKind };
static_assert(std::is_same_v<std::variant_alternative_t<TextKind, TFieldValue>, QString>);

// A date of the table in whole milliseconds: ordering and filtering compare dates at this
// resolution.
inline std::int64_t FieldDateMilliseconds(TDateTime value)
{
    return std::llround(value.Value() * MSecsPerDay);
}

bool VarIsNull(const TFieldValue &value);
// The value as text: whole numbers in decimal, floating values in the general pt-BR form
// ("1,5"), dates as the short date followed by the long time when the time of day is not
// midnight, booleans "True" or "False", null as the empty text.
QString VarToStr(const TFieldValue &value);
// The value converted to the kind a column of the given type stores; texts are read with the
// pt-BR rules (decimal comma, day/month/year dates, "True"/"False" in any letter case) and the
// empty text gives null. Raises EConvertError when the value cannot be read that way.
TFieldValue VarAsType(const TFieldValue &value, TFieldType type);

// A filter text that takes a text as one quoted literal: quotes around it and every quote inside
// doubled, so no search text a user types can end the literal early.
QString QuotedFilterText(const QString &text);

// One column of a TMemTable: its definition, and access to its value in the table's current
// record (the edit buffer while the table is in edit or insert mode). Reading a table that has
// no current record gives null. Writing needs edit or insert mode and converts the value to the
// column's kind (see VarAsType). The table owns its columns; a pointer to one stays valid until
// the table's columns are cleared.
class TField final
{
public:
    const QString &FieldName() const { return m_name; }
    TFieldType DataType() const { return m_type; }
    // The declared text length; informative only, a longer text is kept whole.
    int Size() const { return m_size; }
    int Index() const { return m_index; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // A FormatFloat picture for numeric columns, a FormatDateTime one for date columns; empty
    // means the plain text (AsString).
    const QString &DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }
    // A date column that shows the zero date ("no date") as the empty text.
    bool ZeroDateAsEmpty() const { return m_zeroDateAsEmpty; }
    void SetZeroDateAsEmpty(bool empty) { m_zeroDateAsEmpty = empty; }

    bool IsNull() const;
    void Clear();
    // The stored value, without conversion.
    const TFieldValue &Value() const;
    void SetValue(const TFieldValue &value);

    // Null reads as the empty text, 0, 0.0, the zero date or false.
    QString AsString() const;
    void SetAsString(const QString &value);
    // Raises EConvertError when the value does not fit 32 bits.
    int AsInteger() const;
    void SetAsInteger(int value);
    std::int64_t AsLargeInt() const;
    void SetAsLargeInt(std::int64_t value);
    double AsFloat() const;
    void SetAsFloat(double value);
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);

    // The value as shown: formatted with DisplayFormat, the empty text for null and, with
    // ZeroDateAsEmpty, for the zero date.
    QString DisplayText() const;

private:
    friend class TMemTable;
    TField(TMemTable &table, int index, const QString &name, TFieldType type, int size);

    void store(const TFieldValue &value);

    TMemTable &m_table;
    int m_index;
    QString m_name;
    TFieldType m_type;
    int m_size;
    bool m_visible = true;
    QString m_displayFormat;
    bool m_zeroDateAsEmpty = false;
};

// The in-memory table that holds every list and child list on the client: named typed columns
// found without regard to letter case, records with a current-record cursor, append, edit, post,
// cancel and delete, locate, ordering by columns, and a local filter given as a text that is read
// once when it is set.
//
// Behaviour worth knowing:
// - Moving the cursor (First, Next, Last, Locate), appending, editing, and changing the filter
//   or the order while a record is being edited or appended posts it when a value was written
//   and cancels it otherwise.
// - Posting re-evaluates the filter and the order for that record: a record edited out of the
//   filter leaves the view, and the record that followed it becomes the current one.
// - After Delete the record that followed becomes the current one, or the new last one when the
//   deleted record was last (seen again before Next reaches Eof); so "while not Eof: Delete or
//   Next" and "while RecordCount > 0: First, Delete" both end, every record handled.
// - Eof turns true when Next is called on the last record, after Last, and on an empty view.
// - AutoInc columns get -1, -2, -3 ... as records are appended, counted from the opening of the
//   table; emptying it does not restart the count, so a key is never given twice.
// - RecordCount counts the records that pass the filter; a closed table counts 0.
//
// Not thread-safe; a table is filled on one thread and read on another only after a hand-over.
class TMemTable final
{
public:
    TMemTable();
    explicit TMemTable(const QString &name);
    ~TMemTable();
    TMemTable(const TMemTable &) = delete;
    TMemTable &operator=(const TMemTable &) = delete;

    // The component name (the list tables are named after their presenter).
    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }

    // Columns are added while the table is closed; ClearFields closes it first.
    TField *AddField(const QString &name, TFieldType type, int size = 0);
    void ClearFields();
    int FieldCount() const { return int(m_fields.size()); }
    TField *Fields(int index) const;
    // nullptr when the table has no such column.
    TField *FindField(const QString &name) const;
    // Raises EDatabaseError "Field 'X' not found" when the table has no such column.
    TField *FieldByName(const QString &name) const;

    // Open starts an empty table (the rows live only while it is open); it does nothing on an
    // open one. CreateDataSet always starts empty. Close drops the rows and keeps the columns,
    // the filter and the order.
    void Open();
    void CreateDataSet();
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    void SetActive(bool active);
    TDataSetState State() const { return m_state; }
    void EmptyDataSet();

    void First();
    void Next();
    void Last();
    bool Eof() const { return m_eof; }
    // The current record's place in the view, from 1 (0 when there is none). Setting it makes
    // that record current; a place outside the view raises EDatabaseError.
    int RecNo() const { return int(m_current + 1); }
    void SetRecNo(int recNo);
    bool IsEmpty() const { return RecordCount() == 0; }
    int RecordCount() const;
    // Makes the first record of the view whose columns (names separated by ";") equal the
    // values the current one; false leaves the cursor where it was. The values are converted to
    // the columns' kinds (EConvertError when one cannot be); null finds null.
    bool Locate(const QString &keyFields, const TFieldValue &keyValue);
    bool Locate(const QString &keyFields, const std::vector<TFieldValue> &keyValues);

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    // The filter text (grammar in MemTableFilter.h) is read when it is set: a text the table
    // cannot read raises EDatabaseError and leaves the previous filter in place. Changing the
    // filter or switching it goes to the first record.
    const QString &Filter() const { return m_filterText; }
    void SetFilter(const QString &filter);
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool filtered);
    // Column names separated by ";", each optionally followed by ":D" (descending) or ":A";
    // the empty text keeps the order of appending. Texts sort in pt-BR order, null first.
    // The current record stays current.
    const QString &IndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const QString &names);

    // Replaces this table's columns and rows with a copy of the source's: every column with its
    // type, size, visibility and display settings, and the records the source shows (its
    // filter and order applied) with their values, AutoInc ones included. This table keeps its
    // own name, filter and order.
    void CopyDataSet(const TMemTable &source);

private:
    friend class TField;
    struct TRecord;
    struct TSortKey
    {
        int Field;
        bool Descending;
    };

    void checkActive() const;
    void checkBrowseMode();
    const TFieldValue *currentValues() const;
    TFieldValue &editValue(int index);
    bool passesFilter(const TRecord &record) const;
    bool before(const TRecord *left, const TRecord *right) const;
    void rebuildView();
    bool placeInView(TRecord *record);
    void compileFilter(const QString &text);
    std::vector<TSortKey> parseIndex(const QString &names) const;
    std::vector<TField *> keyFields(const QString &names) const;

    QString m_name;
    std::vector<std::unique_ptr<TField>> m_fields;
    QHash<QString, int> m_fieldByName; // upper-case name → index
    std::vector<std::unique_ptr<TRecord>> m_records; // in the order of appending
    // Records of an emptied page kept for the next one, so refilling a list does not allocate a
    // record per row; dropped when the table closes.
    std::vector<std::unique_ptr<TRecord>> m_spareRecords;
    std::vector<TRecord *> m_view; // the records that pass the filter, in order
    qsizetype m_current = -1; // index into m_view
    bool m_eof = true;
    TDataSetState m_state = TDataSetState::Inactive;
    std::vector<TFieldValue> m_buffer; // the record being edited or appended
    bool m_modified = false;
    std::uint64_t m_nextSequence = 0;
    std::int64_t m_nextAutoInc = -1;
    QString m_filterText;
    bool m_filtered = false;
    std::unique_ptr<TFilterExpression> m_filter;
    QString m_indexFieldNames;
    std::vector<TSortKey> m_sortKeys;
};
