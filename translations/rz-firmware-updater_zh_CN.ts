<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AttemptState</name>
    <message>
        <source>pending</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>update: write even where the instrument holds newer firmware.</source>
        <translation>update：即使仪器中的固件较新也写入。</translation>
    </message>
    <message>
        <source>history: only this instrument&apos;s attempts.</source>
        <translation>history：仅此仪器的尝试。</translation>
    </message>
    <message>
        <source>history: only attempts started on this day (UTC) or later.</source>
        <translation>history：仅此日（UTC）或之后
开始的尝试。</translation>
    </message>
    <message>
        <source>history: the attempts as CSV, a header row first.</source>
        <translation>history：以 CSV 输出尝试记录，
首行为表头。</translation>
    </message>
    <message>
        <source>--serial, --since and --csv go with history only.</source>
        <translation>--serial、--since 和 --csv 仅用于 history。</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial：需要大于 0 的序列号，而不是 %1。</translation>
    </message>
    <message>
        <source>--model: expected one of %1, not %2.</source>
        <translation>--model：需要 %1 之一，而不是 %2。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>打印此帮助并退出。</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>打印版本并退出。</translation>
    </message>
    <message>
        <source>No display to open the window on; use a command instead: rz-firmware-updater check | update | restore (see --help).</source>
        <translation>没有可打开窗口的显示器；请改用命令：rz-firmware-updater check | update | restore（参见 --help）。</translation>
    </message>
    <message>
        <source>restore: the model to bootstrap when nothing answers; history, pending: only this model&apos;s.</source>
        <translation>restore：无应答时要引导的型号；
history、pending：仅此型号的记录。</translation>
    </message>
    <message>
        <source>pending: let the record of this instrument&apos;s unfinished update go.</source>
        <translation>pending：丢弃此仪器未完成更新的
记录。</translation>
    </message>
    <message>
        <source>--discard goes with pending only.</source>
        <translation>--discard 仅用于 pending。</translation>
    </message>
    <message>
        <source>Brings the one connected instrument to the firmware this release carries.

Commands:
  check     find the instrument and compare its firmware with this release
  update    check, then write what differs
  restore   check, bootstrapping the named model if nothing answers, then
            rewrite every component of an instrument in boot mode;
            without --model, the one update on record that did not
            finish names the model, if there is exactly one
  history   every update and restore on record, newest first
  pending   the updates on record that did not finish; --discard lets
            one go
  release   what the release carries and who signed it, without an
            instrument

Exit codes:
   0  done: up to date, or written successfully
   1  a write or a query failed
   2  bad usage
   3  no instrument found
   4  refused before any write (no release found, firmware not signed by a
      trusted key, newer firmware without --allow-downgrade, unknown model,
      missing or corrupt image, restore of a working instrument, update of
      one that needs a restore, another updater running on the machine);
      release: the release is refused
   5  the instrument stopped answering: a call to it did not return within
      its time; the next update or restore of that instrument finishes
      the update on record
  10  check: an update is available
  11  check: a restore is needed
  128+N  stopped by signal N (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,
      143 SIGTERM): at once before anything was erased, otherwise once
      the firmware being written was written successfully (a stop during
      a write that failed exits 1)

A command that fails or refuses prints its reason on standard error too,
after the program&apos;s name.

Without a command the window opens.</source>
        <translation>将所连接的那一台仪器更新为此版本所带的固件。

命令：
  check     查找仪器，并将其固件与此版本比较
  update    检查，然后写入不同的部分
  restore   检查；若无任何应答，则引导指定的型号；然后重写处于引导模式
            的仪器的每个组件；未给出 --model 时，若记录中恰有一次
            未完成的更新，则由它指明型号
  history   记录中的每次更新和恢复，最新的在前
  pending   记录中未完成的更新；--discard 丢弃其中一次
  release   此版本所带的内容及其签名者，无需仪器

退出代码：
   0  完成：已是最新，或已成功写入
   1  写入或查询失败
   2  用法错误
   3  未找到仪器
   4  在任何写入之前被拒绝（未找到固件、固件未由受信任的密钥签名、没有
      --allow-downgrade 时的较新固件、未知型号、映像缺失或损坏、
      恢复正常工作的仪器、更新需要恢复的仪器、
      本机上已有另一个更新程序在运行）
      release：此版本被拒绝
   5  仪器停止应答：对它的调用未在限定时间内返回；该仪器的下一次更新
      或恢复会完成记录中的这次更新
  10  check：有可用更新
  11  check：需要恢复
  128+N  被信号 N 停止（130 SIGINT、129 SIGHUP、131 SIGQUIT、
      143 SIGTERM）：若尚未擦除任何内容则立即停止，否则在正在写入
      的固件成功写入后停止（写入失败期间的停止以 1 退出）

失败或拒绝的命令也会在标准错误输出上、程序名之后打印其原因。

不带命令时打开窗口。</translation>
    </message>
    <message>
        <source>check, update, restore, history, pending or release</source>
        <translation>check、update、restore、
history、pending 或 release</translation>
    </message>
    <message>
        <source>check, update, restore, release: the release in this folder (relative to the working folder) rather than ./firmware or the installed one.</source>
        <translation>check、update、restore、release：
使用此文件夹（相对于工作文件夹）中的版本，
而不是 ./firmware 或已安装的版本。</translation>
    </message>
    <message>
        <source>Print one JSON report on standard output at the end; the lines go to standard error. history, pending: the rows as JSON. release: what the release carries as JSON.</source>
        <translation>结束时在标准输出上打印一份 JSON 报告；
各行输出到标准错误。
history、pending：以 JSON 输出记录。
release：以 JSON 输出版本所带的内容。</translation>
    </message>
    <message>
        <source>check, update, restore, release: print only the verdict line; reasons still go to standard error.</source>
        <translation>check、update、restore、release：
只打印结论行；原因仍输出到标准错误。</translation>
    </message>
    <message>
        <source>Expected one command: check, update, restore, history, pending or release (see --help).</source>
        <translation>需要一个命令：check、update、restore、history、pending 或 release（参见 --help）。</translation>
    </message>
    <message>
        <source>--quiet goes with check, update, restore and release, without --json.</source>
        <translation>--quiet 仅用于 check、update、restore 和 release，且不能与 --json 同用。</translation>
    </message>
    <message>
        <source>--firmware goes with check, update, restore and release.</source>
        <translation>--firmware 仅用于 check、update、restore 和 release。</translation>
    </message>
    <message>
        <source>--firmware: expected the release&apos;s folder.</source>
        <translation>--firmware：需要版本所在的文件夹。</translation>
    </message>
    <message>
        <source>check, update, restore: standard output is a stream of JSON objects, one a line, as the run goes: its lines, steps, progress and stop notices, then the report --json prints.</source>
        <translation>check、update、restore：标准输出变为
JSON 对象流（每行一个），随运行输出
各行、步骤、进度和停止通知，
最后是 --json 打印的报告。</translation>
    </message>
    <message>
        <source>--events goes with check, update and restore only.</source>
        <translation>--events 仅用于 check、update 和 restore。</translation>
    </message>
    <message>
        <source>--events and --json do not go together: the events end with the report --json prints.</source>
        <translation>--events 与 --json 不能同时使用：事件以 --json 打印的报告结束。</translation>
    </message>
    <message>
        <source>--events and --quiet do not go together: the events carry the verdict.</source>
        <translation>--events 与 --quiet 不能同时使用：事件中已包含结论。</translation>
    </message>
</context>
<context>
    <name>DeviceSelectorDialog</name>
    <message>
        <source>Device Select</source>
        <translation>选择设备</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Unable to open device. If the device is not connected to the PC, please connect the device and restart this application. If you want to bootstrap your device, please select your device type below.</source>
        <translation>无法打开设备。如果设备未连接到电脑，请连接设备并重新启动本程序。如果要引导设备，请在下方选择设备型号。</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>开始时间 (UTC)</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>From</source>
        <translation>原版本</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标版本</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>No update attempts on record.</source>
        <translation>没有更新尝试记录。</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial：需要大于 0 的序列号，而不是 %1。</translation>
    </message>
    <message>
        <source>--since: expected a date as YYYY-MM-DD, not %1.</source>
        <translation>--since：需要 YYYY-MM-DD 格式的日期，而不是 %1。</translation>
    </message>
    <message>
        <source>--json and --csv cannot be combined.</source>
        <translation>--json 和 --csv 不能同时使用。</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>From</source>
        <translation>原版本</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标版本</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Update History</source>
        <translation>更新历史记录</translation>
    </message>
    <message>
        <source>Update history</source>
        <translation>更新历史记录</translation>
    </message>
    <message>
        <source>any</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>序列号(&amp;S)：</translation>
    </message>
    <message>
        <source>Open Session Log</source>
        <translation>打开会话日志</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>无法读取历史记录。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.

%2</source>
        <translation>无法将历史记录保存到 %1。

%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>The session log could not be opened. It is:

%1</source>
        <translation>无法打开会话日志。其位置：

%1</translation>
    </message>
</context>
<context>
    <name>LogMenu</name>
    <message>
        <source>Update History...</source>
        <translation>更新历史记录...</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Save Log As...</source>
        <translation>日志另存为...</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>日志另存为</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>The log could not be saved to %1.

%2</source>
        <translation>无法将日志保存到 %1。

%2</translation>
    </message>
    <message>
        <source>The log folder could not be opened. It is:

%1</source>
        <translation>无法打开日志文件夹。其位置：

%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 Firmware Updater</source>
        <translation>%1 固件更新程序</translation>
    </message>
</context>
<context>
    <name>OperatorText</name>
    <message>
        <source>Elapsed %1</source>
        <translation>已用时间 %1</translation>
    </message>
    <message>
        <source>Checking Firmware Versions...</source>
        <translation>正在检查固件版本...</translation>
    </message>
    <message>
        <source>Failed to open boot device.</source>
        <translation>无法打开引导模式下的设备。</translation>
    </message>
    <message>
        <source>Checking firmware version
Estimated 30 seconds
Please Wait</source>
        <translation>正在检查固件版本
预计 30 秒
请稍候</translation>
    </message>
    <message>
        <source>Looking to bootstrap device.</source>
        <translation>准备引导设备。</translation>
    </message>
    <message>
        <source>The last update of %1 serial %2 did not finish.</source>
        <translation>%1（序列号 %2）的上次更新未完成。</translation>
    </message>
    <message>
        <source>The instrument that answers is not the one whose update did not finish.</source>
        <translation>响应的仪器不是上次更新未完成的那台。</translation>
    </message>
    <message>
        <source>Bootstrapping Device
Please Wait...</source>
        <translation>正在引导设备
请稍候...</translation>
    </message>
    <message>
        <source>Failed to detect device.</source>
        <translation>未能检测到设备。</translation>
    </message>
    <message>
        <source>Cycle the power on the device, restart the firmware updater,  and try again.</source>
        <translation>请将设备断电后重新上电，重新启动固件更新程序，然后重试。</translation>
    </message>
    <message>
        <source>If you continue to receive this message, contact Pellanor.</source>
        <translation>如果仍然出现此消息，请联系 Pellanor。</translation>
    </message>
    <message>
        <source>Attempting to bootstrap firmware.</source>
        <translation>正在尝试引导固件。</translation>
    </message>
    <message>
        <source>Found serial %1</source>
        <translation>找到序列号 %1</translation>
    </message>
    <message>
        <source>Firmware can now be restored.</source>
        <translation>现在可以恢复固件。</translation>
    </message>
    <message>
        <source>Press Restore to continue.</source>
        <translation>按“恢复”继续。</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>找到 %1</translation>
    </message>
    <message>
        <source>Serial %1, with firmware %2</source>
        <translation>序列号 %1，固件 %2</translation>
    </message>
    <message>
        <source>This release has no firmware for this device type.</source>
        <translation>此版本不包含适用于该设备型号的固件。</translation>
    </message>
    <message>
        <source>The last update of this instrument did not finish.</source>
        <translation>该仪器的上次更新未完成。</translation>
    </message>
    <message>
        <source>Firmware requires update.</source>
        <translation>固件需要更新。</translation>
    </message>
    <message>
        <source>Press Update to continue.</source>
        <translation>按“更新”继续。</translation>
    </message>
    <message>
        <source>Firmware does not require update.</source>
        <translation>固件无需更新。</translation>
    </message>
    <message>
        <source>Cancelling operation.</source>
        <translation>正在取消操作。</translation>
    </message>
    <message>
        <source>Firmware can now be updated.</source>
        <translation>现在可以更新固件。</translation>
    </message>
    <message>
        <source>Updating Firmware</source>
        <translation>正在更新固件</translation>
    </message>
    <message>
        <source>Updating Device
DO NOT UNPLUG THE DEVICE
This process can take several minutes
Please Wait...</source>
        <translation>正在更新设备
请勿拔下设备
此过程可能需要几分钟
请稍候...</translation>
    </message>
    <message>
        <source>Restoring Device</source>
        <translation>正在恢复设备</translation>
    </message>
    <message>
        <source>Performing Device Restore
DO NOT UNPLUG DEVICE
This process will take up to 10 minutes
Please Wait...</source>
        <translation>正在恢复设备
请勿拔下设备
此过程最多需要 10 分钟
请稍候...</translation>
    </message>
    <message>
        <source>Could not clear the update record: %1</source>
        <translation>无法清除更新记录：%1</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>固件更新成功。</translation>
    </message>
    <message>
        <source>Firmware updated unsuccessfully.</source>
        <translation>固件更新失败。</translation>
    </message>
    <message>
        <source>Check device connections and re-run the software.</source>
        <translation>请检查设备连接，然后重新运行本软件。</translation>
    </message>
    <message>
        <source>If problem persists, contact Pellanor.</source>
        <translation>如果问题仍然存在，请联系 Pellanor。</translation>
    </message>
    <message>
        <source>You may now close the software.</source>
        <translation>现在可以关闭本软件。</translation>
    </message>
    <message>
        <source>Cannot record the update before writing: %1</source>
        <translation>写入前无法记录本次更新：%1</translation>
    </message>
    <message>
        <source>Failed presetting the instrument.</source>
        <translation>仪器预设失败。</translation>
    </message>
    <message>
        <source>Failed Clearing</source>
        <translation>擦除失败</translation>
    </message>
    <message>
        <source>Failed Writing</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>The connected instrument is not the one checked; nothing was written.</source>
        <translation>连接的仪器不是已检查的那台；未写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot use the key file %1.</source>
        <translation>无法使用密钥文件 %1。</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed; nothing will be written.</source>
        <translation>%1 中的固件未签名；不会写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot read the revoked keys in %1; no key is trusted.</source>
        <translation>无法读取 %1 中已吊销的密钥；不信任任何密钥。</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed by a trusted key; nothing will be written.</source>
        <translation>%1 中的固件未经受信任的密钥签名；不会写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot keep a private copy of the firmware: %1</source>
        <translation>无法保留固件的私有副本：%1</translation>
    </message>
    <message>
        <source>Missing firmware image: %1</source>
        <translation>缺少固件映像：%1</translation>
    </message>
    <message>
        <source>Firmware image does not match the release checksum: %1</source>
        <translation>固件映像与发布版本的校验和不符：%1</translation>
    </message>
    <message>
        <source>%1 firmware updater</source>
        <translation>%1 固件更新程序</translation>
    </message>
    <message>
        <source>Using RZ API version %1</source>
        <translation>使用 RZ API 版本 %1</translation>
    </message>
    <message>
        <source>Please read below before continuing.</source>
        <translation>继续之前，请阅读以下内容。</translation>
    </message>
    <message>
        <source>Updates %1 to firmware version %2</source>
        <translation>将 %1 更新到固件版本 %2</translation>
    </message>
    <message>
        <source>Ensure only one Pellanor device is connected to the PC.</source>
        <translation>请确保只有一台 Pellanor 设备连接到电脑。</translation>
    </message>
    <message>
        <source>Do NOT disconnect the device at any time during the update.</source>
        <translation>更新期间的任何时候都切勿断开设备。</translation>
    </message>
    <message>
        <source>Disconnecting the device during an update can leave your device in an unoperable state.</source>
        <translation>更新期间断开设备可能导致设备无法使用。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>Connect %1 devices over %2.</source>
        <translation>%1 设备请通过 %2 连接。</translation>
    </message>
    <message>
        <source>Could not keep a log file: %1</source>
        <translation>无法保留日志文件：%1</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>符号链接</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>命名管道</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>设备文件</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>%1 is %2, not a file.</source>
        <translation>%1 是%2，不是文件。</translation>
    </message>
    <message>
        <source>The update history could not be read: %1</source>
        <translation>无法读取更新历史记录：%1</translation>
    </message>
    <message>
        <source>%1 was replaced while it was being opened.</source>
        <translation>%1 在打开过程中被替换。</translation>
    </message>
    <message>
        <source>it fails its integrity check</source>
        <translation>完整性检查未通过</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id could not be kept: %1</source>
        <translation>无法保留更新历史记录中最大的尝试编号：%1</translation>
    </message>
    <message>
        <source>The update history could not be read; it was kept as %1 and a new one started.</source>
        <translation>无法读取更新历史记录；已将其保存为 %1，并开始新的记录。</translation>
    </message>
    <message>
        <source>The update history could not be written: %1</source>
        <translation>无法写入更新历史记录：%1</translation>
    </message>
    <message>
        <source>The instrument needs a restore; use restore.</source>
        <translation>该仪器需要恢复；请使用 restore。</translation>
    </message>
    <message>
        <source>The instrument answers normally; use update.</source>
        <translation>该仪器响应正常；请使用 update。</translation>
    </message>
    <message>
        <source>No instrument answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>没有仪器响应。要引导仪器，请指定其型号：restore --model %1。</translation>
    </message>
    <message>
        <source>No instrument answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>没有仪器响应。如果已连接仪器，可用 restore --model MODEL 引导它。</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>clearing %1</source>
        <translation>擦除 %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>写入 %1</translation>
    </message>
    <message>
        <source>Skipping %1, already current version.</source>
        <translation>跳过 %1，已是当前版本。</translation>
    </message>
    <message>
        <source>Failed writing %1.</source>
        <translation>写入 %1 失败。</translation>
    </message>
    <message>
        <source>Updating %1, estimated %2.</source>
        <translation>正在更新 %1，预计 %2。</translation>
    </message>
    <message>
        <source>asking the device library its version</source>
        <translation>查询设备库版本</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2.</source>
        <translation>仪器在 %1 时停止响应：%2 无响应。</translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3; keep the instrument connected.</source>
        <translation>仍在进行：%1 已用 %2，预计 %3；请保持仪器连接。</translation>
    </message>
    <message>
        <source>closing the instrument</source>
        <translation>关闭仪器</translation>
    </message>
    <message>
        <source>opening the instrument</source>
        <translation>打开仪器</translation>
    </message>
    <message>
        <source>listing the instruments</source>
        <translation>列出仪器</translation>
    </message>
    <message>
        <source>reading the firmware number</source>
        <translation>读取固件编号</translation>
    </message>
    <message>
        <source>reading the FPGA status</source>
        <translation>读取 FPGA 状态</translation>
    </message>
    <message>
        <source>Failed to retrieve firmware versions.</source>
        <translation>无法读取固件版本。</translation>
    </message>
    <message>
        <source>FPGA failed to load.</source>
        <translation>FPGA 加载失败。</translation>
    </message>
    <message>
        <source>Cannot Find Device</source>
        <translation>找不到设备</translation>
    </message>
    <message>
        <source>Unable to find device.</source>
        <translation>找不到设备。</translation>
    </message>
    <message>
        <source>Failed to open device.</source>
        <translation>无法打开设备。</translation>
    </message>
    <message>
        <source>presetting the instrument</source>
        <translation>预设仪器</translation>
    </message>
    <message>
        <source>bootstrapping the instrument</source>
        <translation>引导仪器</translation>
    </message>
    <message>
        <source>reading the serial number from flash</source>
        <translation>从闪存读取序列号</translation>
    </message>
    <message>
        <source>FX3</source>
        <translation>FX3</translation>
    </message>
    <message>
        <source>FX3 program</source>
        <translation>FX3 程序</translation>
    </message>
    <message>
        <source>Failed clearing boot FX3 device.</source>
        <translation>擦除引导 FX3 失败。</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>Failed clearing FPGA.</source>
        <translation>擦除 FPGA 失败。</translation>
    </message>
    <message>
        <source>reading the device type</source>
        <translation>读取设备型号</translation>
    </message>
    <message>
        <source>reading the firmware versions</source>
        <translation>读取固件版本</translation>
    </message>
    <message>
        <source>reading the serial number</source>
        <translation>读取序列号</translation>
    </message>
    <message>
        <source>Failed to retrieve serial number.</source>
        <translation>无法读取序列号。</translation>
    </message>
    <message>
        <source>Failed to read the boot device&apos;s serial number or type.</source>
        <translation>无法读取引导模式下设备的序列号或型号。</translation>
    </message>
    <message>
        <source>boot Fx3</source>
        <translation>引导 Fx3</translation>
    </message>
    <message>
        <source>Failed clearing boot Fx3 device.</source>
        <translation>擦除引导 Fx3 失败。</translation>
    </message>
    <message>
        <source>run Fx3</source>
        <translation>运行 Fx3</translation>
    </message>
    <message>
        <source>run Fx3 device</source>
        <translation>运行 Fx3</translation>
    </message>
    <message>
        <source>Failed clearing run Fx3.</source>
        <translation>擦除运行 Fx3 失败。</translation>
    </message>
    <message>
        <source>Failed to open RZ.</source>
        <translation>无法打开 RZ。</translation>
    </message>
    <message>
        <source>Looking for RZ boot device...</source>
        <translation>正在查找引导模式下的 RZ...</translation>
    </message>
    <message>
        <source>Failed to open RZ boot device.</source>
        <translation>无法打开引导模式下的 RZ。</translation>
    </message>
    <message>
        <source>Cannot read the update record: %1; every component will be rewritten.</source>
        <translation>无法读取更新记录：%1；将重写所有组件。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 是%2</translation>
    </message>
    <message>
        <source>Updates are recorded for this account only: %1</source>
        <translation>更新仅记录在此账户下：%1</translation>
    </message>
    <message>
        <source>Cannot take the updater lock: %1</source>
        <translation>无法获取更新程序锁：%1</translation>
    </message>
    <message>
        <source>Another firmware updater is already running.</source>
        <translation>另一个固件更新程序已在运行。</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1.</source>
        <translation>正在写入固件；现在停止可能导致仪器无法使用。写入结束后更新程序将停止，最多还需 %1。</translation>
    </message>
    <message>
        <source>Firmware is being written; the updater cannot be paused now. The write goes on.</source>
        <translation>正在写入固件，现在无法暂停更新程序。写入将继续。</translation>
    </message>
    <message>
        <source>Invalid device type</source>
        <translation>无效的设备型号</translation>
    </message>
    <message>
        <source>%1: it is not a minisign public key</source>
        <translation>%1：不是 minisign 公钥</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1，第 %2 行</translation>
    </message>
    <message>
        <source>The %1 ended as %2; the log says why.</source>
        <translation>命令 %1 以“%2”结束；原因见日志。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Could not record the device library&apos;s calls: %1: %2</source>
        <translation>无法记录设备库的调用：%1：%2</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1; still to write: %2.</source>
        <translation>正在写入固件；现在停止可能导致仪器无法使用。写入结束后更新程序将停止，最多还需 %1；尚待写入：%2。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of components</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Stopped before anything was erased.</source>
        <translation>已在擦除任何内容之前停止。</translation>
    </message>
    <message>
        <source>The verified copy of the firmware cannot be used (%1); the device library was not called.</source>
        <translation>无法使用已校验的固件副本（%1）；未调用设备库。</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 已不存在</translation>
    </message>
    <message>
        <source>%1 was changed</source>
        <translation>%1 已被更改</translation>
    </message>
    <message>
        <source>cannot enter %1: %2</source>
        <translation>无法进入 %1：%2</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE must be a number from 0.001 to 1000, not &quot;%1&quot;.</source>
        <translation>RZ_STALL_SCALE 必须是 0.001 到 1000 之间的数字，而不是“%1”。</translation>
    </message>
    <message>
        <source>The firmware in %1 cannot be checked: %2; nothing will be written.</source>
        <translation>无法检查 %1 中的固件：%2；不会写入任何内容。</translation>
    </message>
    <message>
        <source>its attempt ids are used up</source>
        <translation>其尝试编号已用尽</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it is left out.</source>
        <translation>%1 中更新历史记录的最大尝试编号超出了其所能容纳的范围；已忽略。</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it was kept as %2.</source>
        <translation>%1 中更新历史记录的最大尝试编号超出了其所能容纳的范围；已将其保存为 %2。</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>大于 %1 KiB 的文件</translation>
    </message>
    <message>
        <source>%1: it is %2</source>
        <translation>%1：是%2</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;.</source>
        <translation>%1 必须是绝对路径，而不是“%2”。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater restore` to continue.</source>
        <translation>运行 `rz-firmware-updater restore` 继续。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update --allow-downgrade` to continue.</source>
        <translation>运行 `rz-firmware-updater update --allow-downgrade` 继续。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update` to continue.</source>
        <translation>运行 `rz-firmware-updater update` 继续。</translation>
    </message>
    <message>
        <source>Using the firmware installed with the updater: %1</source>
        <translation>使用随固件更新程序安装的固件：%1</translation>
    </message>
    <message>
        <source>No firmware found in %1 or in %2; nothing will be written.</source>
        <translation>在 %1 和 %2 中均未找到固件；不会写入任何内容。</translation>
    </message>
    <message>
        <source>Showing this account&apos;s own update history, kept in %1: %2</source>
        <translation>正在显示此账户自己的更新历史（保存在 %1）：%2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; to write this release anyway, run `rz-firmware-updater update --allow-downgrade`.</source>
        <translation>%1 的固件比此版本新；如仍要写入此版本，请运行 `rz-firmware-updater update --allow-downgrade`。</translation>
    </message>
    <message>
        <source>%1 now holds firmware %2.</source>
        <translation>%1 的固件现为 %2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers, not even to a bootstrap as %1.</source>
        <translation>找不到仪器：没有仪器响应，即使以 %1 引导也没有。</translation>
    </message>
    <message>
        <source>This release has no firmware for the instrument of serial %1, which reports the device type %2.</source>
        <translation>此版本没有适用于序列号 %1 的仪器的固件，该仪器报告的设备类型为 %2。</translation>
    </message>
    <message>
        <source>Stopped before anything was erased on %1.</source>
        <translation>在 %1 上擦除任何内容之前已停止。</translation>
    </message>
    <message>
        <source>The verified copy of the firmware for %1 cannot be used (%2); the device library was not called.</source>
        <translation>%1 的固件的已验证副本无法使用（%2）；未调用设备库。</translation>
    </message>
    <message>
        <source>Cannot record the update of %1 before writing: %2</source>
        <translation>写入前无法记录 %1 的更新：%2</translation>
    </message>
    <message>
        <source>Failed presetting %1.</source>
        <translation>预设 %1 失败。</translation>
    </message>
    <message>
        <source>Failed clearing %1 of %2.</source>
        <translation>清除 %2 的 %1 失败。</translation>
    </message>
    <message>
        <source>Failed writing %1 of %2.</source>
        <translation>写入 %2 的 %1 失败。</translation>
    </message>
    <message>
        <source>The connected instrument is not %1, the one checked; nothing was written.</source>
        <translation>已连接的仪器不是已检查的 %1；未写入任何内容。</translation>
    </message>
    <message>
        <source>Failed opening %1: %2</source>
        <translation>打开 %1 失败：%2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; the downgrade was declined.</source>
        <translation>%1 的固件比此版本新；已拒绝降级。</translation>
    </message>
    <message>
        <source>%1 needs a restore; use restore.</source>
        <translation>%1 需要恢复；请使用 restore。</translation>
    </message>
    <message>
        <source>%1 answers normally; use update.</source>
        <translation>%1 响应正常；请使用 update。</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>找不到仪器：没有仪器响应。要引导仪器，请指定其型号：restore --model %1。</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>找不到仪器：没有仪器响应。如果已连接仪器，restore --model MODEL 可以引导它。</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3.</source>
        <translation>%1 在 %2 时停止响应：%3 无响应。</translation>
    </message>
    <message>
        <source>only members of the group %1 may use %2; add the account %3 to that group (sudo adduser %3 %1), then log out and log in again.</source>
        <translation>只有 %1 组的成员才能使用 %2；请将账户 %3 加入该组（sudo adduser %3 %1），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Another firmware updater is already running: process %1 of the account %2.</source>
        <translation>另一个固件更新程序已在运行：账户 %2 的进程 %1。</translation>
    </message>
    <message>
        <source>This build cannot update the %1: no calls of the device library write its %2 image.</source>
        <translation>此版本无法更新 %1：设备库中没有写入其 %2 映像的调用。</translation>
    </message>
    <message>
        <source>No update or restore on record is unfinished.</source>
        <translation>记录中没有未完成的更新或恢复。</translation>
    </message>
    <message>
        <source>No unfinished update of serial %1 is on record.</source>
        <translation>记录中没有序列号 %1 的未完成更新。</translation>
    </message>
    <message>
        <source>Several models of serial %1 have unfinished updates on record; name one with --model.</source>
        <translation>序列号为 %1 的多个型号在记录中都有未完成的更新；请用 --model 指定其中一个。</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>The record of the unfinished update of %1 was discarded; a later check takes the instrument as it answers.</source>
        <translation>已丢弃 %1 的未完成更新的记录；之后的检查将按仪器的实际应答来对待它。</translation>
    </message>
    <message>
        <source>Bootstrapping it as %1, the model on record.</source>
        <translation>正在以记录中的型号 %1 引导它。</translation>
    </message>
    <message>
        <source>The last update of %1 did not finish; it is finished by rewriting the instrument.</source>
        <translation>%1 的上次更新未完成；将通过重写仪器来完成。</translation>
    </message>
    <message>
        <source>Nothing answers. The last update of %1 did not finish: if this is that instrument, run `rz-firmware-updater restore` to finish it; otherwise `rz-firmware-updater restore --model MODEL`.</source>
        <translation>没有任何应答。%1 的上次更新未完成：如果所连接的就是那台仪器，请运行 `rz-firmware-updater restore` 完成它；否则运行 `rz-firmware-updater restore --model MODEL`。</translation>
    </message>
    <message>
        <source>Nothing answers. The updates of %1 did not finish: run `rz-firmware-updater restore --model MODEL` with the connected instrument&apos;s model; `rz-firmware-updater pending` lists them.</source>
        <translation>没有任何应答。%1 的更新未完成：请以所连接仪器的型号运行 `rz-firmware-updater restore --model MODEL`；`rz-firmware-updater pending` 会列出这些更新。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Start the update again when ready.</source>
        <translation>仪器上没有任何改动。准备好后请重新开始更新。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Get this release again, whole and signed by a trusted key, then start the update again.</source>
        <translation>仪器上没有任何改动。请重新获取完整且由受信任的密钥签名的此版本，然后重新开始更新。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Connect only the instrument to update, then start again.</source>
        <translation>仪器上没有任何改动。请只连接要更新的仪器，然后重新开始。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Once what the line above names is put right, start the update again.</source>
        <translation>仪器上没有任何改动。请先解决上一行所述的问题，然后重新开始更新。</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle to bound its queries by</source>
        <translation>Qt 的 SQLite 驱动程序没有提供可用于限制其查询时间的句柄</translation>
    </message>
    <message>
        <source>it did not answer within %1</source>
        <translation>它未在 %1 内响应</translation>
    </message>
    <message>
        <source>it holds a view, a trigger or a virtual table, which no update history does</source>
        <translation>其中含有视图、触发器或虚拟表，而更新历史记录不会含有这些</translation>
    </message>
    <message>
        <source>it holds no table of attempts</source>
        <translation>其中没有尝试记录表</translation>
    </message>
    <message>
        <source>its table of attempts has no column %1</source>
        <translation>其尝试记录表中没有 %1 列</translation>
    </message>
    <message>
        <source>its table of attempts computes a column, which no update history does</source>
        <translation>其尝试记录表含有计算列，而更新历史记录不会有这种列</translation>
    </message>
    <message>
        <source>This attempt is not recorded in the update history.</source>
        <translation>本次尝试不会记录到更新历史记录中。</translation>
    </message>
    <message>
        <source>The update history holds no unfinished attempt of %1 %2 to mark as discarded.</source>
        <translation>更新历史记录中没有可标记为已丢弃的 %1 %2 的未完成尝试。</translation>
    </message>
    <message>
        <source>Rehearsal: the device library replays the recording %1; no instrument is written, and the update history and the pending records are left as they are.</source>
        <translation>演练：设备库重放录制文件 %1；不会写入任何仪器，更新历史记录和未完成更新的记录均保持不变。</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE is %1: every call&apos;s estimate and the time it is allowed are %1 times their usual length.</source>
        <translation>RZ_STALL_SCALE 为 %1：每次调用的预计时间和允许时间均为通常的 %1 倍。</translation>
    </message>
    <message>
        <source>1 millisecond</source>
        <translation>1 毫秒</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n 毫秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3, scaled by RZ_STALL_SCALE=%4 to %5; keep the instrument connected.</source>
        <translation>仍在进行：%1 已用 %2，预计 %3，经 RZ_STALL_SCALE=%4 调整为 %5；请保持仪器连接。</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2, the time allowed scaled by RZ_STALL_SCALE=%3.</source>
        <translation>仪器在 %1 时停止响应：%2 无响应，允许时间已按 RZ_STALL_SCALE=%3 调整。</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3, the time allowed scaled by RZ_STALL_SCALE=%4.</source>
        <translation>%1 在 %2 时停止响应：%3 无响应，允许时间已按 RZ_STALL_SCALE=%4 调整。</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;: the working folder no longer exists.</source>
        <translation>%1 必须是绝对路径，而不是“%2”：工作文件夹已不存在。</translation>
    </message>
    <message>
        <source>Its signature file names no key that can be read.</source>
        <translation>其签名文件中没有可读取的密钥。</translation>
    </message>
    <message>
        <source>It is signed by key %1, which this machine does not trust: ask the administrator whether key %1 is the maker&apos;s.</source>
        <translation>它由密钥 %1 签名，本机不信任该密钥：请向管理员确认密钥 %1 是否为制造商的密钥。</translation>
    </message>
    <message>
        <source>It is signed by key %1, which the administrator revoked: get a release signed by a key in use.</source>
        <translation>它由密钥 %1 签名，该密钥已被管理员吊销：请获取由正在使用的密钥签名的版本。</translation>
    </message>
    <message>
        <source>Its signature by key %1 does not hold for its list of images: the list or the signature was changed after signing; get the release again.</source>
        <translation>它由密钥 %1 所作的签名与其镜像列表不符：列表或签名在签名后被更改；请重新获取该版本。</translation>
    </message>
    <message>
        <source>boot</source>
        <translation>引导</translation>
    </message>
    <message>
        <source>run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Release folder: %1</source>
        <translation>版本文件夹：%1</translation>
    </message>
    <message>
        <source>The release&apos;s signed list does not name the image %1.</source>
        <translation>版本的已签名列表中没有映像 %1。</translation>
    </message>
    <message>
        <source>Signed by key %1, which the administrator revoked.</source>
        <translation>由密钥 %1 签名，该密钥已被管理员吊销。</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine does not know.</source>
        <translation>由密钥 %1 签名，本机不认识该密钥。</translation>
    </message>
    <message>
        <source>Signed by key %1, which is not trusted while the revoked keys cannot be read.</source>
        <translation>由密钥 %1 签名；在无法读取已吊销的密钥期间，该密钥不受信任。</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine trusts.</source>
        <translation>由密钥 %1 签名，本机信任该密钥。</translation>
    </message>
    <message>
        <source>No release found: nothing can be written.</source>
        <translation>未找到版本：无法写入任何内容。</translation>
    </message>
    <message>
        <source>The release in %1 can be written.</source>
        <translation>%1 中的版本可以写入。</translation>
    </message>
    <message>
        <source>The release in %1 is refused: nothing in it will be written.</source>
        <translation>%1 中的版本被拒绝：不会写入其中的任何内容。</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (missing)</source>
        <translation>  %1 %2：%3（缺失）</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (not in the signed list)</source>
        <translation>  %1 %2：%3（不在已签名列表中）</translation>
    </message>
    <message>
        <source>  %1 %2: %3</source>
        <translation>  %1 %2：%3</translation>
    </message>
    <message>
        <source>No firmware found in %1; nothing will be written.</source>
        <translation>在 %1 中未找到固件；不会写入任何内容。</translation>
    </message>
</context>
<context>
    <name>PLProgressDialog</name>
    <message>
        <source>Please Wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>已用时间 %1</translation>
    </message>
</context>
<context>
    <name>PendingCommand</name>
    <message>
        <source>--discard: expected a serial number above 0, not %1.</source>
        <translation>--discard：需要大于 0 的序列号，而不是 %1。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Since (UTC)</source>
        <translation>开始时间 (UTC)</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>组件</translation>
    </message>
</context>
<context>
    <name>StartRefusal</name>
    <message>
        <source>The firmware updater cannot start.</source>
        <translation>固件更新程序无法启动。</translation>
    </message>
    <message>
        <source>The account %1 is not in the group %2, whose members may use the firmware updater.</source>
        <translation>账户 %1 不在 %2 组中，只有该组成员才能使用固件更新程序。</translation>
    </message>
    <message>
        <source>Ask whoever administers this computer to add the account to the group, for example with:

sudo adduser %1 %2

Then log out, log in again and start the updater anew.</source>
        <translation>请让此计算机的管理员将该账户加入该组，例如：

sudo adduser %1 %2

然后注销、重新登录，并重新启动更新程序。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Check Versions</source>
        <translation>检查版本</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Your device appears to have a newer firmware version.
Installing this will overwrite your firmware with an older version.
Are you sure you wish to continue?</source>
        <translation>您的设备似乎装有较新版本的固件。
安装会用较旧的版本覆盖设备上的固件。
确定要继续吗？</translation>
    </message>
</context>
</TS>
