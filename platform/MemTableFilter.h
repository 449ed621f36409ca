#pragma once

#include "MemTable.h"

#include <memory>

// The local filter of a TMemTable, read once from its text into a tree bound to the table's
// column indexes and then tested against one record at a time.
//
// Grammar (keywords in any letter case, column names without regard to case):
//   expression := term { OR term }
//   term       := factor { AND factor }
//   factor     := NOT factor | '(' expression ')' | predicate
//   predicate  := operand [ op operand | IS [NOT] NULL | LIKE text ]
//   op         := = | <> | < | > | <= | >=
//   operand    := column | [-]number | text | TRUE | FALSE | NULL
// A number is digits with an optional "." and decimals; a text is quoted with ' and writes a
// quote inside as ''. A predicate without an operator is a Boolean column or TRUE/FALSE.
//
// Meaning:
// - "= NULL" and "<> NULL" test for null like IS NULL and IS NOT NULL; any other comparison
//   with a null value is unknown, and a record passes only when the whole expression is true
//   (NOT of unknown stays unknown).
// - A text compared with a date column is read as a date, written "dd/mm/yyyy", "yyyy-mm-dd",
//   either followed by a time "hh:mm[:ss]"; a number compared with a date column is a day count
//   (so "DATA_FINAL = 0" finds the zero date). Dates compare to the millisecond.
// - A text compared with a number or Boolean column is read as such; numbers compare by value.
// - Texts compare exactly, letter case included; LIKE ignores letter case, "%" stands for any
//   run of characters and every other character stands for itself. A column that is not text is
//   matched by LIKE through its plain text (a whole number in decimal).
class TFilterExpression final
{
public:
    struct TNode;

    // Raises EDatabaseError for a text it cannot read, a column the table lacks, or a literal
    // that cannot be read as the kind of the column it is compared with.
    TFilterExpression(const QString &text, const TMemTable &table);
    ~TFilterExpression();

    // values: one per column of the table, in column order.
    bool Matches(const TFieldValue *values) const;

private:
    std::unique_ptr<TNode> m_root;
};
