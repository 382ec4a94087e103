#include "lang/FindingMessage.h"

#include "lang/FindingPlace.h"
#include "lang/Utf8Text.h"

MessageId ProblemMessage(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::OutsideBand:
        return MessageId::ProblemOutsideBand;
    case RecordProblem::OffRaster:
        return MessageId::ProblemOffRaster;
    case RecordProblem::InvalidTone:
        return MessageId::ProblemInvalidTone;
    case RecordProblem::TooLong:
        return MessageId::ProblemTooLong;
    case RecordProblem::WrongSize:
        return MessageId::ProblemWrongSize;
    default:
        return MessageId::ProblemOutsideList;
    }
}

std::string EnglishFinding(const RecordFinding& finding)
{
    return FindingPlace(finding, TTeskFuncs::LangEnglish) + " = " + finding.value + ": " +
           EnglishMessage({ProblemMessage(finding.problem)});
}

FindingTexts FindingUtf8(const RecordFinding& finding, TTeskFuncs::TLangType language)
{
    return {FindingPlace(finding, language), finding.value, MessageUtf8({ProblemMessage(finding.problem)}, language)};
}
