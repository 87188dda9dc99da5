#pragma once

#include <string>

class TvSNMPVarList;

// Small expressions over a variable list: references ("$2" is item 2) expanded into value texts,
// a numeric evaluator for computed values and a logical one for row filters.
class TvExpression {
public:
    explicit TvExpression(TvSNMPVarList& list) : list_(list) {}

    // Replaces every reference (marker and decimal digits; no digits mean item 0) by the item's
    // value. Texts are quoted when `quoteTexts` is set, otherwise they raise -513. A value of
    // "(NULL)" raises -512. A reference beyond the list, or a value that itself holds the marker,
    // raises -513 instead of reading outside the list or expanding without end.
    std::string ExpandExpression(const std::string& expression, char marker, bool quoteTexts) const;

    // After a read (GetExpr) or before a write (SetExpr): evaluates the item's expression and
    // stores the result in its syntax. Items without that expression are left alone. A result the
    // syntax cannot hold (out of range, infinite, not a number) raises -513 rather than storing a
    // clipped value.
    void ComputeValue(int i, bool afterRead);

    // An empty filter accepts; otherwise the filter with quoted texts must evaluate to true.
    bool AcceptRow(const std::string& filter) const;

    // "+", "-", "*", "/" split at their first occurrence (so "-" and "/" chains group to the
    // right), parentheses first; operands are "NOW" or read as strtod reads them. A sign that
    // follows another operator, starts the text or belongs to an exponent is part of the number.
    static double EvaluateNumber(const std::string& text);
    // "(", "|", "&", "!" and the comparisons "<>", ">=", "<=", ">", "<", "=" on texts compared byte
    // by byte; operators inside double quotes do not count. Raises -1 for anything that is neither
    // a comparison nor true or false.
    static bool EvaluateLogic(const std::string& text);

private:
    std::string Replacement(int index, bool quoteTexts) const;

    TvSNMPVarList& list_;
};
