#pragma once

#include <optional>

#include <QChar>
#include <QString>

// What the edit boxes accept. Control characters (below 32, and 127) always pass the key
// filters, so the rules below only judge printable characters.

// What a typed character becomes: itself, another character, or nothing (dropped).
using TypedCharacterRule = std::optional<QChar> (*)(QChar typed);

std::optional<QChar> GridFrequencyCharacter(QChar typed);   // digits and "."
std::optional<QChar> BatchFrequencyCharacter(QChar typed);  // digits, "." and anything beyond ASCII
std::optional<QChar> ToneCharacter(QChar typed);            // digits, ".", D, N, I (upper-cased)
std::optional<QChar> DtmfCharacter(QChar typed);            // digits, *, #, A-D (upper-cased)

// One correction step applied after a change; the boxes repeat it until the text stands.
using TextCorrection = QString (*)(const QString& text);

// 9 characters at most, no lone point, only the first of several points.
QString CorrectFrequencyText(const QString& text);
// 9 characters at most; the point only as the fourth character, digits everywhere else.
QString CorrectBatchFrequencyText(const QString& text);
QString CorrectToneText(const QString& text);  // 5 characters at most
QString CorrectDtmfText(const QString& text);  // 10 symbols at most

// Applies `correct` until the text no longer changes.
QString CorrectedText(QString text, TextCorrection correct);
