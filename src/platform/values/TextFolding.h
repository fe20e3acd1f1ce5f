#pragma once

#include <QString>

// Case and diacritics folded away, for comparing words only: "Überprüfen" and
// "uberprufen" fold alike.
QString foldedForComparison(const QString &text);
