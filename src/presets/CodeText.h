#pragma once

#include <QStringView>

namespace CodeText {

// The decimal digits at the start of a text as a number; 0 when it does not
// start with a digit. Long digit runs stop growing instead of overflowing.
inline int LeadingNumber(QStringView text)
{
    int n = 0;
    for (QChar c : text) {
        if (c.unicode() < '0' || c.unicode() > '9')
            break;
        if (n >= 100000000)
            break;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace CodeText
