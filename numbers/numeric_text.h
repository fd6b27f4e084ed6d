#pragma once

#include <QStringView>

namespace numbers {

// The number a text starts with, as a double; 0 when it starts with none.
// Leading blanks (space, tab, CR, LF) are skipped, then an optional sign,
// ASCII digits with an optional decimal point and an optional exponent
// (e or E, optional sign, digits). Whatever follows is ignored: "200abc" is
// 200. The decimal point is always '.', whatever the user's locale.
// A number beyond the double range throws CalculationError; a
// number too small for a double becomes 0 (or the nearest denormal).
double leadingNumber(QStringView text);

// Whether leadingNumber finds a number in the text at all, as opposed to
// reading 0 from nothing: after the blanks, an optional sign and then a digit,
// or a point and a digit. An empty text, letters, full-width digits and a lone
// sign or point start with none.
bool startsWithNumber(QStringView text);

} // namespace numbers
