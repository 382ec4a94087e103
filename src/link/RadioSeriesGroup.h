#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "link/RadioSeries.h"

// One job on several cables at once: a series of radios per port, all on the one event loop (the
// engine has no clock or port of its own, so a cable needs no thread). The job numbers the radios
// as they are taken on any cable; a failed radio ends its own cable's series only; Stop stops every
// cable between radios; once the job has all its radios, cables still waiting end.
class RadioSeriesGroup : public QObject {
    Q_OBJECT
public:
    // `ports` as the user named them, each opened as such (a COM name or a device path).
    RadioSeriesGroup(SeriesPlan plan, std::vector<std::string> ports, QObject* parent = nullptr);
    ~RadioSeriesGroup() override;

    void SetBandQuestion(const RadioSeries::BandQuestion& ask);
    void SetEndAtOnceWhenPortFails(bool atOnce);
    // `devices` opens port k as devices[k] (the COM name resolved), the log naming it ports[k].
    void Start(const std::vector<std::string>& devices);
    void Stop();
    void AcceptSameRadio(size_t port);

    size_t PortCount() const { return ports_.size(); }
    const std::string& Port(size_t port) const { return ports_[port]; }
    uint64_t Written() const { return job_->Done(); }
    bool Running() const { return running_ > 0; }
    // Every cable's transfers, one after the other, each under its port's name.
    TransferTrace Trace() const;

signals:
    void radioStarting(size_t port, uint64_t number, bool waiting);
    void radioTaken(size_t port, uint64_t number);
    void progressChanged(size_t port, int value);
    void verifying(size_t port);
    void portProblem(size_t port, const QString& diagnostic);
    void sameRadioAnswered(size_t port, const QString& serial);
    void radioFinished(size_t port, const RadioAttempt& attempt);
    void portFinished(size_t port, SeriesEnd end);
    // Once every cable has ended: the gravest of their ends.
    void finished(SeriesEnd end);

private:
    void Connect(size_t port, RadioSeries& series);
    void PortEnded(size_t port, SeriesEnd end);

    std::shared_ptr<SeriesJob> job_;
    std::vector<std::string> ports_;
    std::vector<std::unique_ptr<RadioSeries>> series_;
    std::vector<std::optional<SeriesEnd>> ends_;
    size_t running_ = 0;
};
