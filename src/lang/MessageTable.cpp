#include "lang/Messages.h"

#include <cerrno>
#include <cstring>
#include <iterator>

#include "lang/MessageArguments.h"
#include "lang/TextVariants.h"

namespace {

// In the order of MessageId.
constexpr TextPair MessageTexts[] = {
    // File and port problems.
    {"无法打开 %1：%2", "Cannot open %1: %2"},
    {"无法读取 %1：%2", "Cannot read %1: %2"},
    {"无法保存 %1：%2", "Cannot save %1: %2"},
    {"无法打开 %1：它是文件夹、设备或管道，不是文件", "Cannot open %1: it is a folder, device or pipe, not a file"},
    {"无法保存 %1：它是文件夹、设备或管道，不是文件，已保持原样",
     "Cannot save %1: it is a folder, device or pipe, not a file, and was left as it is"},
    {"%1 已写入，但未能确认它已存入磁盘：%2", "%1 was written, but the system did not confirm that it is on disk: %2"},
    {"%1 只有 %2 字节；信道数据文件应有 %3 字节", "%1 is %2 bytes long; a channel data file holds %3 bytes"},
    {"%1：存储映像应为 %2 字节，此文件有 %3 字节", "%1: a memory image is %2 bytes, this file has %3"},
    {"%1：存储映像应为 %2 字节，此文件更长", "%1: a memory image is %2 bytes, this file is longer"},
    {"%1：大于 %2 MiB", "%1: larger than %2 MiB"},
    {"无法备份：不知道数据文件夹（未设置 HOME）", "Cannot back up: no data folder is known (HOME is not set)"},
    {"无法备份到 %1：%2", "Cannot back up into %1: %2"},
    {"串口 %1 不存在（%2）", "serial port %1 does not exist (%2)"},
    {"串口 %1 被占用或无权访问（%2）：请关闭正在使用它的其他程序（调制解调器管理程序或盲文服务可能占用了USB转串口线），"
     "并确认当前用户有权打开串口设备（Debian中为dialout组）",
     "serial port %1 is busy or access is denied (%2): close any other program using it (a modem manager or braille "
     "daemon may have grabbed a USB adapter) and make sure your user may open serial devices (on Debian: the dialout "
     "group)"},
    {"串口 %1 已被打开", "serial port %1 is already open"},
    {"串口 %1 无法使用（%2）", "serial port %1 cannot be used (%2)"},
    // Calibration files and the backup before a factory write.
    {"%1 有 %2 字节；校准数据文件应正好为 %3 字节", "%1 is %2 bytes long; a calibration file holds exactly %3 bytes"},
    {"它只带来了 %2 字节中的 %1 字节，其余数值保持原样：写入电台前请检查。",
     "It brought %1 of the %2 bytes; the other values were kept as they were: check them before writing to a radio."},
    {"只采用了它的前 %1 字节：写入电台前请检查数值。",
     "Only its first %1 bytes were taken: check the values before writing to a radio."},
    {"正在备份电台的校准数据...", "Backing up the radio's calibration..."},
    {"写入前电台的校准数据和序列号已备份到 %1", "The radio's calibration and serial number before this write are backed up in %1"},
    {"未写入：无法先备份电台的校准数据。", "Nothing was written: the radio's calibration could not be backed up first."},
    // Refused input.
    {"不是数字，未采用： \"%1\"", "Not a number, not taken: \"%1\""},
    // System errors.
    {"文件或文件夹不存在", "No such file or directory"},
    {"没有访问权限", "Permission denied"},
    {"不允许此操作", "Operation not permitted"},
    {"磁盘为只读", "Read-only file system"},
    {"磁盘空间不足", "No space left on device"},
    {"超出磁盘配额", "Disk quota exceeded"},
    {"这是文件夹", "Is a directory"},
    {"路径中有一项不是文件夹", "Not a directory"},
    {"设备或资源忙", "Device or resource busy"},
    {"文件已存在", "File exists"},
    {"文件过大", "File too large"},
    {"输入输出错误", "Input/output error"},
    {"文件名过长", "File name too long"},
    {"符号链接层数过多", "Too many levels of symbolic links"},
    {"没有此设备或地址", "No such device or address"},
    // Files a command names, and a read its file could not take.
    {"%1 和 %2 指向同一个文件：%3", "%1 and %2 name the same file: %3"},
    {"读出的数据保存在 %1。", "What was read is kept in %1."},
    {"读出的数据未能保存到任何地方：%1", "What was read could not be kept anywhere: %1"},
    // The transfer window and the list of values the radio cannot take.
    {"电台中现在可能只写入了部分设置：请重新写入。", "The radio may now hold a partly written setup: write it again."},
    {"正在连接电台...", "Connecting to the radio..."},
    {"正在验证密码...", "Checking the password..."},
    {"正在校验...", "Verifying..."},
    {"校验失败：电台从地址 %1 起与写入的数据不同，共有 %2 个字节不同。",
     "Verify failed: the radio differs from what was written first at address %1, in %2 bytes."},
    {"写入后校验", "Verify after writing"},
    {"打开备份(&B)...", "Open &backup..."},
    {"保存通信记录...", "Save transfer log..."},
    {"无法备份：%1", "Could not back up: %1"},
    {"快速连接", "Fast link"},
    {"电台无法接受的数值", "Values the radio cannot take"},
    {"数据中有电台无法接受的数值。仍然写入吗？", "The record holds values the radio cannot take. Write anyway?"},
    {"文件中有电台无法接受的数值：", "The file holds values the radio cannot take:"},
    {"仍然写入", "Write anyway"},
    {"信道或项目", "Channel or field"},
    {"数值", "Value"},
    {"问题", "What is wrong"},
    {"信道 %1", "Channel %1"},
    {"超出频段", "outside the band"},
    {"不在5kHz或6.25kHz步进上", "not on the 5 kHz or 6.25 kHz raster"},
    {"不是有效的亚音", "not a valid tone"},
    {"不在可选值之中", "not one of the field's choices"},
    {"超过该项的长度", "longer than the field holds"},
    {"文件长度不是3128字节", "the file is not 3128 bytes long"},
    // Names changed by an import or not written as held by an export, and the settings file.
    {"第 %1 行：已去掉名称前后的空格：“%2”", "Line %1: spaces around the name removed: \"%2\""},
    {"信道 %1：名称的字节不是有效的 GBK 编码，已写为“%2”",
     "Channel %1: the name's bytes are not valid GBK; written as \"%2\""},
    {"另有 %1 条说明未列出", "%1 more note(s) not listed"},
    {"未读取设置文件（%1），使用默认设置。", "The settings file was not read (%1); the default settings are used."},
    // The Edit menu.
    {"撤销(&U)", "&Undo"},
    {"重做(&E)", "R&edo"},
    {"剪切(&T)", "Cu&t"},
    {"拷贝(&C)", "&Copy"},
    {"粘贴(&A)", "P&aste"},
    {"清除(&D)", "&Delete"},
    {"插入空行(&I)", "&Insert empty row"},
    {"上移(&M)", "&Move up"},
    {"下移(&O)", "M&ove down"},
    {"信道16将被移出并丢失，是否继续？", "Channel 16 will be pushed off the end and lost. Insert the row?"},
    // The channel table exchange and the channel sheet.
    {"导入信道（CSV）", "Import channels (CSV)"},
    {"导出信道（CSV）", "Export channels (CSV)"},
    {"打印信道表", "Print channel sheet"},
    {"导出信道表（PDF）", "Export channel sheet (PDF)"},
    {"信道表", "Channel sheet"},
    {"文件", "File"},
    {"日期", "Date"},
    // The report of a channel table import.
    {"第 %1 行未导入：已没有空余信道", "Line %1 left out: no channel left"},
    {"第 %1 行未导入：位置 %2 不是信道号 1-16", "Line %1 left out: Location %2 is no channel 1-16"},
    {"第 %1 行未导入：频率不是数字（%2）", "Line %1 left out: a frequency is not a number (%2)"},
    {"第 %1 行未导入：%2 MHz 不在当前频段内", "Line %1 left out: %2 MHz is outside the band"},
    {"第 %1 行未导入：模式 %2 不是 FM 或 NFM", "Line %1 left out: mode %2 is neither FM nor NFM"},
    {"第 %1 行：本机没有反向静噪（%2），已不设亚音频", "Line %1: the radio has no reverse squelch (%2); taken without tones"},
    {"第 %1 行：亚音频无法使用（%2），已不设亚音频", "Line %1: tones not usable (%2); taken without tones"},
    {"第 %1 行：频率已调整到信道步进上（%2 MHz）", "Line %1: frequency moved onto the channel raster (%2 MHz)"},
    {"第 %1 行：名称已截短为“%2”", "Line %1: name cut to \"%2\""},
    {"第 %1 行：名称中无法存储的字符已换成“?”：“%2”", "Line %1: characters the radio cannot store became \"?\": \"%2\""},
    {"第 %1 行：%2 无法使用，已采用新信道的默认值", "Line %1: %2 not usable; the new-channel default stands"},
    {"表格中没有 Frequency 列，未导入任何信道", "The table has no Frequency column; nothing was imported"},
    {"已导入 %1 个信道", "%1 channel(s) imported"},
    // Writing a series of radios.
    {"写入多部电台...", "Write to several radios..."},
    {"电台数量：", "Number of radios:"},
    {"直到停止", "until stopped"},
    {"每部电台的 PTT ID 和 ANI 加 1", "Increase PTT ID and ANI by 1 for each radio"},
    {"第一部电台：PTT ID %1，ANI %2", "First radio: PTT ID %1, ANI %2"},
    {"记录文件：", "Log file:"},
    {"浏览...", "Browse..."},
    {"停止", "Stop"},
    {"再写同一部电台", "Same radio again"},
    {"正在等待电台...", "Waiting for a radio..."},
    {"正在写入第 %1 部电台...", "Writing radio %1..."},
    {"第 %1 部电台完成（序列号 %2）。请连接下一部电台。", "Radio %1 done (serial %2). Connect the next radio."},
    {"刚写入的电台再次应答（序列号 %1）：请连接下一部电台，或按“再写同一部电台”。",
     "The radio just written answered again (serial %1): connect the next radio, or press \"Same radio again\"."},
    {"刚写入的电台再次应答（序列号 %1）：正在等待下一部电台。",
     "The radio just written answered again (serial %1): waiting for the next radio."},
    {"第 %1 部电台（序列号 %2）：已写入", "Radio %1 (serial %2): written"},
    {"第 %1 部电台（序列号 %2）：%3", "Radio %1 (serial %2): %3"},
    {"全部 %1 部电台已写入。", "All %1 radios written."},
    {"已停止，共写入 %1 部电台。", "Stopped after %1 radio(s)."},
    {"PTT ID 和 ANI 已没有同样位数的号码：写入 %1 部电台后结束。",
     "PTT ID and ANI have no number of their width left: the series ends after %1 radio(s)."},
    {"%1 秒内没有下一部电台应答。", "No next radio answered within %1 s."},
    {"无法写入编程记录：%1", "The programming log could not be written: %1"},
    {"关闭", "Close"},
    {"在频段询问处停止", "Stopped at the band question"},
    {"%1“%2”含有 A-D、* 或 #：只有数字 0-9 可以递增。", "%1 \"%2\" holds A-D, * or #: only the digits 0-9 can be increased."},
    {"%1“%2”的位数不够 %3 部电台使用。", "%1 \"%2\" has too few digits for %3 radios."},
    {"PTT ID 和 ANI 都是空的：没有可以递增的号码。", "PTT ID and ANI are both empty: there is nothing to increase."},
    // The check list's name for a file's size.
    {"文件长度", "File size"},
    // A record from a radio, and saving before a series.
    {"对讲机 %1", "radio %1"},
    {"数据有未保存的修改。写频前先保存吗？保存后，编程记录中的文件正是写入的数据。",
     "The data have unsaved changes. Save them before writing? Then the log names a file that holds what was "
     "written."},
    {"不保存直接写频", "Write without saving"},
    // A COM name the machine does not list.
    {"%1 不在串口列表中（kr-t27-cli ports 列出所有串口）", "%1 is not listed (kr-t27-cli ports lists the ports)"},
    // The browser edition's own words.
    {"不接对讲机试用", "Try without a radio"},
    {"备份", "Backups"},
    {"下载", "Download"},
    {"%1：%2 已调整到信道步进上，存为 %3", "%1: %2 moved onto the channel raster; %3 stored"},
    {"%1：%2 超出频段，存为 %3", "%1: %2 is outside the band; %3 stored"},
    {"%1：“%2”中有无法存储的字符，存为“%3”", "%1: \"%2\" holds characters the radio cannot store; stored as \"%3\""},
    {"%1：“%2”不是此项可用的值，未采用，仍为“%3”", "%1: \"%2\" is no value of this cell and was not taken; it stays \"%3\""},
    {"浏览器不允许此页面使用剪贴板：请用 Ctrl+C、Ctrl+X 和 Ctrl+V。",
     "The browser does not let this page use the clipboard: use Ctrl+C, Ctrl+X and Ctrl+V."},
    // What became of a value typed or chosen in the setting pages and the batch set.
    {"%1 已改为 %2，以符合 5 kHz / 6.25 kHz 步进", "%1 was changed to %2 to fit the 5 kHz / 6.25 kHz raster"},
    {"%1 超出本项的范围，已改为 %2", "%1 is beyond what this field takes and was changed to %2"},
    {"%1 已保留为 %2：略去了本项不能保存的字符", "%1 was kept as %2: characters this field cannot hold were left out"},
    {"%1 不是本项可用的值，仍保持 %2", "%1 is not a value for this field; it keeps %2"},
    {"该键短按为暂态功能，长按只能保持未设定", "The short press of this key is momentary, so its long press stays unassigned"},
    {"短按设为暂态功能后，该键长按已改回未设定",
     "A momentary short press leaves this key's long press unassigned: it was set back to unassigned"},
    {"起始信道在终止信道之后，未更改任何信道", "The start channel comes after the end channel: no channel was changed"},
    {"已设置信道 %1 至 %2", "Channels %1 to %2 were set"},
    {"请先输入别名，再输入 DTMF 码", "Give the entry a name before its DTMF code"},
    // The browser's File items.
    {"另存为(&A)", "Save &As"},
    {"导入 JSON", "Import JSON"},
    {"导出 JSON", "Export JSON"},
    // The record's JSON form refused.
    {"不是 JSON：第 %2 字节处%1", "not JSON: %1 at byte %2"},
    {"不是对象", "not an object"},
    {"%1：不是对象", "%1: not an object"},
    {"%1：没有这个字段", "%1: no such field"},
    {"%1：不是文本", "%1: not text"},
    {"%1：不是列表", "%1: not a list"},
    {"%1：不是整数", "%1: not a whole number"},
    {"%1：不是 true 或 false", "%1: not true or false"},
    {"%1：%2 不在 0..%3 之内", "%1: %2 is outside 0..%3"},
    {"%1：含有记录的 GBK 文本无法存储的字符", "%1: has a character that the record's GBK texts cannot hold"},
    {"%1：超过 %2 字节", "%1: longer than %2 bytes"},
    {"%1：超过 %2 个符号", "%1: longer than %2 symbols"},
    {"%1：含有“%2”，不是 0-9 A-D * # 之一", "%1: holds '%2', not one of 0-9 A-D * #"},
    {"%1：应为 %2 字节，写成 %3 个十六进制数字", "%1: wants %2 bytes as %3 hex digits"},
    {"%1：应有 %2 个数", "%1: wants %2 numbers"},
    {"%1：应有 %2 个 0..%3 的数", "%1: wants %2 numbers 0..%3"},
    {"%1：应为 1..%2", "%1: wants 1..%2"},
    {"%1：%2 出现了两次", "%1: %2 given twice"},
    {"无效的值", "illegal value"},
    {"无效的数字", "illegal number"},
    {"文档末尾有多余内容", "garbage at the end of the document"},
    {"文档嵌套过深", "too deeply nested document"},
    {"对象未结束", "unterminated object"},
    {"列表未结束", "unterminated array"},
    {"字符串未结束", "unterminated string"},
    {"缺少名称", "missing name"},
    {"缺少名称分隔符", "missing name separator"},
    {"缺少值分隔符", "missing value separator"},
    {"字符串中有控制字符", "control character in a string"},
    {"无效的 UTF8 字符串", "invalid UTF8 string"},
    {"无效的转义序列", "invalid escape sequence"},
    // The browser's programming log and backups.
    {"浏览器的存储拒绝了保存", "the browser's storage refused it"},
    {"下载编程记录", "Download the programming log"},
    {"恢复到编辑器", "Restore into the editor"},
    {"序列号 %1", "Serial number %1"},
    {"序列号不明", "Serial number unknown"},
    // The browser's choice of the cable's port.
    {"使用中的端口：%1", "Port in use: %1"},
    {"尚未选择端口：第一次读频或写频时浏览器会询问。", "No port chosen yet: the browser asks at the first read or write."},
    {"选择写频线的端口...", "Choose the cable's port..."},
    {"USB 设备 %1:%2", "USB device %1:%2"},
    {"没有 USB 标识的端口", "a port without USB identification"},
    // What closes a window.
    {"关闭", "Close"},
    // The browser edition offline, its updates, and a browser without a serial port.
    {"本程序已保存在此浏览器中，没有网络也能使用。", "This program is kept in this browser and now works without a network."},
    {"本程序有新版本。", "A new version of this program is ready."},
    {"立即更新", "Update now"},
    {"稍后", "Later"},
    {"传输结束后将更新。", "The update follows when the transfer has ended."},
    {"此浏览器无法连接对讲机：读频和写频需要电脑上的 Chrome 或 Edge 浏览器（Windows、macOS、Linux）。"
     "在此仍可打开、编辑和保存文件。",
     "This browser cannot talk to a radio: reading and writing need Chrome or Edge on a computer (Windows, "
     "macOS, Linux). Files can still be opened, edited and saved here."},
    // What became of a typed value.
    {"%1：%2 高于频段 %3 MHz", "%1: %2 is above the band %3 MHz"},
    {"%1：%2 低于频段 %3 MHz", "%1: %2 is below the band %3 MHz"},
    {"%1：%2 不在 5 kHz 或 6.25 kHz 步进上，已向下取整", "%1: %2 is not on the 5 kHz or 6.25 kHz raster and was rounded down"},
    {"%1：%2 无法完整保存，只保留了能容纳的部分", "%1: %2 does not fit whole; the cell keeps what fits"},
    {"%1：已略去此格不接受的“%2”", "%1: left out \"%2\", which the cell does not take"},
    {"%1：“%2”不是频率，此格保持原值", "%1: \"%2\" is not a frequency; the cell keeps its value"},
    {"%1：“%2”不是亚音频，此格保持原值", "%1: \"%2\" is not a tone; the cell keeps its value"},
    // Clearing a channel from its cell, and a paste's report.
    {"清除信道 %1 及其全部设置？", "Clear channel %1 with all its settings?"},
    {"粘贴信道", "Paste channels"},
    {"已粘贴 %1 个信道", "%1 channel(s) pasted"},
    // Menu captions with accelerators.
    {"导入信道（CSV）(&I)...", "&Import channels (CSV)..."},
    {"导出信道（CSV）(&X)...", "E&xport channels (CSV)..."},
    {"打印信道表(&P)...", "&Print channel sheet..."},
    {"导出信道表（PDF）(&D)...", "Export channel sheet (P&DF)..."},
    {"写入多部电台(&S)...", "Write to &several radios..."},
    {"频段(&B)", "Frequency &Band"},
    {"保存通信记录(&L)...", "Save transfer &log..."},
    {"入门(&G)", "&Getting started"},
    // Getting started.
    {"入门", "Getting started"},
    {"1. 连接写频线：将写频线插入电脑和对讲机，然后打开对讲机。",
     "1. Connect the cable: plug the programming cable into the computer and into the radio, then switch the radio "
     "on."},
    {"2. 选择端口：在“通讯端口”中勾选“自动查找通讯口”，程序会逐个尝试所有串口；或取消勾选，选择写频线所在的 COM 号。"
     "每个 COM 号旁边显示它对应的设备和转换器名称。",
     "2. Choose the port: under Communication Port, tick \"Auto search COM port\" to let the program try every serial "
     "port, or untick it and choose the cable's COM number. Beside each number stand the device and the adapter "
     "behind it."},
    {"3. 读频：选择“编辑 > 读频”（F5），在打开的窗口中按“开始”（或回车键）。对讲机中的信道和设置即显示在程序中。",
     "3. Read: choose Edit > Read from radio (F5) and press Start (or Enter) in the window that opens. The radio's "
     "channels and settings then show in the program."},
    {"4. 写频：编辑信道后选择“编辑 > 写频”（F6），按“开始”。勾选“写入后校验”，程序会读回电台并与写入的数据比较。",
     "4. Write: edit the channels, choose Edit > Write to radio (F6) and press Start. Tick \"Verify after writing\" to "
     "have the radio read back and compared with what was written."},
    {"5. 备份：每次读频和写频的数据都会自动备份，可用“文件 > 打开备份”找回。自己的数据请用“文件 > 保存”保存。",
     "5. Backups: every read and every write is backed up by itself; File > Open backup brings one back. Keep your "
     "own data with File > Save."},
    // What to do next after a transfer.
    {"尝试的端口：%1", "Port(s) tried: %1"},
    {"请检查写频线已插好、对讲机已开机并处于编程状态，然后重试。对讲机中的数据没有改变。",
     "Check that the cable is plugged in and the radio is switched on and in programming mode, then try again. "
     "Nothing was changed in the radio."},
    {"请检查写频线已插好、对讲机已开机并处于编程状态，然后重试。",
     "Check that the cable is plugged in and the radio is switched on and in programming mode, then try again."},
    {"没有找到串口：请将写频线插入电脑，然后重试。对讲机中的数据没有改变。",
     "No serial port was found: plug the cable into the computer, then try again. Nothing was changed in the radio."},
    {"请在“编辑 > 密码”中输入对讲机的密码，然后重试。对讲机中的数据没有改变。",
     "Enter the radio's password under Edit > Password, then try again. Nothing was changed in the radio."},
    {"已校验：对讲机中的数据与写入的一致。", "Verified: the radio holds what was written."},
    // The band change and the band a file's channels lie in.
    {"信道是为一个频段输入的，不适用于另一个频段，因此切换频段会从空白数据重新开始。如需保留数据，请先保存。",
     "Channels entered for one band do not fit another, so a band change starts from empty data. Save first to keep "
     "them."},
    {"此文件的信道都不在当前频段（%1）内，而在%2内。切换到该频段吗？数据保持不变。",
     "The channels of this file all lie outside the selected band (%1), in %2. Switch to that band? The data stay as "
     "they are."},
    {"切换频段", "Switch band"},
    {"保持当前频段", "Keep the band"},
    // The band of a channel table import.
    {"使用的频段：%1", "Band used: %1"},
    {"不在此频段内的行未导入：请先在“编辑 > 频段”中选择它们的频段，再导入。",
     "Rows outside this band were left out: choose their band under Edit > Frequency Band, then import again."},
    // Names in the list of values the radio cannot take.
    {"信道 %1，%2", "Channel %1, %2"},
    {"通讯录第 %1 项，编码", "Address book entry %1, code"},
    {"接收频率", "receive frequency"},
    {"发射频率", "transmit frequency"},
    {"接收亚音频", "receive tone"},
    {"发射亚音频", "transmit tone"},
    {"发射功率", "transmit power"},
    {"遇忙禁发", "busy lock"},
    {"静噪模式", "squelch mode"},
    // Two records compared.
    {"与文件比较(&C)...", "&Compare with file..."},
    {"检查电台与此文件是否一致(&K)...", "Chec&k radio against this file..."},
    {"与文件比较...", "Compare with file..."},
    {"检查电台与此文件是否一致...", "Check radio against this file..."},
    {"当前数据", "This record"},
    {"电台", "Radio"},
    {"没有差异：两者的设置相同。", "No differences: both hold the same settings."},
    {"有 %1 处差异：", "%1 difference(s):"},
    {"将此文件写入电台", "Write this file to the radio"},
    {"%1：%2 / %3", "%1: %2 / %3"},
    {"通讯录第 %1 项", "Address book entry %1"},
    {"宽/窄带", "bandwidth"},
    {"扫描添加", "scan"},
    {"DTMF", "DTMF"},
    {"使用中", "in use"},
    {"未使用", "not in use"},
    {"（空）", "(empty)"},
    {"已设置", "set"},
    {"未设置", "not set"},
    {"已设置，但不同", "set, but different"},
    // A table of the radios' own codes refused.
    {"%1 第 %2 行：未知的列“%3”；可用的列为 serial、slot、ptt_id、ani 和 password",
     "%1 line %2: unknown column \"%3\"; the columns are serial, slot, ptt_id, ani and password"},
    {"%1 第 %2 行：列 %3 出现了两次", "%1 line %2: column %3 is named twice"},
    {"%1 第 %2 行：表头中没有 ptt_id、ani 或 password 列，此表不为电台提供任何编码",
     "%1 line %2: the header names none of ptt_id, ani and password, so the table gives the radios nothing"},
    {"%1 第 %2 行：serial %3 已在第 %4 行出现", "%1 line %2: serial %3 is already on line %4"},
    {"%1 第 %2 行：slot %3 已在第 %4 行出现", "%1 line %2: slot %3 is already on line %4"},
    {"%1 第 %2 行：slot“%3”不是从 1 起的电台序号", "%1 line %2: slot \"%3\" is not a radio's number from 1"},
    {"%1 第 %2 行：此行既没有 serial 也没有 slot", "%1 line %2: the row gives neither a serial nor a slot"},
    {"%1 第 %2 行：此行同时给出了 serial 和 slot，请只给出其中之一",
     "%1 line %2: the row gives both a serial and a slot; give one of them"},
    {"%1 第 %2 行：%3“%4”不是最多 %5 位的 DTMF 码（0-9、A-D、*、#）",
     "%1 line %2: %3 \"%4\" is not a DTMF code of at most %5 digits (0-9, A-D, *, #)"},
    {"%1 第 %2 行：密码应为最多 %3 个可打印的 ASCII 字符",
     "%1 line %2: the password is not one of at most %3 printable ASCII characters"},
    {"%1 第 %2 行：“%3”不在任何有标题的列中", "%1 line %2: \"%3\" stands under no column title"},
    {"%1 第 %2 行：引号没有结束，其后各行都会被读成这一格",
     "%1 line %2: a quote is never closed, so every line after it would read as this one cell"},
    {"%1：另有 %2 个问题未列出", "%1: %2 more problem(s) not listed"},
    // The support bundle.
    {"保存技术支持包(&B)...", "Save support &bundle..."},
    {"保存技术支持包", "Save support bundle"},
    {"技术支持包已保存到 %1。程序没有发送任何内容：请自行把它交给为您提供帮助的人。",
     "The support bundle was saved to %1. Nothing was sent anywhere: hand it yourself to whoever helps you."},
    {"%1 的技术支持包，%2 在本电脑上生成，没有发送到任何地方。其中的编程记录列出了电台的序列号和编码，"
     "请只交给您信任的人。",
     "Support bundle of %1, made on this computer at %2 and sent nowhere. The programming log in it lists your "
     "radios by serial number with their codes: give it only to someone you trust."},
    {"%1：程序的版本和电脑的平台", "%1: the program's version and the computer's system"},
    {"%1：程序保存的设置，原样收入", "%1: the program's settings as it keeps them"},
    {"%1：程序看到的串口", "%1: the serial ports as the program sees them"},
    {"%1：最近一次与电台通信的全部字节，密码显示为 **",
     "%1: every byte of the last transfer with a radio, the password shown as **"},
    {"%1：最新 %2 个备份的文件，最新的在前", "%1: the files of the newest %2 backups, newest first"},
    {"%1：编程记录的最后 %2 行，含标题行", "%1: the last %2 rows of the programming log, with its header"},
    {"%1：未包含：%2", "%1: not included: %2"},
    {"尚不存在", "there is none yet"},
    {"%1 是技术支持包要收入的文件：请用另一个文件名保存支持包。",
     "%1 is one of the files the support bundle holds: save the bundle under another name."},
    {"未能为技术支持包保留最近一次通信的记录：%1", "The last transfer's trace was not kept for a support bundle: %1"},
    {"第 %1 部电台（序列号 %2）：与文件相同", "Radio %1 (serial %2): same as the file"},
    {"第 %1 部电台（序列号 %2）：与文件不同的项数：%3", "Radio %1 (serial %2): fields that differ from the file: %3"},
    {"全部 %1 部电台已检查。", "All %1 radios checked."},
    {"序列号为 %1 的电台不在身份表中，未写入。请连接另一部电台。",
     "The radio with serial %1 has no row in the identity table: not written. Connect another radio."},
    // The ports a series runs on, and checking radios instead of writing them.
    {"端口(&P)：", "&Ports:"},
    {"要添加的端口", "Port to add"},
    {"添加端口(&A)", "&Add port"},
    {"移除端口(&R)", "&Remove port"},
    {"只检查：读出每部电台并与此设置比较，不写入(&C)",
     "&Check only: read each radio and compare it with this setup, write nothing"},
    {"%1：%2", "%1: %2"},
    {"正在读取第 %1 部电台...", "Reading radio %1..."},
    {"已停止，共检查 %1 部电台。", "Stopped after %1 radio(s) checked."},
    {"完成", "done"},
    {"已停止", "stopped"},
    {"共完成 %1 部电台；%2 上有电台失败。", "%1 radio(s) done; a radio failed on %2."},
    {"%1 的状态", "Status on %1"},
    {"%1 的进度", "Progress on %1"},
    {"%1：再写同一部电台", "Same radio again on %1"},
    {"身份表（CSV）：", "Identity table (CSV):"},
    {"身份表中没有对应行的电台不写入", "Radios without a row in the table are not written"},
    {"身份表的问题", "Problems of the identity table"},
    // Names for screen readers.
    {"通讯录", "Address book"},
    {"传输状态", "Transfer status"},
    {"各部电台的结果", "Outcome of each radio"},
};

static_assert(std::size(MessageTexts) == MessageCount);

struct ReasonEntry {
    int systemError;
    MessageId id;
};

constexpr ReasonEntry Reasons[] = {
    {ENOENT, MessageId::ReasonNoSuchFile},
    {EACCES, MessageId::ReasonPermissionDenied},
    {EPERM, MessageId::ReasonNotPermitted},
    {EROFS, MessageId::ReasonReadOnlyFileSystem},
    {ENOSPC, MessageId::ReasonNoSpace},
#ifdef EDQUOT
    {EDQUOT, MessageId::ReasonQuotaExceeded},
#endif
    {EISDIR, MessageId::ReasonIsAFolder},
    {ENOTDIR, MessageId::ReasonNotAFolder},
    {EBUSY, MessageId::ReasonBusy},
    {EEXIST, MessageId::ReasonExists},
    {EFBIG, MessageId::ReasonTooLarge},
    {EIO, MessageId::ReasonInputOutput},
    {ENAMETOOLONG, MessageId::ReasonNameTooLong},
    {ELOOP, MessageId::ReasonTooManyLinks},
    {ENXIO, MessageId::ReasonNoDevice},
};

const TextVariants& Texts()
{
    static const TextVariants texts(MessageTexts);
    return texts;
}

std::string EnglishArgument(const MessageArg& arg)
{
    if (arg.worded)
        return Texts().EnglishText(int(*arg.worded));
    if (arg.systemError == 0)
        return arg.text;
    const auto reason = ReasonMessage(arg.systemError);
    return reason ? Texts().EnglishText(int(*reason)) : SystemErrorText(arg.systemError);
}

}  // namespace

std::string MessagePattern(MessageId id) { return Texts().Text(int(id)); }

std::string MessagePattern(MessageId id, TTeskFuncs::TLangType language) { return Texts().Text(int(id), language); }

std::optional<MessageId> ReasonMessage(int systemError)
{
    for (const ReasonEntry& entry : Reasons) {
        if (entry.systemError == systemError)
            return entry.id;
    }
    return std::nullopt;
}

std::string SystemErrorText(int systemError) { return std::strerror(systemError); }

std::string EnglishMessage(const Message& message)
{
    std::vector<std::string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(EnglishArgument(arg));
    return InsertArguments(Texts().EnglishText(int(message.id)), args);
}
