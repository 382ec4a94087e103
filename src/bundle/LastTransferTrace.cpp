#include "bundle/LastTransferTrace.h"

#include <filesystem>

#include "files/AtomicFile.h"
#include "files/DataFolder.h"
#include "files/PrivateFolders.h"

namespace {

constexpr const char* TraceFileName = "last-transfer.trace";

}

std::string LastTransferTracePath()
{
    const std::string folder = ProgramDataFolder();
    return folder.empty() ? folder : (std::filesystem::path(folder) / TraceFileName).string();
}

FileResult KeepLastTransferTrace(const TransferTrace& trace)
{
    const std::string path = LastTransferTracePath();
    if (path.empty())
        return FileResult::Success();
    const std::string folder = ProgramDataFolder();
    if (const std::error_code made = MakePrivateFolders(folder))
        return FileResult::Failure(FileProblem::CannotSave, folder, made.value());
    const std::string text = trace.Text(TraceSecrets::Masked);
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                               NewFileAccess::OwnerOnly);
}
