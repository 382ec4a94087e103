#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "ScratchDir.h"
#include "model/MemoryImage.h"

// The project's virtual radio (kr-t27-radio) in a child process: ready once it has printed its
// link path, stopped with SIGTERM, on which it keeps its memory. It runs in its scratch folder,
// so relative file names in its options (the next radios' memory files) land there.
class RadioProcess {
public:
    // On a link and a memory file of its own in a fresh scratch folder; `options` follow --link
    // and --memory. Seeds the memory file when `memory` is given. Throws when the radio does not
    // come up. With `linkCount` links, link k (from 1) is "radio-k" and keeps its radios in
    // "memory-k.bin" and the like, as the radio names them, each seeded alike.
    explicit RadioProcess(const std::vector<std::string>& options, const MemoryImage* memory = nullptr,
                          size_t linkCount = 1);
    // On the link at `linkPath` with exactly `options` after it, for tests of the radio's own
    // start-up: a radio that refuses to start leaves AnnouncedPath() empty.
    RadioProcess(const std::string& linkPath, const std::vector<std::string>& options);
    ~RadioProcess();
    RadioProcess(const RadioProcess&) = delete;
    RadioProcess& operator=(const RadioProcess&) = delete;

    const std::string& LinkPath() const { return linkPaths_.front(); }
    const std::vector<std::string>& LinkPaths() const { return linkPaths_; }
    // The full path of a file in the radio's scratch folder, e.g. one named in its options.
    std::string FilePath(const std::string& name) const { return dir_.File(name); }
    // The memory image kept in the file `name` of the scratch folder; throws unless it holds one.
    MemoryImage ReadMemory(const std::string& name) const;
    // The first line the radio printed; empty when it failed to start.
    std::string AnnouncedPath() const { return announced_.empty() ? std::string() : announced_.front(); }
    // Sends SIGTERM and returns the exit status (-1 when it did not exit normally).
    int Stop();
    // Stops the radio and returns the memory it kept in its own memory file.
    MemoryImage StopAndReadMemory();

    // The memory a radio started this way holds before anybody talks to it (its options set
    // serial number, band and password in it).
    static MemoryImage MemoryAtStart(const std::vector<std::string>& options, const MemoryImage& seed);

private:
    void Launch(const std::vector<std::string>& options);

    ScratchDir dir_;
    std::vector<std::string> linkPaths_;
    std::string memoryPath_;
    std::vector<std::string> announced_;
    pid_t pid_ = -1;
};
