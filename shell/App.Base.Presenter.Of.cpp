#include "App.Base.Presenter.Of.h"

#include "Common.Base.ClassInfo.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"
#include "SysUtils.h"

namespace {

const TMemberInfo *propertyOfColumn(const TClassInfo &ARowClass, const QString &AColumn)
{
    for (const TMemberInfo *property : ARowClass.Properties()) {
        if (TUtils::convertClassPropToTableField(property->Name())
                .compare(AColumn, Qt::CaseInsensitive)
            == 0)
            return property;
    }
    return nullptr;
}

TFieldType fieldTypeOf(TMemberKind AKind, int ASize)
{
    switch (AKind) {
    case TMemberKind::Int32:
        return TFieldType::Integer;
    case TMemberKind::Int64:
        return TFieldType::LargeInt;
    case TMemberKind::Double:
        return TFieldType::Float;
    case TMemberKind::Boolean:
        return TFieldType::Boolean;
    case TMemberKind::DateTime:
        return TFieldType::DateTime;
    default:
        // Texts, pictures and enumeration identifiers.
        return ASize > 0 ? TFieldType::String : TFieldType::Memo;
    }
}

} // namespace

void AddListColumns(TMemTable &ATable,
                    const TClassInfo &ARowClass,
                    const std::vector<TListColumn> &AColumns,
                    const QString &APresenter)
{
    for (const TListColumn &column : AColumns) {
        const QString name = QString::fromLatin1(column.Name);
        const TMemberInfo *property = propertyOfColumn(ARowClass, name);
        if (!property)
            throw Exception(
                Format(QStringLiteral("ERROR:A coluna %s de %s não é uma propriedade de %s."),
                       { name, APresenter, ARowClass.Name() }));
        if (property->IsObject())
            throw Exception(Format(
                QStringLiteral("ERROR:A coluna %s de %s não pode mostrar %s.%s, que guarda um "
                               "objeto ou uma lista."),
                { name, APresenter, ARowClass.Name(), property->Name() }));
        const TFieldType type = fieldTypeOf(property->Kind(), column.Size);
        TField *field = ATable.AddField(name, type, type == TFieldType::String ? column.Size : 0);
        if (column.DisplayFormat)
            field->SetDisplayFormat(QString::fromUtf8(column.DisplayFormat));
    }
}

void AppendRemoveIds(const QStringList &ALines, TListInt64 &AIds)
{
    for (const QString &line : ALines)
        AIds.push_back(TUtils::StrEmptyToInt64(line));
}

TDataSetFilterKeeper::TDataSetFilterKeeper(TMemTable &ADataSet)
    : m_dataSet(ADataSet)
    , m_filter(ADataSet.Filter())
    , m_filtered(ADataSet.Filtered())
{ }

TDataSetFilterKeeper::~TDataSetFilterKeeper()
{
    m_dataSet.SetFiltered(false);
    m_dataSet.SetFilter(m_filter);
    m_dataSet.SetFiltered(m_filtered);
}

std::int64_t CurrentIdRegistro(const TMemTable &ADataSet)
{
    const TField *field = ADataSet.FindField(QStringLiteral("ID_REGISTRO"));
    return field ? field->AsLargeInt() : 0;
}
