#include "ui/editors/InputRules.h"

#include <cstring>

#include "model/RadioSettings.h"

namespace {

constexpr int FrequencyTextLimit = 9;
constexpr int ToneTextLimit = 5;
constexpr int BatchPointPosition = 4;
constexpr QChar Point = QLatin1Char('.');

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

std::optional<QChar> UpperCaseOf(QChar typed, const char* accepted)
{
    const QChar upper = typed.toUpper();
    if (upper.unicode() < 128 && std::strchr(accepted, upper.toLatin1()))
        return upper;
    return std::nullopt;
}

QString WithoutLastCharacter(const QString& text) { return text.left(text.size() - 1); }

}

std::optional<QChar> GridFrequencyCharacter(QChar typed)
{
    if (IsAsciiDigit(typed) || typed == Point)
        return typed;
    return std::nullopt;
}

std::optional<QChar> BatchFrequencyCharacter(QChar typed)
{
    if (typed.unicode() >= 128)
        return typed;
    return GridFrequencyCharacter(typed);
}

std::optional<QChar> ToneCharacter(QChar typed)
{
    if (IsAsciiDigit(typed) || typed == Point)
        return typed;
    return UpperCaseOf(typed, "DNI");
}

std::optional<QChar> DtmfCharacter(QChar typed)
{
    if (IsAsciiDigit(typed) || typed == QLatin1Char('*') || typed == QLatin1Char('#'))
        return typed;
    return UpperCaseOf(typed, "ABCD");
}

QString CorrectFrequencyText(const QString& text)
{
    if (text.size() > FrequencyTextLimit)
        return WithoutLastCharacter(text);
    if (text == QString(Point))
        return QString();
    const int firstPoint = text.indexOf(Point);
    if (firstPoint < 0)
        return text;
    QString kept = text.left(firstPoint + 1);
    for (QChar c : text.mid(firstPoint + 1))
        if (c != Point)
            kept += c;
    return kept;
}

QString CorrectBatchFrequencyText(const QString& text)
{
    if (text.isEmpty())
        return text;
    if (text.size() > FrequencyTextLimit)
        return WithoutLastCharacter(text);
    const QChar last = text.back();
    const bool pointAllowed = text.size() == BatchPointPosition;
    if (IsAsciiDigit(last) || (pointAllowed && last == Point))
        return text;
    return WithoutLastCharacter(text);
}

QString CorrectToneText(const QString& text)
{
    return text.size() > ToneTextLimit ? WithoutLastCharacter(text) : text;
}

QString CorrectDtmfText(const QString& text)
{
    return text.size() > int(DtmfCodeCapacity) ? WithoutLastCharacter(text) : text;
}

QString CorrectedText(QString text, TextCorrection correct)
{
    for (QString next = correct(text); next != text; next = correct(text))
        text = next;
    return text;
}
