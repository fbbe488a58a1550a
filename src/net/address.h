#pragma once

#include <QString>

// True for text that can only have been meant as a numeric address (digits
// and dots, or anything with a colon) but is not one, and for text with
// blanks: no host could be found by it, so it is refused at once rather
// than sent to the name resolver.
bool isMalformedAddress(const QString &host);
