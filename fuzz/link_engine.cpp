// The link engine against a radio that says anything, for every transfer the program opens. The
// input picks the transfer and then, event by event, whether the next timer fires, the radio
// answers the last frame (exactly or bent), or arbitrary bytes arrive. Checked on every event:
// - only protocol frames go out, the block frames once each and in order, the end frame only
//   with success;
// - the record changes outside the handshake fields only with success;
// - no transfer can stall: a timer always runs, the time-out restarts only on progress, a searched
//   port gets three hellos, and once the input ends silence finishes the transfer in bounded time;
// - a write waiting for the next radio of a series hellos without the time-out, lets the radio it
//   waits past go with the end byte and nothing else, and ends soon after a stop.
//
// Input: transfer (1 byte), options (1 byte), then events (see Run::Event).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "ByteReader.h"
#include "FuzzCheck.h"
#include "link/engine/LinkEngine.h"
#include "link/engine/PasswordFrame.h"
#include "model/ByteOrder.h"
#include "model/Password.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The radio's side of the link, written out here rather than taken from the engine.
const Bytes Hello = {0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'};
const Bytes Ident = {'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF};
const Bytes InfoRequestFrame = {0x02};
const Bytes EndFrameBytes = {'E'};
constexpr uint8_t Ack = 0x06;
constexpr uint8_t PasswordKeep = 0x80;
constexpr uint8_t PasswordSet = 0x82;
constexpr size_t PasswordFrameLength = 17;
constexpr size_t PasswordReportLength = 16;
constexpr size_t BlockHead = 4;
const Bytes RadioSerial = {'8', '7', '6', '5', '4', '3', '2', '1'};
const Bytes OtherSerial = {'1', '1', '1', '1', '1', '1', '1', '1'};
constexpr BandLimits OtherBand{136000000, 174000000};

constexpr int HellosPerSearchedPort = 3;
// Options byte: bit 0 the port search, bits 1-2 the further ports it finds, bit 3 a password;
// for a normal write without the search, bit 4 waits for a radio, bit 5 waits past the one that
// answers, bit 6 takes it anyway.
constexpr uint8_t SearchOption = 0x01;
constexpr uint8_t PasswordOption = 0x08;
constexpr uint8_t WaitOption = 0x10;
constexpr uint8_t PassOverOption = 0x20;
constexpr uint8_t AcceptSameOption = 0x40;
constexpr int MaxPorts = 4;
constexpr int HandshakeAnswers = 3;

struct Transfer {
    TransferKind kind;
    bool isRead;
    uint16_t base;  // first block address
    uint8_t piece;  // bytes per block
    int blocks;
};

constexpr Transfer Transfers[] = {
    {TransferKind::Normal, true, 0x4000, 16, 50},      {TransferKind::Normal, false, 0x4000, 16, 48},
    {TransferKind::Adjustment, true, 0x4370, 16, 5},   {TransferKind::Adjustment, false, 0x4370, 16, 5},
    {TransferKind::SerialNumber, true, 0x430C, 8, 1},  {TransferKind::SerialNumber, false, 0x430C, 8, 1},
    {TransferKind::PasswordSetting, false, 0, 0, 0},
};

constexpr DateTimeStamp PackTime{2024, 5, 6, 9, 7};

// Everything one transfer works on.
struct Workspace {
    RadioSettings settings{};
    BandLimits band;
    LinkSettings link;
    MemoryImage image{};
    TransferBuffer buffer{};
};

RadioWait WaitFor(const Transfer& t, uint8_t options)
{
    RadioWait wait;
    wait.Waiting = (options & WaitOption) && !(options & SearchOption) && t.kind == TransferKind::Normal && !t.isRead;
    const Bytes& serial = (options & PassOverOption) ? RadioSerial : OtherSerial;
    if (wait.Waiting)
        wait.PassOver = SerialNumberBytes{};
    if (wait.PassOver)
        std::copy(serial.begin(), serial.end(), wait.PassOver->begin());
    return wait;
}

// The one place that follows the shape of TransferContext.
TransferContext ContextFor(Workspace& w, const Transfer& t, const RadioWait& wait)
{
    TransferContext context{t.kind, t.isRead, w.settings, w.band, w.link, w.image, w.buffer};
    context.Clock = [] { return PackTime; };
    context.Wait = wait;
    return context;
}

void SetText(uint8_t* field, const char* text) { std::memcpy(field, text, std::strlen(text) + 1); }

void PrepareWorkspace(Workspace& w, bool withPassword)
{
    w.settings.ResetToDefaults();
    std::memcpy(w.settings.DeviceSn, "11223344", DeviceSnSize);
    if (withPassword)
        SetText(w.settings.Password, "1234");
    SetText(w.settings.NewPassword, "5678");
    w.settings.SetChannelUsed(1, true);
    w.settings.Channel[1].RxFreq = 438500000;
    for (size_t i = 0; i < w.buffer.size(); ++i)
        w.buffer[i] = uint8_t(i * 7 + 1);
}

// The record without what the engine may change before success.
RadioSettings OutsideHandshake(RadioSettings s, const Transfer& t)
{
    RadioInfo& info = t.isRead ? s.ReadRadioInfo : s.WriteRadioInfo;
    std::memset(info.ModelIdent, 0, sizeof info.ModelIdent);
    std::memset(info.ReportedPassword, 0, sizeof info.ReportedPassword);
    info.BandMin = 0;
    info.BandMax = 0;
    // A serial-number transfer is about the number the user entered.
    if (t.kind != TransferKind::SerialNumber)
        std::memset(s.DeviceSn, 0, sizeof s.DeviceSn);
    // Packing for a normal write numbers the address-book entries.
    if (t.kind == TransferKind::Normal && !t.isRead)
        for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
            s.Entry(k).EntryNumber = 0;
    return s;
}

bool Same(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Bytes Padded(Bytes bytes, size_t size)
{
    bytes.resize(size, 0xFF);
    return bytes;
}

// Answers the last frame it heard as a KR-T27 would; the input chooses the password it reports,
// the band, the data it reads out, and how the answer gets bent on the way.
class Radio {
public:
    explicit Radio(const Workspace& w) : workspace_(w) {}

    void Heard(const Frame& frame) { last_ = frame; }

    Bytes Answer(ByteReader& in)
    {
        if (!last_)
            return {};
        const uint8_t bend = in.Byte();
        Bytes answer = AnswerTo(*last_, in);
        last_.reset();
        return Bent(std::move(answer), bend);
    }

private:
    Bytes AnswerTo(const Frame& f, ByteReader& in) const
    {
        if (f == Hello)
            return Ident;
        if (f == InfoRequestFrame)
            return InfoAnswer(in);
        if (f.size() == PasswordFrameLength && (f[0] == PasswordKeep || f[0] == PasswordSet))
            return BandAnswer(in.Byte() & 1 ? OtherBand : workspace_.band);
        if (f[0] == 'W')
            return {Ack};
        if (f[0] == 'R' && f.size() == BlockHead) {
            Bytes answer = {'W', f[1], f[2], f[3]};
            for (uint8_t i = 0; i < f[3]; ++i)
                answer.push_back(uint8_t(f[2] + i));
            return answer;
        }
        return {};
    }

    Bytes InfoAnswer(ByteReader& in) const
    {
        Bytes answer = {Ack};
        answer.insert(answer.end(), RadioSerial.begin(), RadioSerial.end());
        Bytes report;
        switch (in.Byte() % 3) {
        case 0:
            report = Padded({}, PasswordReportLength);
            break;
        case 1:
            report = Padded(EncodePassword(workspace_.settings.Password), PasswordReportLength);
            break;
        default:
            report = Padded(in.Bytes(PasswordReportLength), PasswordReportLength);
        }
        answer.insert(answer.end(), report.begin(), report.end());
        return answer;
    }

    static Bytes BandAnswer(const BandLimits& band)
    {
        Bytes answer(17, 0);
        answer[0] = Ack;
        PutBe32(&answer[1], band.BandMin);
        PutBe32(&answer[5], band.BandMax);
        return answer;
    }

    static Bytes Bent(Bytes answer, uint8_t bend)
    {
        if (answer.empty())
            return answer;
        switch (bend & 3) {
        case 1:
            answer.pop_back();
            break;
        case 2:
            answer.push_back(bend);
            break;
        case 3:
            answer[0] ^= bend;
            break;
        }
        return answer;
    }

    const Workspace& workspace_;
    std::optional<Frame> last_;
};

// The driver: a simulated clock with the two timers, the line, and the checks.
class Run {
public:
    Run(const Transfer& t, uint8_t options, ByteReader& in)
        : t_(t), in_(in), engine_(ContextFor(w_, t, WaitFor(t, options))), radio_(w_),
          autoSearch_(options & SearchOption), waiting_(WaitFor(t, options).Waiting),
          ports_(autoSearch_ ? 1 + (options >> 1) % MaxPorts : 1)
    {
        PrepareWorkspace(w_, options & PasswordOption);
        if (options & AcceptSameOption)
            engine_.AcceptSameRadio();
    }

    void Execute()
    {
        start_ = w_.settings;
        startBand_ = w_.band;
        Carry(engine_.Start(autoSearch_));
        while (Running() && !in_.Done())
            Event();
        Drain();
        CheckApplyResult();
        CheckSilenceAfterTheEnd();
    }

private:
    struct Timer {
        bool active = false;
        int intervalMs = 0;
        int dueMs = 0;
    };

    bool Running() const { return engine_.Outcome() == LinkOutcome::Running; }

    // 0: the next timer fires; 1: the radio answers; 2: a chunk of raw bytes arrives.
    void Event()
    {
        switch (in_.Byte() % 3) {
        case 0:
            FireNextTimer();
            break;
        case 1: {
            const Bytes answer = radio_.Answer(in_);
            line_.insert(line_.end(), answer.begin(), answer.end());
            break;
        }
        default: {
            const Bytes chunk = in_.Bytes(in_.Byte());
            line_.insert(line_.end(), chunk.begin(), chunk.end());
        }
        }
    }

    // With the input spent the radio falls silent, and the transfer must end by itself, a waiting
    // one once it is stopped.
    void Drain()
    {
        if (waiting_ && Running())
            Carry(engine_.StopBeforeRadio());
        const int limitMs = nowMs_ + ports_ * HellosPerSearchedPort * HandshakeTickMs + TimeOutMs;
        while (Running()) {
            FireNextTimer();
            FUZZ_REQUIRE(nowMs_ <= limitMs);
        }
    }

    void FireNextTimer()
    {
        FUZZ_REQUIRE(tx_.active || timeOut_.active);
        // Due together, the silence wins: the radio had its full time.
        const bool timeOutFirst = timeOut_.active && (!tx_.active || timeOut_.dueMs <= tx_.dueMs);
        Timer& timer = timeOutFirst ? timeOut_ : tx_;
        nowMs_ = timer.dueMs;
        timer.dueMs += timer.intervalMs;
        if (timeOutFirst) {
            Carry(engine_.TimeOut());
            return;
        }
        const Bytes received = std::move(line_);
        line_.clear();
        Carry(engine_.Tick(received.data(), received.size()));
    }

    void Apply(const TimerCommand& command, Timer& timer)
    {
        if (command.action == TimerCommand::Stop)
            timer.active = false;
        if (command.action == TimerCommand::Start) {
            FUZZ_REQUIRE(command.intervalMs > 0);
            timer = {true, command.intervalMs, nowMs_ + command.intervalMs};
        }
    }

    // Carries the actions out in their field order, checking each.
    void Carry(const LinkActions& actions)
    {
        FUZZ_REQUIRE(!ended_);
        if (actions.purgeBothQueues || actions.purgeReceiveQueue)
            line_.clear();
        if (actions.nextPortRequested)
            SwitchPort();
        if (actions.radioPassedOver)
            RadioLetGo();
        for (const Frame& frame : actions.send) {
            CheckFrame(frame, actions);
            radio_.Heard(frame);
        }
        Apply(actions.txTimer, tx_);
        Apply(actions.timeOutTimer, timeOut_);
        if (actions.timeOutTimer.action == TimerCommand::Start)
            FUZZ_REQUIRE(++timeOutStarts_ <= 1 + HandshakeAnswers + t_.blocks);
        CheckProgress(actions);
        if (actions.askBandQuestion) {
            FUZZ_REQUIRE(!t_.isRead && t_.kind != TransferKind::PasswordSetting);
            Carry(engine_.BandQuestionAnswered((in_.Byte() & 1) == 0));
        }
        if (actions.outcome != LinkOutcome::Running)
            CheckEnding(actions);
        else if (Running() && !actions.askBandQuestion)
            CheckStillTimed();
        CheckRecord();
    }

    // A new round of the handshake begins, with its own time-outs and progress.
    void RadioLetGo()
    {
        FUZZ_REQUIRE(waiting_ && engine_.LinkStep() == 0 && blocksSent_ == 0);
        timeOutStarts_ = 0;
        progress_ = 0;
    }

    void SwitchPort()
    {
        FUZZ_REQUIRE(autoSearch_ && engine_.LinkStep() == 0);
        hellosOnPort_ = 0;
        ++port_;
        Carry(engine_.PortSwitched(port_ < ports_));
    }

    void CheckFrame(const Frame& f, const LinkActions& actions)
    {
        FUZZ_REQUIRE(!f.empty());
        if (f == Hello) {
            FUZZ_REQUIRE(actions.purgeBothQueues);
            FUZZ_REQUIRE(!autoSearch_ || ++hellosOnPort_ <= HellosPerSearchedPort);
            return;
        }
        if (f == InfoRequestFrame)
            return;
        if (f.size() == PasswordFrameLength && f[0] == PasswordKeep)
            return;
        if (f.size() == PasswordFrameLength && f[0] == PasswordSet) {
            FUZZ_REQUIRE(t_.kind == TransferKind::PasswordSetting);
            return;
        }
        if (f == EndFrameBytes && (actions.radioPassedOver || actions.outcome == LinkOutcome::Stopped)) {
            FUZZ_REQUIRE(waiting_ && blocksSent_ == 0 && actions.send.size() == 1);
            return;
        }
        if (f == EndFrameBytes) {
            FUZZ_REQUIRE(actions.outcome == LinkOutcome::Success && &f == &actions.send.back());
            FUZZ_REQUIRE(blocksSent_ == t_.blocks);
            return;
        }
        CheckBlockFrame(f);
    }

    // The next block of the plan: a read request, or a write carrying the bytes it moves.
    void CheckBlockFrame(const Frame& f)
    {
        FUZZ_REQUIRE(blocksSent_ < t_.blocks);
        const uint16_t address = uint16_t(t_.base + t_.piece * blocksSent_);
        FUZZ_REQUIRE(f.size() >= BlockHead && GetBe16(&f[1]) == address && f[3] == t_.piece);
        ++blocksSent_;
        if (t_.isRead) {
            FUZZ_REQUIRE(f[0] == 'R' && f.size() == BlockHead);
            return;
        }
        FUZZ_REQUIRE(f[0] == 'W' && f.size() == BlockHead + t_.piece);
        FUZZ_REQUIRE(std::equal(f.begin() + BlockHead, f.end(), SourceOfWrite(address)));
    }

    const uint8_t* SourceOfWrite(uint16_t address) const
    {
        switch (t_.kind) {
        case TransferKind::Normal:
            return &w_.image[address - t_.base];
        case TransferKind::SerialNumber:
            return start_.DeviceSn;
        default:
            return &w_.buffer[address - t_.base];
        }
    }

    void CheckProgress(const LinkActions& actions)
    {
        if (!actions.HasProgress())
            return;
        FUZZ_REQUIRE(actions.progress >= progress_ && actions.progress <= 100);
        progress_ = actions.progress;
    }

    void CheckEnding(const LinkActions& actions)
    {
        FUZZ_REQUIRE(actions.txTimer == TimerCommand::Halt() && actions.timeOutTimer == TimerCommand::Halt());
        FUZZ_REQUIRE(actions.outcome == engine_.Outcome());
        ended_ = true;
    }

    // Nothing can wait for ever: a timer runs, and outside the port search and the wait for a
    // radio the time-out does; that wait keeps sending hellos.
    void CheckStillTimed() const
    {
        FUZZ_REQUIRE(tx_.active || timeOut_.active);
        const bool lookingForRadio = engine_.LinkStep() == 0 && (autoSearch_ || waiting_);
        if (!lookingForRadio)
            FUZZ_REQUIRE(timeOut_.active);
        if (waiting_ && engine_.LinkStep() == 0)
            FUZZ_REQUIRE(tx_.active);
    }

    void CheckRecord() const
    {
        FUZZ_REQUIRE(w_.band == startBand_);
        if (engine_.Outcome() != LinkOutcome::Success || t_.kind != TransferKind::PasswordSetting) {
            FUZZ_REQUIRE(Same(OutsideHandshake(w_.settings, t_), OutsideHandshake(start_, t_)));
            return;
        }
        RadioSettings now = OutsideHandshake(w_.settings, t_), before = OutsideHandshake(start_, t_);
        FUZZ_REQUIRE(std::strcmp(reinterpret_cast<const char*>(now.Password),
                                 reinterpret_cast<const char*>(now.NewPassword)) == 0);
        std::memset(now.Password, 0, sizeof now.Password);
        std::memset(before.Password, 0, sizeof before.Password);
        FUZZ_REQUIRE(Same(now, before));
    }

    // Only a successful read takes its result over, and only once.
    void CheckApplyResult()
    {
        const RadioSettings before = w_.settings;
        const BandLimits bandBefore = w_.band;
        engine_.ApplyResult();
        const bool takesOver = engine_.Outcome() == LinkOutcome::Success && t_.isRead;
        if (!takesOver || t_.kind == TransferKind::Adjustment) {
            FUZZ_REQUIRE(Same(w_.settings, before) && w_.band == bandBefore);
        } else if (t_.kind == TransferKind::SerialNumber) {
            FUZZ_REQUIRE(std::equal(w_.buffer.begin(), w_.buffer.begin() + DeviceSnSize, w_.settings.DeviceSn));
            RadioSettings others = w_.settings;
            std::memcpy(others.DeviceSn, before.DeviceSn, DeviceSnSize);
            FUZZ_REQUIRE(Same(others, before));
        }
        const RadioSettings applied = w_.settings;
        engine_.ApplyResult();
        FUZZ_REQUIRE(Same(w_.settings, applied));
    }

    void CheckSilenceAfterTheEnd()
    {
        const RadioSettings before = w_.settings;
        const uint8_t bytes[] = {Ack};
        for (const LinkActions& late : {engine_.Tick(bytes, sizeof bytes), engine_.TimeOut(), engine_.PortSwitched(true),
                                        engine_.BandQuestionAnswered(true)}) {
            FUZZ_REQUIRE(late.send.empty() && !late.nextPortRequested && !late.askBandQuestion);
            FUZZ_REQUIRE(late.txTimer.action != TimerCommand::Start && late.timeOutTimer.action != TimerCommand::Start);
        }
        FUZZ_REQUIRE(Same(w_.settings, before));
    }

    const Transfer& t_;
    ByteReader& in_;
    Workspace w_;
    LinkEngine engine_;
    Radio radio_;
    RadioSettings start_;
    BandLimits startBand_;
    Bytes line_;
    Timer tx_;
    Timer timeOut_;
    int nowMs_ = 0;
    const bool autoSearch_;
    const bool waiting_;
    const int ports_;
    int port_ = 0;
    int hellosOnPort_ = 0;
    int timeOutStarts_ = 0;
    int blocksSent_ = 0;
    int progress_ = 0;
    bool ended_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    const Transfer& transfer = Transfers[in.Byte() % std::size(Transfers)];
    const uint8_t options = in.Byte();
    Run(transfer, options, in).Execute();
    return 0;
}
