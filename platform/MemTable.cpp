#include "MemTable.h"

#include "FormatSettings.h"
#include "MemTableFilter.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

struct TMemTable::TRecord
{
    std::uint64_t Sequence;
    std::vector<TFieldValue> Values;
};

namespace {

std::int64_t roundToInt64(double value)
{
    // Half to even, as the original rounds a floating value into an integer column.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
        throw EConvertError(QStringLiteral("%1 is not a valid integer value").arg(value));
    return std::int64_t(rounded);
}

bool textToBool(const QString &text)
{
    if (text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    throw EConvertError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

EInvalidCast notADate()
{
    return EInvalidCast(QStringLiteral("Could not convert a Boolean value into a date"));
}

std::int64_t toInt64(const TFieldValue &value)
{
    switch (value.index()) {
    case IntKind:
        return std::get<std::int64_t>(value);
    case FloatKind:
        return roundToInt64(std::get<double>(value));
    case BoolKind:
        return std::get<bool>(value) ? -1 : 0;
    case DateKind:
        return roundToInt64(std::get<TDateTime>(value).Value());
    case TextKind: {
        const QString &text = std::get<QString>(value);
        return text.isEmpty() ? 0 : StrToInt64(text);
    }
    default:
        return 0;
    }
}

double toDouble(const TFieldValue &value)
{
    switch (value.index()) {
    case IntKind:
        return double(std::get<std::int64_t>(value));
    case FloatKind:
        return std::get<double>(value);
    case BoolKind:
        return std::get<bool>(value) ? -1.0 : 0.0;
    case DateKind:
        return std::get<TDateTime>(value).Value();
    case TextKind: {
        const QString &text = std::get<QString>(value);
        return text.isEmpty() ? 0.0 : StrToFloat(text);
    }
    default:
        return 0.0;
    }
}

TDateTime toDate(const TFieldValue &value)
{
    switch (value.index()) {
    case IntKind:
        return double(std::get<std::int64_t>(value));
    case FloatKind:
        return std::get<double>(value);
    case BoolKind:
        throw notADate();
    case DateKind:
        return std::get<TDateTime>(value);
    case TextKind: {
        const QString &text = std::get<QString>(value);
        return text.isEmpty() ? TDateTime() : StrToDateTime(text);
    }
    default:
        return TDateTime();
    }
}

bool toBool(const TFieldValue &value)
{
    switch (value.index()) {
    case IntKind:
        return std::get<std::int64_t>(value) != 0;
    case FloatKind:
        return std::get<double>(value) != 0.0;
    case BoolKind:
        return std::get<bool>(value);
    case DateKind:
        throw notADate();
    case TextKind: {
        const QString &text = std::get<QString>(value);
        return !text.isEmpty() && textToBool(text);
    }
    default:
        return false;
    }
}

int checkedInt(std::int64_t value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EConvertError(QStringLiteral("%1 is not a valid 32-bit integer value").arg(value));
    return int(value);
}

const QCollator &textCollator()
{
    thread_local const QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    return collator;
}

// The order of two values of one column: null first.
int compareForOrder(const TFieldValue &left, const TFieldValue &right)
{
    if (left.index() != right.index())
        return left.index() < right.index() ? -1 : 1; // only null differs from its column's kind
    auto threeWay = [](auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); };
    switch (left.index()) {
    case IntKind:
        return threeWay(std::get<std::int64_t>(left), std::get<std::int64_t>(right));
    case FloatKind:
        return threeWay(std::get<double>(left), std::get<double>(right));
    case BoolKind:
        return threeWay(std::get<bool>(left), std::get<bool>(right));
    case DateKind:
        return threeWay(FieldDateMilliseconds(std::get<TDateTime>(left)),
                        FieldDateMilliseconds(std::get<TDateTime>(right)));
    case TextKind:
        return textCollator().compare(std::get<QString>(left), std::get<QString>(right));
    default:
        return 0;
    }
}

bool sameValue(const TFieldValue &left, const TFieldValue &right)
{
    if (left.index() != right.index())
        return false;
    if (left.index() == DateKind)
        return FieldDateMilliseconds(std::get<TDateTime>(left))
            == FieldDateMilliseconds(std::get<TDateTime>(right));
    return left == right;
}

} // namespace

bool VarIsNull(const TFieldValue &value)
{
    return value.index() == NullKind;
}

QString VarToStr(const TFieldValue &value)
{
    switch (value.index()) {
    case IntKind:
        return QString::number(std::get<std::int64_t>(value));
    case FloatKind:
        return FloatToStr(std::get<double>(value));
    case BoolKind:
        return std::get<bool>(value) ? QStringLiteral("True") : QStringLiteral("False");
    case DateKind:
        return DateTimeToStr(std::get<TDateTime>(value));
    case TextKind:
        return std::get<QString>(value);
    default:
        return QString();
    }
}

TFieldValue VarAsType(const TFieldValue &value, TFieldType type)
{
    if (VarIsNull(value))
        return value;
    const bool text = type == TFieldType::String || type == TFieldType::Memo;
    if (!text && value.index() == TextKind && std::get<QString>(value).isEmpty())
        return TFieldValue();
    switch (type) {
    case TFieldType::String:
    case TFieldType::Memo:
        return VarToStr(value);
    case TFieldType::Integer:
        return std::int64_t(checkedInt(toInt64(value)));
    case TFieldType::LargeInt:
    case TFieldType::AutoInc:
        return toInt64(value);
    case TFieldType::Boolean:
        return toBool(value);
    case TFieldType::Float:
        return toDouble(value);
    case TFieldType::DateTime:
        return toDate(value);
    }
    return TFieldValue();
}

QString QuotedFilterText(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// TField

TField::TField(TMemTable &table, int index, const QString &name, TFieldType type, int size)
    : m_table(table)
    , m_index(index)
    , m_name(name)
    , m_type(type)
    , m_size(size)
{ }

const TFieldValue &TField::Value() const
{
    static const TFieldValue null;
    const TFieldValue *values = m_table.currentValues();
    return values ? values[m_index] : null;
}

bool TField::IsNull() const
{
    return VarIsNull(Value());
}

void TField::store(const TFieldValue &value)
{
    m_table.editValue(m_index); // refuses before converting when the table is not editing
    TFieldValue converted = VarAsType(value, m_type);
    m_table.editValue(m_index) = std::move(converted);
}

void TField::Clear()
{
    m_table.editValue(m_index) = TFieldValue();
}

void TField::SetValue(const TFieldValue &value)
{
    store(value);
}

QString TField::AsString() const
{
    return VarToStr(Value());
}

void TField::SetAsString(const QString &value)
{
    store(value);
}

int TField::AsInteger() const
{
    return checkedInt(toInt64(Value()));
}

void TField::SetAsInteger(int value)
{
    store(std::int64_t(value));
}

std::int64_t TField::AsLargeInt() const
{
    return toInt64(Value());
}

void TField::SetAsLargeInt(std::int64_t value)
{
    store(value);
}

double TField::AsFloat() const
{
    return toDouble(Value());
}

void TField::SetAsFloat(double value)
{
    store(value);
}

TDateTime TField::AsDateTime() const
{
    return toDate(Value());
}

void TField::SetAsDateTime(TDateTime value)
{
    store(value);
}

bool TField::AsBoolean() const
{
    return toBool(Value());
}

void TField::SetAsBoolean(bool value)
{
    store(value);
}

QString TField::DisplayText() const
{
    const TFieldValue &value = Value();
    if (VarIsNull(value))
        return QString();
    switch (m_type) {
    case TFieldType::Integer:
    case TFieldType::LargeInt:
    case TFieldType::AutoInc:
    case TFieldType::Float:
        return m_displayFormat.isEmpty() ? VarToStr(value)
                                         : FormatFloat(m_displayFormat, toDouble(value));
    case TFieldType::DateTime: {
        const TDateTime date = toDate(value);
        if (m_zeroDateAsEmpty && date.Value() == 0.0)
            return QString();
        return m_displayFormat.isEmpty() ? DateTimeToStr(date)
                                         : FormatDateTime(m_displayFormat, date);
    }
    default:
        return VarToStr(value);
    }
}

// TMemTable

namespace {

EDatabaseError tableError(const QString &tableName, const QString &message)
{
    return EDatabaseError(tableName.isEmpty() ? message
                                              : tableName + QStringLiteral(": ") + message);
}

} // namespace

TMemTable::TMemTable() = default;

TMemTable::TMemTable(const QString &name)
    : m_name(name)
{ }

TMemTable::~TMemTable() = default;

TField *TMemTable::AddField(const QString &name, TFieldType type, int size)
{
    if (Active())
        throw tableError(m_name,
                         QStringLiteral("Cannot perform this operation on an open dataset"));
    const QString key = name.toUpper();
    if (m_fieldByName.contains(key))
        throw tableError(m_name, QStringLiteral("Duplicate field name '%1'").arg(name));
    const int index = int(m_fields.size());
    m_fields.push_back(std::unique_ptr<TField>(new TField(*this, index, name, type, size)));
    m_fieldByName.insert(key, index);
    return m_fields.back().get();
}

void TMemTable::ClearFields()
{
    Close();
    m_filter.reset();
    m_sortKeys.clear();
    m_fieldByName.clear();
    m_fields.clear();
}

TField *TMemTable::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_fields[std::size_t(index)].get();
}

TField *TMemTable::FindField(const QString &name) const
{
    const auto found = m_fieldByName.constFind(name.toUpper());
    return found == m_fieldByName.cend() ? nullptr : m_fields[std::size_t(*found)].get();
}

TField *TMemTable::FieldByName(const QString &name) const
{
    TField *field = FindField(name);
    if (!field)
        throw tableError(m_name, QStringLiteral("Field '%1' not found").arg(name));
    return field;
}

void TMemTable::Open()
{
    if (Active())
        return;
    compileFilter(m_filterText);
    m_sortKeys = parseIndex(m_indexFieldNames);
    m_records.clear();
    m_view.clear();
    m_current = -1;
    m_eof = true;
    m_nextSequence = 0;
    m_nextAutoInc = -1;
    m_state = TDataSetState::Browse;
}

void TMemTable::CreateDataSet()
{
    Close();
    Open();
}

void TMemTable::Close()
{
    m_state = TDataSetState::Inactive;
    m_buffer.clear();
    m_modified = false;
    m_view.clear();
    m_records.clear();
    m_spareRecords.clear();
    m_current = -1;
    m_eof = true;
}

void TMemTable::SetActive(bool active)
{
    if (active)
        Open();
    else
        Close();
}

void TMemTable::EmptyDataSet()
{
    checkActive();
    Cancel();
    m_view.clear();
    for (auto &record : m_records)
        m_spareRecords.push_back(std::move(record));
    m_records.clear();
    m_current = -1;
    m_eof = true;
}

void TMemTable::First()
{
    checkActive();
    checkBrowseMode();
    m_current = m_view.empty() ? -1 : 0;
    m_eof = m_view.empty();
}

void TMemTable::Next()
{
    checkActive();
    checkBrowseMode();
    if (m_current + 1 < qsizetype(m_view.size())) {
        ++m_current;
        m_eof = false;
    } else {
        m_eof = true;
    }
}

void TMemTable::Last()
{
    checkActive();
    checkBrowseMode();
    m_current = qsizetype(m_view.size()) - 1;
    m_eof = true;
}

void TMemTable::SetRecNo(int recNo)
{
    checkActive();
    checkBrowseMode();
    if (recNo < 1 || recNo > qsizetype(m_view.size()))
        throw tableError(m_name, QStringLiteral("Record %1 not found").arg(recNo));
    m_current = recNo - 1;
    m_eof = false;
}

int TMemTable::RecordCount() const
{
    return Active() ? int(m_view.size()) : 0;
}

bool TMemTable::Locate(const QString &keyFields, const TFieldValue &keyValue)
{
    return Locate(keyFields, std::vector<TFieldValue> { keyValue });
}

bool TMemTable::Locate(const QString &keyFields, const std::vector<TFieldValue> &keyValues)
{
    checkActive();
    checkBrowseMode();
    const std::vector<TField *> fields = this->keyFields(keyFields);
    if (fields.size() != keyValues.size())
        throw tableError(m_name,
                         QStringLiteral("Locate with %1 columns and %2 values")
                             .arg(fields.size())
                             .arg(keyValues.size()));
    std::vector<TFieldValue> keys;
    keys.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        keys.push_back(VarAsType(keyValues[i], fields[i]->DataType()));
    for (std::size_t row = 0; row < m_view.size(); ++row) {
        const std::vector<TFieldValue> &values = m_view[row]->Values;
        bool match = true;
        for (std::size_t i = 0; match && i < fields.size(); ++i)
            match = sameValue(values[std::size_t(fields[i]->Index())], keys[i]);
        if (match) {
            m_current = qsizetype(row);
            m_eof = false;
            return true;
        }
    }
    return false;
}

void TMemTable::Append()
{
    checkActive();
    checkBrowseMode();
    m_buffer.assign(m_fields.size(), TFieldValue());
    for (const auto &field : m_fields) {
        if (field->DataType() == TFieldType::AutoInc)
            m_buffer[std::size_t(field->Index())] = m_nextAutoInc--;
    }
    m_modified = false;
    m_state = TDataSetState::Insert;
}

void TMemTable::Edit()
{
    checkActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return;
    if (m_current < 0)
        throw tableError(m_name,
                         QStringLiteral("Cannot perform this operation on an empty dataset"));
    m_buffer = m_view[std::size_t(m_current)]->Values;
    m_modified = false;
    m_state = TDataSetState::Edit;
}

void TMemTable::Post()
{
    checkActive();
    if (m_state == TDataSetState::Insert) {
        std::unique_ptr<TRecord> record;
        if (m_spareRecords.empty()) {
            record = std::make_unique<TRecord>(TRecord { m_nextSequence++, std::move(m_buffer) });
        } else {
            record = std::move(m_spareRecords.back());
            m_spareRecords.pop_back();
            record->Sequence = m_nextSequence++;
            record->Values.swap(m_buffer); // the buffer takes the old storage for the next row
        }
        TRecord *posted = record.get();
        m_records.push_back(std::move(record));
        m_buffer.clear();
        m_modified = false;
        m_state = TDataSetState::Browse;
        placeInView(posted);
    } else if (m_state == TDataSetState::Edit) {
        TRecord *posted = m_view[std::size_t(m_current)];
        posted->Values = std::move(m_buffer);
        m_buffer.clear();
        m_modified = false;
        m_state = TDataSetState::Browse;
        // A record still in order between its neighbours stays put: a walk that edits every
        // row then costs no shifting of the view.
        const std::size_t at = std::size_t(m_current);
        if (passesFilter(*posted) && (at == 0 || before(m_view[at - 1], posted))
            && (at + 1 == m_view.size() || before(posted, m_view[at + 1])))
            return;
        m_view.erase(m_view.begin() + m_current);
        if (!placeInView(posted)) {
            // Edited out of the filter: the record that followed it takes its place.
            m_current = std::min(m_current, qsizetype(m_view.size()) - 1);
            m_eof = m_view.empty();
        }
    }
}

void TMemTable::Cancel()
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    m_buffer.clear();
    m_modified = false;
    m_state = TDataSetState::Browse;
}

void TMemTable::Delete()
{
    checkActive();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (m_current < 0)
        throw tableError(m_name,
                         QStringLiteral("Cannot perform this operation on an empty dataset"));
    TRecord *deleted = m_view[std::size_t(m_current)];
    m_view.erase(m_view.begin() + m_current);
    const auto stored
        = std::lower_bound(m_records.begin(),
                           m_records.end(),
                           deleted->Sequence,
                           [](const std::unique_ptr<TRecord> &record, std::uint64_t sequence) {
                               return record->Sequence < sequence;
                           });
    m_records.erase(stored);
    m_current = std::min(m_current, qsizetype(m_view.size()) - 1);
    m_eof = m_view.empty();
}

void TMemTable::SetFilter(const QString &filter)
{
    if (filter == m_filterText)
        return;
    std::unique_ptr<TFilterExpression> compiled;
    if (!filter.trimmed().isEmpty())
        compiled = std::make_unique<TFilterExpression>(filter, *this);
    if (Active())
        checkBrowseMode();
    m_filter = std::move(compiled);
    m_filterText = filter;
    if (Active() && m_filtered) {
        rebuildView();
        First();
    }
}

void TMemTable::SetFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (Active())
        checkBrowseMode();
    m_filtered = filtered;
    if (Active()) {
        rebuildView();
        First();
    }
}

void TMemTable::SetIndexFieldNames(const QString &names)
{
    if (names == m_indexFieldNames)
        return;
    std::vector<TSortKey> keys = parseIndex(names);
    if (Active())
        checkBrowseMode();
    m_sortKeys = std::move(keys);
    m_indexFieldNames = names;
    if (!Active())
        return;
    TRecord *current = m_current >= 0 ? m_view[std::size_t(m_current)] : nullptr;
    rebuildView();
    const auto found = std::find(m_view.begin(), m_view.end(), current);
    if (current && found != m_view.end()) {
        m_current = found - m_view.begin();
    } else {
        m_current = m_view.empty() ? -1 : 0;
        m_eof = m_view.empty();
    }
}

void TMemTable::CopyDataSet(const TMemTable &source)
{
    if (&source == this)
        return;
    ClearFields();
    for (const auto &from : source.m_fields) {
        TField *field = AddField(from->FieldName(), from->DataType(), from->Size());
        field->SetVisible(from->Visible());
        field->SetDisplayFormat(from->DisplayFormat());
        field->SetZeroDateAsEmpty(from->ZeroDateAsEmpty());
    }
    Open();
    m_records.reserve(source.m_view.size());
    for (const TRecord *record : source.m_view)
        m_records.push_back(
            std::make_unique<TRecord>(TRecord { m_nextSequence++, record->Values }));
    m_nextAutoInc = source.m_nextAutoInc;
    rebuildView();
    First();
}

void TMemTable::checkActive() const
{
    if (!Active())
        throw tableError(m_name,
                         QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TMemTable::checkBrowseMode()
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    if (m_modified)
        Post();
    else
        Cancel();
}

const TFieldValue *TMemTable::currentValues() const
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return m_buffer.data();
    if (m_state == TDataSetState::Browse && m_current >= 0)
        return m_view[std::size_t(m_current)]->Values.data();
    return nullptr;
}

TFieldValue &TMemTable::editValue(int index)
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        throw tableError(m_name, QStringLiteral("Dataset not in edit or insert mode"));
    m_modified = true;
    return m_buffer[std::size_t(index)];
}

bool TMemTable::passesFilter(const TRecord &record) const
{
    return !m_filtered || !m_filter || m_filter->Matches(record.Values.data());
}

bool TMemTable::before(const TRecord *left, const TRecord *right) const
{
    for (const TSortKey &key : m_sortKeys) {
        const int order = compareForOrder(left->Values[std::size_t(key.Field)],
                                          right->Values[std::size_t(key.Field)]);
        if (order != 0)
            return key.Descending ? order > 0 : order < 0;
    }
    return left->Sequence < right->Sequence;
}

void TMemTable::rebuildView()
{
    m_view.clear();
    m_view.reserve(m_records.size());
    for (const auto &record : m_records) {
        if (passesFilter(*record))
            m_view.push_back(record.get());
    }
    if (!m_sortKeys.empty())
        std::sort(m_view.begin(), m_view.end(), [this](const TRecord *left, const TRecord *right) {
            return before(left, right);
        });
}

bool TMemTable::placeInView(TRecord *record)
{
    if (!passesFilter(*record))
        return false;
    const auto position = std::upper_bound(
        m_view.begin(), m_view.end(), record, [this](const TRecord *left, const TRecord *right) {
            return before(left, right);
        });
    const auto placed = m_view.insert(position, record);
    m_current = placed - m_view.begin();
    m_eof = false;
    return true;
}

void TMemTable::compileFilter(const QString &text)
{
    m_filter.reset();
    if (!text.trimmed().isEmpty())
        m_filter = std::make_unique<TFilterExpression>(text, *this);
}

std::vector<TMemTable::TSortKey> TMemTable::parseIndex(const QString &names) const
{
    std::vector<TSortKey> keys;
    for (const QString &part : names.split(u';', Qt::SkipEmptyParts)) {
        QString name = part.trimmed();
        bool descending = false;
        const qsizetype colon = name.indexOf(u':');
        if (colon >= 0) {
            const QString option = name.mid(colon + 1).trimmed();
            if (option.compare(u"D", Qt::CaseInsensitive) == 0)
                descending = true;
            else if (option.compare(u"A", Qt::CaseInsensitive) != 0)
                throw tableError(m_name, QStringLiteral("Invalid index option '%1'").arg(part));
            name = name.left(colon).trimmed();
        }
        if (!name.isEmpty())
            keys.push_back(TSortKey { FieldByName(name)->Index(), descending });
    }
    return keys;
}

std::vector<TField *> TMemTable::keyFields(const QString &names) const
{
    std::vector<TField *> fields;
    for (const QString &name : names.split(u';', Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty())
            fields.push_back(FieldByName(name.trimmed()));
    }
    return fields;
}
