#include "MemTableFilter.h"

#include "FormatSettings.h"

#include <QRegularExpression>

#include <optional>

struct TFilterExpression::TNode
{
    enum Truth { False, True, Unknown };

    virtual ~TNode() = default;
    virtual Truth Evaluate(const TFieldValue *values) const = 0;
};

namespace {

using TNode = TFilterExpression::TNode;
using TNodePtr = std::unique_ptr<TNode>;

enum class CompareOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

TNode::Truth truth(bool value)
{
    return value ? TNode::True : TNode::False;
}

// A column of the record, or a constant.
struct TOperand
{
    int Column = -1;
    TFieldValue Constant;

    const TFieldValue &value(const TFieldValue *values) const
    {
        return Column >= 0 ? values[Column] : Constant;
    }
};

// "yyyy-mm-dd" or the pt-BR "dd/mm/yyyy", each with an optional time.
std::optional<TDateTime> readDate(const QString &text)
{
    // One per thread: lists are filtered on worker threads too.
    thread_local const QRegularExpression iso(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch match = iso.match(text);
    if (match.hasMatch()) {
        TDateTime date;
        TDateTime time;
        if (!TryEncodeDate(match.captured(1).toInt(),
                           match.captured(2).toInt(),
                           match.captured(3).toInt(),
                           date)
            || !TryEncodeTime(match.captured(4).toInt(),
                              match.captured(5).toInt(),
                              match.captured(6).toInt(),
                              0,
                              time))
            return std::nullopt;
        return TDateTime(date.Value() + time.Value());
    }
    TDateTime value;
    if (TryStrToDateTime(text.trimmed(), value))
        return value;
    return std::nullopt;
}

std::optional<double> readNumber(const QString &text)
{
    double value = 0;
    if (TryStrToFloat(text.trimmed(), value)
        || TryStrToFloat(text.trimmed(), value, TFormatSettings::Invariant()))
        return value;
    return std::nullopt;
}

double asDouble(const TFieldValue &value)
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
    default:
        return 0.0;
    }
}

template<typename T>
int threeWay(T left, T right)
{
    return left < right ? -1 : (right < left ? 1 : 0);
}

// The order of two non-null values; none when they cannot be compared.
std::optional<int> compareValues(const TFieldValue &left, const TFieldValue &right)
{
    if (left.index() == NullKind || right.index() == NullKind)
        return std::nullopt;
    if (left.index() == right.index()) {
        switch (left.index()) {
        case IntKind:
            return threeWay(std::get<std::int64_t>(left), std::get<std::int64_t>(right));
        case BoolKind:
            return threeWay(std::get<bool>(left), std::get<bool>(right));
        case DateKind:
            return threeWay(FieldDateMilliseconds(std::get<TDateTime>(left)),
                            FieldDateMilliseconds(std::get<TDateTime>(right)));
        case TextKind:
            return threeWay(std::get<QString>(left).compare(std::get<QString>(right)), 0);
        default:
            return threeWay(asDouble(left), asDouble(right));
        }
    }
    if (left.index() == TextKind || right.index() == TextKind) {
        const bool textLeft = left.index() == TextKind;
        const QString &text = std::get<QString>(textLeft ? left : right);
        const TFieldValue &other = textLeft ? right : left;
        std::optional<TFieldValue> read;
        if (other.index() == DateKind) {
            if (const auto date = readDate(text))
                read = TFieldValue(*date);
        } else if (const auto number = readNumber(text)) {
            read = TFieldValue(*number);
        }
        if (!read)
            return std::nullopt;
        return textLeft ? compareValues(*read, other) : compareValues(other, *read);
    }
    if (left.index() == DateKind || right.index() == DateKind)
        return threeWay(FieldDateMilliseconds(asDouble(left)),
                        FieldDateMilliseconds(asDouble(right)));
    return threeWay(asDouble(left), asDouble(right));
}

class TAndNode final : public TNode
{
public:
    TAndNode(TNodePtr left, TNodePtr right)
        : m_left(std::move(left))
        , m_right(std::move(right))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const Truth left = m_left->Evaluate(values);
        if (left == False)
            return False;
        const Truth right = m_right->Evaluate(values);
        if (right == False)
            return False;
        return left == True && right == True ? True : Unknown;
    }

private:
    TNodePtr m_left;
    TNodePtr m_right;
};

class TOrNode final : public TNode
{
public:
    TOrNode(TNodePtr left, TNodePtr right)
        : m_left(std::move(left))
        , m_right(std::move(right))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const Truth left = m_left->Evaluate(values);
        if (left == True)
            return True;
        const Truth right = m_right->Evaluate(values);
        if (right == True)
            return True;
        return left == False && right == False ? False : Unknown;
    }

private:
    TNodePtr m_left;
    TNodePtr m_right;
};

class TNotNode final : public TNode
{
public:
    explicit TNotNode(TNodePtr operand)
        : m_operand(std::move(operand))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const Truth value = m_operand->Evaluate(values);
        return value == Unknown ? Unknown : truth(value == False);
    }

private:
    TNodePtr m_operand;
};

class TConstantNode final : public TNode
{
public:
    explicit TConstantNode(Truth value)
        : m_value(value)
    { }

    Truth Evaluate(const TFieldValue *) const override { return m_value; }

private:
    Truth m_value;
};

class TCompareNode final : public TNode
{
public:
    TCompareNode(CompareOp op, TOperand left, TOperand right)
        : m_op(op)
        , m_left(std::move(left))
        , m_right(std::move(right))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const std::optional<int> order = compareValues(m_left.value(values), m_right.value(values));
        if (!order)
            return Unknown;
        switch (m_op) {
        case CompareOp::Equal:
            return truth(*order == 0);
        case CompareOp::NotEqual:
            return truth(*order != 0);
        case CompareOp::Less:
            return truth(*order < 0);
        case CompareOp::Greater:
            return truth(*order > 0);
        case CompareOp::LessEqual:
            return truth(*order <= 0);
        case CompareOp::GreaterEqual:
            return truth(*order >= 0);
        }
        return Unknown;
    }

private:
    CompareOp m_op;
    TOperand m_left;
    TOperand m_right;
};

class TNullTestNode final : public TNode
{
public:
    TNullTestNode(TOperand operand, bool isNull)
        : m_operand(std::move(operand))
        , m_isNull(isNull)
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        return truth(VarIsNull(m_operand.value(values)) == m_isNull);
    }

private:
    TOperand m_operand;
    bool m_isNull;
};

// LIKE with "%" only, without regard to letter case.
class TLikeNode final : public TNode
{
public:
    TLikeNode(TOperand operand, const QString &pattern)
        : m_operand(std::move(operand))
        , m_parts(pattern.split(u'%'))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const TFieldValue &value = m_operand.value(values);
        if (VarIsNull(value))
            return Unknown;
        if (value.index() == TextKind)
            return truth(matches(std::get<QString>(value)));
        return truth(matches(VarToStr(value)));
    }

private:
    bool matches(const QString &text) const
    {
        if (m_parts.size() == 1)
            return text.compare(m_parts.front(), Qt::CaseInsensitive) == 0;
        const QString &first = m_parts.front();
        const QString &last = m_parts.back();
        if (!text.startsWith(first, Qt::CaseInsensitive)
            || !text.endsWith(last, Qt::CaseInsensitive))
            return false;
        qsizetype position = first.size();
        const qsizetype end = text.size() - last.size();
        if (end < position)
            return false;
        for (qsizetype i = 1; i + 1 < m_parts.size(); ++i) {
            const QString &part = m_parts.at(i);
            if (part.isEmpty())
                continue;
            const qsizetype found = text.indexOf(part, position, Qt::CaseInsensitive);
            if (found < 0 || found + part.size() > end)
                return false;
            position = found + part.size();
        }
        return true;
    }

    TOperand m_operand;
    QStringList m_parts;
};

class TBooleanNode final : public TNode
{
public:
    explicit TBooleanNode(TOperand operand)
        : m_operand(std::move(operand))
    { }

    Truth Evaluate(const TFieldValue *values) const override
    {
        const TFieldValue &value = m_operand.value(values);
        if (VarIsNull(value))
            return Unknown;
        return truth(std::get<bool>(value));
    }

private:
    TOperand m_operand;
};

struct TToken
{
    enum Kind { End, Word, Number, Text, Open, Close, Operator, Minus };

    Kind kind = End;
    QString text;
    qsizetype position = 0;
};

// An operand as the parser sees it: what it is besides its value.
struct TParsedOperand
{
    TOperand operand;
    const TField *field = nullptr;
    bool nullLiteral = false;
};

class TParser
{
public:
    TParser(const QString &text, const TMemTable &table)
        : m_text(text)
        , m_table(table)
    {
        tokenize();
    }

    TNodePtr parse()
    {
        TNodePtr root = expression();
        if (current().kind != TToken::End)
            fail(QStringLiteral("unexpected '%1'").arg(current().text));
        return root;
    }

private:
    [[noreturn]] void fail(const QString &reason) const
    {
        throw EDatabaseError(
            QStringLiteral("Invalid filter expression \"%1\": %2").arg(m_text, reason));
    }

    const TToken &current() const { return m_tokens[m_position]; }
    void advance()
    {
        if (m_position + 1 < m_tokens.size())
            ++m_position;
    }
    bool isKeyword(const char16_t *keyword) const
    {
        return current().kind == TToken::Word
            && current().text.compare(QStringView(keyword), Qt::CaseInsensitive) == 0;
    }

    void tokenize()
    {
        const qsizetype n = m_text.size();
        qsizetype i = 0;
        while (i < n) {
            const QChar c = m_text.at(i);
            if (c.isSpace()) {
                ++i;
                continue;
            }
            TToken token;
            token.position = i;
            if (c == u'(' || c == u')') {
                token.kind = c == u'(' ? TToken::Open : TToken::Close;
                token.text = c;
                ++i;
            } else if (c == u'-') {
                token.kind = TToken::Minus;
                token.text = c;
                ++i;
            } else if (c == u'=' || c == u'<' || c == u'>') {
                token.kind = TToken::Operator;
                token.text = c;
                ++i;
                if (i < n && c != u'='
                    && (m_text.at(i) == u'=' || (c == u'<' && m_text.at(i) == u'>')))
                    token.text += m_text.at(i++);
            } else if (c == u'\'') {
                token.kind = TToken::Text;
                ++i;
                for (;;) {
                    if (i >= n)
                        fail(QStringLiteral("a text is not closed"));
                    if (m_text.at(i) == u'\'') {
                        if (i + 1 < n && m_text.at(i + 1) == u'\'') {
                            token.text += u'\'';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    token.text += m_text.at(i++);
                }
            } else if (c.isDigit()) {
                token.kind = TToken::Number;
                while (i < n && (m_text.at(i).isDigit() || m_text.at(i) == u'.'))
                    token.text += m_text.at(i++);
            } else if (c.isLetter() || c == u'_') {
                token.kind = TToken::Word;
                while (i < n && (m_text.at(i).isLetterOrNumber() || m_text.at(i) == u'_'))
                    token.text += m_text.at(i++);
            } else {
                fail(QStringLiteral("unexpected '%1'").arg(c));
            }
            m_tokens.push_back(token);
        }
        TToken end;
        end.position = n;
        end.text = QStringLiteral("end of text");
        m_tokens.push_back(end);
    }

    TNodePtr expression()
    {
        TNodePtr left = term();
        while (isKeyword(u"OR")) {
            advance();
            left = std::make_unique<TOrNode>(std::move(left), term());
        }
        return left;
    }

    TNodePtr term()
    {
        TNodePtr left = factor();
        while (isKeyword(u"AND")) {
            advance();
            left = std::make_unique<TAndNode>(std::move(left), factor());
        }
        return left;
    }

    TNodePtr factor()
    {
        if (isKeyword(u"NOT")) {
            advance();
            return std::make_unique<TNotNode>(factor());
        }
        if (current().kind == TToken::Open) {
            advance();
            TNodePtr inner = expression();
            if (current().kind != TToken::Close)
                fail(QStringLiteral("')' expected before '%1'").arg(current().text));
            advance();
            return inner;
        }
        return predicate();
    }

    TNodePtr predicate()
    {
        TParsedOperand left = operand();
        if (current().kind == TToken::Operator) {
            const QString op = current().text;
            advance();
            TParsedOperand right = operand();
            return comparison(op, std::move(left), std::move(right));
        }
        if (isKeyword(u"IS")) {
            advance();
            bool isNull = true;
            if (isKeyword(u"NOT")) {
                advance();
                isNull = false;
            }
            if (!isKeyword(u"NULL"))
                fail(QStringLiteral("NULL expected after IS"));
            advance();
            return std::make_unique<TNullTestNode>(std::move(left.operand), isNull);
        }
        if (isKeyword(u"LIKE")) {
            advance();
            TParsedOperand pattern = operand();
            if (pattern.field || pattern.operand.Constant.index() != TextKind)
                fail(QStringLiteral("LIKE needs a quoted text"));
            return std::make_unique<TLikeNode>(std::move(left.operand),
                                               std::get<QString>(pattern.operand.Constant));
        }
        const bool booleanColumn = left.field && left.field->DataType() == TFieldType::Boolean;
        if (!booleanColumn && left.operand.Constant.index() != BoolKind)
            fail(QStringLiteral("a comparison is expected before '%1'").arg(current().text));
        return std::make_unique<TBooleanNode>(std::move(left.operand));
    }

    TNodePtr comparison(const QString &op, TParsedOperand left, TParsedOperand right)
    {
        static const std::pair<const char16_t *, CompareOp> operators[] = {
            { u"=", CompareOp::Equal },      { u"<>", CompareOp::NotEqual },
            { u"<", CompareOp::Less },       { u">", CompareOp::Greater },
            { u"<=", CompareOp::LessEqual }, { u">=", CompareOp::GreaterEqual },
        };
        std::optional<CompareOp> compare;
        for (const auto &[text, value] : operators) {
            if (op == QStringView(text))
                compare = value;
        }
        if (!compare)
            fail(QStringLiteral("unknown operator '%1'").arg(op));
        if (left.nullLiteral || right.nullLiteral) {
            // "= null" is how the system asks for an empty column.
            TOperand &other = left.nullLiteral ? right.operand : left.operand;
            if (*compare == CompareOp::Equal)
                return std::make_unique<TNullTestNode>(std::move(other), true);
            if (*compare == CompareOp::NotEqual)
                return std::make_unique<TNullTestNode>(std::move(other), false);
            return std::make_unique<TConstantNode>(TNode::Unknown);
        }
        if (left.field && !right.field)
            right.operand.Constant = literalFor(right.operand.Constant, *left.field);
        else if (right.field && !left.field)
            left.operand.Constant = literalFor(left.operand.Constant, *right.field);
        return std::make_unique<TCompareNode>(
            *compare, std::move(left.operand), std::move(right.operand));
    }

    // A constant read once as the kind of the column it is compared with.
    TFieldValue literalFor(const TFieldValue &literal, const TField &field) const
    {
        const bool text = literal.index() == TextKind;
        const bool number = literal.index() == IntKind || literal.index() == FloatKind;
        switch (field.DataType()) {
        case TFieldType::DateTime:
            if (text) {
                if (const auto date = readDate(std::get<QString>(literal)))
                    return *date;
                break;
            }
            if (number)
                return TDateTime(asDouble(literal));
            break;
        case TFieldType::Integer:
        case TFieldType::LargeInt:
        case TFieldType::AutoInc:
        case TFieldType::Float:
            if (!text)
                return literal;
            if (const auto value = readNumber(std::get<QString>(literal)))
                return *value;
            break;
        case TFieldType::Boolean:
            if (number)
                return asDouble(literal) != 0.0;
            if (!text)
                return literal;
            try {
                return VarAsType(literal, TFieldType::Boolean);
            } catch (const EConvertError &) { }
            break;
        case TFieldType::String:
        case TFieldType::Memo:
            return literal;
        }
        fail(QStringLiteral("'%1' is not a value for the column %2")
                 .arg(VarToStr(literal), field.FieldName()));
    }

    TParsedOperand operand()
    {
        TParsedOperand parsed;
        const TToken token = current();
        switch (token.kind) {
        case TToken::Word:
            if (isKeyword(u"TRUE") || isKeyword(u"FALSE")) {
                parsed.operand.Constant = isKeyword(u"TRUE");
            } else if (isKeyword(u"NULL")) {
                parsed.nullLiteral = true;
            } else if (isKeyword(u"AND") || isKeyword(u"OR") || isKeyword(u"NOT")
                       || isKeyword(u"IS") || isKeyword(u"LIKE")) {
                fail(QStringLiteral("a value is expected before '%1'").arg(token.text));
            } else {
                parsed.field = m_table.FindField(token.text);
                if (!parsed.field)
                    fail(QStringLiteral("Field '%1' not found").arg(token.text));
                parsed.operand.Column = parsed.field->Index();
            }
            break;
        case TToken::Minus:
            advance();
            if (current().kind != TToken::Number)
                fail(QStringLiteral("a number is expected after '-'"));
            parsed.operand.Constant = number(current().text, true);
            break;
        case TToken::Number:
            parsed.operand.Constant = number(token.text, false);
            break;
        case TToken::Text:
            parsed.operand.Constant = token.text;
            break;
        default:
            fail(QStringLiteral("a value is expected before '%1'").arg(token.text));
        }
        advance();
        return parsed;
    }

    TFieldValue number(const QString &text, bool negative) const
    {
        const QString signedText = negative ? u'-' + text : text;
        bool ok = false;
        if (!text.contains(u'.')) {
            const qlonglong whole = signedText.toLongLong(&ok);
            if (ok)
                return std::int64_t(whole);
        }
        const double value = signedText.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("'%1' is not a number").arg(text));
        return value;
    }

    const QString &m_text;
    const TMemTable &m_table;
    std::vector<TToken> m_tokens;
    std::size_t m_position = 0;
};

} // namespace

TFilterExpression::TFilterExpression(const QString &text, const TMemTable &table)
    : m_root(TParser(text, table).parse())
{ }

TFilterExpression::~TFilterExpression() = default;

bool TFilterExpression::Matches(const TFieldValue *values) const
{
    return m_root->Evaluate(values) == TNode::True;
}
