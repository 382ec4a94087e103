#include "link/RadioSeriesGroup.h"

#include <algorithm>

RadioSeriesGroup::RadioSeriesGroup(SeriesPlan plan, std::vector<std::string> ports, QObject* parent)
    : QObject(parent), job_(std::make_shared<SeriesJob>(std::move(plan))), ports_(std::move(ports)),
      ends_(ports_.size())
{
    for (size_t port = 0; port < ports_.size(); ++port) {
        series_.push_back(std::make_unique<RadioSeries>(job_));
        if (ports_.size() > 1)
            series_.back()->AwaitFirstRadio();
        Connect(port, *series_.back());
    }
}

RadioSeriesGroup::~RadioSeriesGroup() = default;

void RadioSeriesGroup::Connect(size_t port, RadioSeries& series)
{
    connect(&series, &RadioSeries::radioStarting, this,
            [this, port](uint64_t number, bool waiting) { emit radioStarting(port, number, waiting); });
    connect(&series, &RadioSeries::radioTaken, this, [this, port](uint64_t number) {
        emit radioTaken(port, number);
        if (job_->Full())
            for (auto& other : series_)
                other->JobFilled();
    });
    connect(&series, &RadioSeries::progressChanged, this, [this, port](int value) { emit progressChanged(port, value); });
    connect(&series, &RadioSeries::verifying, this, [this, port] { emit verifying(port); });
    connect(&series, &RadioSeries::portProblem, this,
            [this, port](const QString& why) { emit portProblem(port, why); });
    connect(&series, &RadioSeries::sameRadioAnswered, this,
            [this, port](const QString& serial) { emit sameRadioAnswered(port, serial); });
    connect(&series, &RadioSeries::radioFinished, this,
            [this, port](const RadioAttempt& attempt) { emit radioFinished(port, attempt); });
    connect(&series, &RadioSeries::finished, this, [this, port](SeriesEnd end) { PortEnded(port, end); });
}

void RadioSeriesGroup::SetBandQuestion(const RadioSeries::BandQuestion& ask)
{
    for (auto& series : series_)
        series->SetBandQuestion(ask);
}

void RadioSeriesGroup::SetEndAtOnceWhenPortFails(bool atOnce)
{
    for (auto& series : series_)
        series->SetEndAtOnceWhenPortFails(atOnce);
}

// Every cable is counted as running before the first starts: a cable that ends at once must not
// look like the last one.
void RadioSeriesGroup::Start(const std::vector<std::string>& devices)
{
    if (running_ > 0 || devices.size() != series_.size())
        return;
    running_ = series_.size();
    std::fill(ends_.begin(), ends_.end(), std::nullopt);
    for (size_t port = 0; port < series_.size(); ++port)
        series_[port]->Start(PortChoice::Named(devices[port]), ports_[port]);
}

void RadioSeriesGroup::Stop()
{
    for (auto& series : series_)
        series->Stop();
}

void RadioSeriesGroup::AcceptSameRadio(size_t port)
{
    if (port < series_.size())
        series_[port]->AcceptSameRadio();
}

TransferTrace RadioSeriesGroup::Trace() const
{
    TransferTrace trace;
    for (size_t port = 0; port < series_.size(); ++port) {
        if (series_.size() > 1)
            trace.Note(0, "port " + ports_[port]);
        trace.Append(series_[port]->Trace());
    }
    return trace;
}

void RadioSeriesGroup::PortEnded(size_t port, SeriesEnd end)
{
    ends_[port] = end;
    emit portFinished(port, end);
    // Every cable writes the one log: once it cannot be written, no radio anywhere goes unlogged.
    if (end == SeriesEnd::LogFailed)
        Stop();
    if (--running_ > 0)
        return;
    std::vector<SeriesEnd> ends;
    for (const auto& each : ends_)
        ends.push_back(each.value_or(SeriesEnd::Stopped));
    emit finished(GroupEnd(ends));
}
