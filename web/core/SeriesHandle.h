#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TransferHandle.h"
#include "lang/AppLang.h"
#include "link/series/SeriesCourse.h"

// What a page asks of a series of radios: how many (none: until stopped), whether each is
// verified and gets codes counted up, or only read and compared with the record, the band and fast
// link of each write, the file that holds the record as it is (empty: none does, and the log says
// so), and the table of each radio's own codes as its file holds it (none: no table).
struct SeriesSetup {
    std::optional<uint64_t> radios;
    bool verify = false;
    bool increaseIds = false;
    bool checkOnly = false;
    bool fastLink = false;
    BandLimits band;
    std::string fileName;
    std::optional<std::string> identities;
    std::string identitiesFile;  // as the user chose it, named in what is wrong with it
    bool identitiesRequired = false;
    std::string port;  // the cable's name in the log
    bool severalCables = false;  // the job runs on other cables too
};

// How one radio of the series went, as the dialog's list, its status line and the log take it.
struct RadioReport {
    uint64_t number = 0;
    std::string serial;
    bool succeeded = false;
    std::string line;                 // the list's line for the radio
    std::vector<std::string> notice;  // after a failure, what a single write would have told
    std::string logLine;              // the log's row (ProgrammingLogLine)
};

// A series of radios as the page's worker runs it, with the desktop's decisions (SeriesCourse):
// the worker drives each radio's write, and its verifying read, as it drives any transfer and
// hands them back here once they ended; the page keeps the log's row before the series goes on.
// Several cables at once each have a series of one job (SeriesJob), which numbers their radios.
class SeriesHandle {
public:
    SeriesHandle(const RadioSettings& record, const SeriesSetup& setup);
    // The series of another cable of `cable`'s job, named `port` in the log.
    SeriesHandle(const SeriesHandle& cable, const std::string& port);

    // Why the series cannot start: every problem of the identity table, with its line, and why the
    // codes cannot be counted up for the whole series; empty when it can.
    std::vector<std::string> Refusal(TTeskFuncs::TLangType language) const;
    // The first radio's codes, as the dialog shows them.
    std::string FirstIds(TTeskFuncs::TLangType language) const;

    // The next radio's write: from its own copy of the record, waiting past the radio written last.
    std::unique_ptr<TransferHandle> NextWrite();
    uint64_t RadioNumber() const { return attempt_.Number; }
    bool Waiting() const { return course_.NextWait().Waiting; }
    // The radio just written, as the message shows it when it answers again.
    std::string LastSerial() const { return course_.LastSerial(); }
    uint64_t Written() const { return course_.Written(); }
    // The radio that answered was let go unwritten for having no row in the identity table; its
    // write ends as stopped, yet it is reported and logged as any radio and the series goes on.
    bool RadioWithoutRow() const { return attempt_.Refusal == RadioRefusal::NoIdentityRow; }
    // The write on the line has its radio, numbered in the job.
    bool RadioTaken() const { return radioTaken_; }
    // The job has all its radios (or its codes ran out): a write still looking for one is stopped.
    bool JobFull() const { return course_.JobFull().has_value(); }
    // A write stopped before it took a radio ends the cable's series: as the job ends once it is
    // full, else as stopped.
    SeriesEnd EndBeforeRadio() const { return course_.JobFull().value_or(SeriesEnd::Stopped); }

    // The radio's write, and its verifying read when there was one, have ended.
    // When checking only, `write` is the radio's read.
    RadioReport RadioEnded(TransferHandle& write, TransferHandle* readBack, TTeskFuncs::TLangType language);
    // The page kept the radio's log row, or could not: how the series ends, or std::nullopt
    // while it waits for the next radio. Stop takes effect here, between radios.
    std::optional<SeriesEnd> RadioLogged(bool kept, bool stopRequested);
    // What the dialog's status line says once the series has ended.
    std::string EndText(SeriesEnd end, TTeskFuncs::TLangType language) const;

private:
    void AwaitFirstRadioBesideOthers();

    SeriesSetup setup_;
    bool tableTooLarge_ = false;
    std::shared_ptr<SeriesJob> job_;
    SeriesCourse course_;
    RadioAttempt attempt_;
    bool radioTaken_ = false;
    RadioSettings written_{};
    RadioReport lastReport_;
};
