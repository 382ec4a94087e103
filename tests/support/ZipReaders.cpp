#include "ZipReaders.h"

#include <cstdio>
#include <memory>
#include <sstream>

namespace {

// Names and bytes go through the pipe in hex, whatever the locale makes of UTF-8 on a terminal.
constexpr const char* ZipfileScript = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    if z.testzip() is not None:
        sys.exit(1)
    for i in z.infolist():
        print(i.filename.encode().hex(), z.read(i).hex() or '-', i.flag_bits, i.compress_type, i.external_attr >> 16,
              '%04d-%02d-%02d %02d:%02d:%02d' % i.date_time)
)";

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Output(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    status = pclose(pipe);
    return out;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

}  // namespace

bool UnzipFindsNoErrors(const std::string& archive)
{
    int status = 0;
    Output("unzip -tq " + Quoted(archive) + " 2>&1", status);
    return status == 0;
}

std::vector<std::string> UnzipNames(const std::string& archive)
{
    int status = 0;
    return LinesOf(Output("LC_ALL=C.UTF-8 unzip -Z1 " + Quoted(archive), status));
}

std::vector<ZipMember> ZipfileMembers(const std::string& archive)
{
    int status = 0;
    const std::string out = Output("python3 -c " + Quoted(ZipfileScript) + " " + Quoted(archive), status);
    std::vector<ZipMember> members;
    if (status != 0)
        return members;
    for (const std::string& line : LinesOf(out)) {
        std::istringstream fields(line);
        std::string name, bytes, date, time;
        ZipMember member;
        fields >> name >> bytes >> member.Flags >> member.Method >> member.UnixMode >> date >> time;
        member.Name = FromHex(name);
        member.Bytes = bytes == "-" ? std::string() : FromHex(bytes);
        member.Modified = date + " " + time;
        members.push_back(member);
    }
    return members;
}
